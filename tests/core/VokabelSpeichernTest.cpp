// Appending a typed pair to a list: the result values and the exact bytes written.
#include "entry/VokabelSpeichern.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

TEST(VokabelSpeichern, AppendsTheNextNumberedRecordInWindows1252)
{
    QTemporaryDir dir;
    const QString liste = dir.filePath("l.dva");
    SchreibeBytes(liste, QByteArray());
    EXPECT_EQ(VokabelSpeichern(liste, "house", QString::fromUtf8("Haus")), SpeicherErgebnis::Gespeichert);
    EXPECT_EQ(LiesBytes(liste), "001#house#Haus#0#0#\r\n");

    const QByteArray alt = CpZeilen({"001#a#b#0#0#", "004#the street#die Straße#2#0#"});
    SchreibeBytes(liste, alt);
    EXPECT_EQ(VokabelSpeichern(liste, "house", "Haus"), SpeicherErgebnis::Gespeichert);
    EXPECT_EQ(VokabelSpeichern(liste, QString::fromUtf8("€ – ‰"), QString::fromUtf8("ÿ")),
              SpeicherErgebnis::Gespeichert);
    EXPECT_EQ(LiesBytes(liste), alt + "005#house#Haus#0#0#\r\n" + QByteArray("006#\x80 \x96 \x89#\xFF#0#0#\r\n"));
}

TEST(VokabelSpeichern, RefusalsWriteNothing)
{
    QTemporaryDir dir;
    const QString liste = dir.filePath("l.dva");
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste, alt);
    const std::tuple<QString, QString, SpeicherErgebnis> faelle[] = {
        {"", "Haus", SpeicherErgebnis::Leer},
        {"house", "", SpeicherErgebnis::Leer},
        {"a#b", "c", SpeicherErgebnis::EnthaeltRaute},
        {"a", "#", SpeicherErgebnis::EnthaeltRaute},
        {"a\nb", "c", SpeicherErgebnis::Zeilenumbruch},
        {"a", "b\r", SpeicherErgebnis::Zeilenumbruch},
        {QString(QChar(0xE000)) + "tvija", "Lettland", SpeicherErgebnis::Unspeicherbar},
        {"arrow", QString(QChar(0x0378)), SpeicherErgebnis::Unspeicherbar},
    };
    for (const auto& [vokabel, bedeutung, ergebnis] : faelle)
        EXPECT_EQ(VokabelSpeichern(liste, vokabel, bedeutung), ergebnis) << vokabel.toStdString();
    EXPECT_EQ(LiesBytes(liste), alt);

    EXPECT_EQ(VokabelSpeichern(dir.filePath("fehlt.dva"), "a", "b"), SpeicherErgebnis::Dateifehler);
    EXPECT_FALSE(QFile::exists(dir.filePath("fehlt.dva")));
}

} // namespace
