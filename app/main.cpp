// Lerno: the application starts by showing its start screen.
#include "app/Schriften.h"
#include "app/frmStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lerno"));
    lerno::SchriftenEinrichten();
    lerno::frmStart start;
    if (!start.bereit())
        return 1;
    start.showMaximized();
    return app.exec();
}
