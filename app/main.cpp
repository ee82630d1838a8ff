// Lerno: the application starts by showing its start screen.
#include "ui/Schriften.h"
#include "app/frmStart.h"
#include "lists/Zufall.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lerno"));
    // Qt's own dialogs speak German too; the catalogue is mapped, not parsed, so this is cheap.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);
    lerno::SchriftenEinrichten();
    // Every start asks and tests in another order. The end-to-end tests that know the
    // fixed sequence by heart keep it with LERNO_ZUFALL_FEST.
    if (!qEnvironmentVariableIsSet("LERNO_ZUFALL_FEST"))
        lerno::ZufallAusUhrSaeen();
    lerno::frmStart start;
    if (!start.bereit())
        return 1;
    start.showMaximized();
    return app.exec();
}
