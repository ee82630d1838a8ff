// Window tests need a QApplication; gtest_discover_tests runs this binary without the
// test environment, so fall back to the offscreen platform here.
#include "ui/Schriften.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lerno::SchriftenEinrichten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
