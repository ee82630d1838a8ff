// Inputs the fuzz targets in fuzz/ found, kept as plain regression tests.
#include "lists/TextDatei.h"
#include "practice/Stufen.h"

#include "common/TestHilfen.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

// A stage list whose last byte is the CR of a CR LF cut short: the stage update adds
// only the LF before its record, so the old last line still reads ";;;".
TEST(FuzzFunde, StageListEndingInALoneCrKeepsItsLastLine)
{
    QTemporaryDir dir;
    const QString dva = dir.filePath("L.dva");
    SchreibeBytes(dva, "059#x#y#8#0#\r\n");
    SchreibeBytes(dir.filePath("L.dvb"), ";;;\r");
    SchreibeBytes(dir.filePath("L.dvc"), "");
    SchreibeBytes(dir.filePath("L.dvd"), "");

    ASSERT_TRUE(Stufe1Sichern(dva, {}).Fehlerfrei());
    const QByteArray satz = "059#x#y#8#0#\r\n";
    EXPECT_EQ(LiesBytes(dir.filePath("L.dvb")), ";;;\r\n" + satz);
    EXPECT_EQ(LiesBytes(dir.filePath("L.dvc")), satz);
    EXPECT_EQ(ZeilenLesen(dir.filePath("L.dvb"))->first(), ";;;");
}
