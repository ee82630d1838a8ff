// The yardstick of bench_start: an empty main window with a menu, linked to Qt Widgets
// only, shown maximized; prints the time of its first paint and its peak RSS.
#include "../ErsterPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    QMenu* datei = w.menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("&Programm beenden"));
    w.menuBar()->addMenu(QStringLiteral("&Optionen"));
    w.menuBar()->addMenu(QStringLiteral("&Info"));
    w.setCentralWidget(new QWidget);
    erster_paint::Melder melder;
    w.centralWidget()->installEventFilter(&melder);
    w.showMaximized();
    return app.exec();
}
