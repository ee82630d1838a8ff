// The test history (line format, all-or-nothing append, reading back) and the words per
// stage that the overview shows.
#include "common/TestHilfen.h"
#include "lists/Testverlauf.h"
#include "lernstand/Uebersicht.h"
#include "lists/DateiErsetzen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using namespace testhilfen;

namespace {

Testeintrag Eintrag(const char* zeit, const char* liste, Richtung r, int richtig, const char* note)
{
    return {QDateTime::fromString(zeit, "yyyy-MM-dd HH:mm:ss"), QString::fromUtf8(liste), r, richtig, 20 - richtig,
            note};
}

const Testeintrag Demo = Eintrag("2026-12-08 16:05:09", "Demo", Richtung::FremdNachDeutsch, 15, "2.9");
const QByteArray DemoZeile = "2026-12-08 16:05:09\tFD\t15\t5\t2.9\tDemo\r\n";

TEST(Testverlauf, EachTestIsOneLineByteForByteAndOnlyWhatReadsBackIsWritten)
{
    Testeintrag tab = Eintrag("2027-01-02 07:08:09", "a\tb", Richtung::DeutschNachFremd, 0, "6");
    Testeintrag cr = Demo;
    cr.Liste = "x\ry";
    Testeintrag summe = Demo;
    summe.Falsche = 6;
    Testeintrag komma = Demo;
    komma.Note = "2,9";
    const struct { const char* name; Testeintrag e; std::optional<QByteArray> zeile; } faelle[] = {
        {"foreign to German", Demo, DemoZeile},
        {"German to foreign, umlauts as UTF-8",
         Eintrag("2026-01-31 23:59:00", "Französisch", Richtung::DeutschNachFremd, 20, "1"),
         QByteArray("2026-01-31 23:59:00\tDF\t20\t0\t1\tFranz\xc3\xb6sisch\r\n")},
        {"a tab in the name stays: the name is last", tab, QByteArray("2027-01-02 07:08:09\tDF\t0\t20\t6\ta\tb\r\n")},
        {"a line end in the name", cr, std::nullopt},
        {"counts not adding up to 20", summe, std::nullopt},
        {"a grade with a comma", komma, std::nullopt},
        {"no name", Eintrag("2026-12-08 16:05:09", "", Richtung::FremdNachDeutsch, 15, "2.9"), std::nullopt},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(VerlaufszeileSchreiben(f.e), f.zeile) << f.name;
        if (f.zeile) // and it reads back as it was
            EXPECT_EQ(VerlaufszeileLesen(f.zeile->chopped(2)), f.e) << f.name;
    }
}

TEST(Testverlauf, OddLinesAreNoEntries)
{
    const struct { const char* name; QByteArray zeile; } faelle[] = {
        {"empty", ""},
        {"a list record", "001#the house#das Haus#0#0#"},
        {"five fields, no name", "2026-12-08 16:05:09\tFD\t15\t5\t2.9"},
        {"empty name", "2026-12-08 16:05:09\tFD\t15\t5\t2.9\t"},
        {"date without seconds", "2026-12-08 16:05\tFD\t15\t5\t2.9\tDemo"},
        {"impossible date", "2026-02-30 16:05:09\tFD\t15\t5\t2.9\tDemo"},
        {"unknown direction", "2026-12-08 16:05:09\tfd\t15\t5\t2.9\tDemo"},
        {"sign in a count", "2026-12-08 16:05:09\tFD\t+15\t5\t2.9\tDemo"},
        {"leading zero in a count", "2026-12-08 16:05:09\tFD\t15\t05\t2.9\tDemo"},
        {"21 right", "2026-12-08 16:05:09\tFD\t21\t0\t1\tDemo"},
        {"counts not 20", "2026-12-08 16:05:09\tFD\t15\t6\t2.9\tDemo"},
        {"grade 7", "2026-12-08 16:05:09\tFD\t15\t5\t7\tDemo"},
        {"grade 0.5", "2026-12-08 16:05:09\tFD\t15\t5\t0.5\tDemo"},
        {"grade with trailing zero", "2026-12-08 16:05:09\tFD\t15\t5\t2.90\tDemo"},
        {"grade 6.5", "2026-12-08 16:05:09\tFD\t15\t5\t6.5\tDemo"},
        {"name not UTF-8", "2026-12-08 16:05:09\tFD\t15\t5\t2.9\tFranz\xf6sisch"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(VerlaufszeileLesen(f.zeile), std::nullopt) << f.name;
}

TEST(Testverlauf, ReadingBackSkipsOddLinesWhateverTheLineEnds)
{
    QTemporaryDir ordner;
    SchreibeBytes(ordner.filePath("Lernstand.txt"),
                  DemoZeile + "Unsinn\r\n\r\n" + "2026-12-09 08:00:00\tDF\t20\t0\t1\tDemo\n"
                      + "2026-12-09 08:00:00\tDF\t19\t0\t1\tDemo\r\n"
                      + "2026-12-10 09:30:00\tFD\t0\t20\t6\tEnglisch");
    const Verlauf v = VerlaufLesen(ordner.path());
    EXPECT_FALSE(v.Lesefehler);
    EXPECT_EQ(v.Uebersprungen, 2) << "the nonsense and the 19 + 0 line; the blank one is no entry at all";
    EXPECT_EQ(v.Eintraege,
              (QList<Testeintrag>{Demo, Eintrag("2026-12-09 08:00:00", "Demo", Richtung::DeutschNachFremd, 20, "1"),
                                  Eintrag("2026-12-10 09:30:00", "Englisch", Richtung::FremdNachDeutsch, 0, "6")}));

    QTemporaryDir leer;
    const Verlauf keiner = VerlaufLesen(leer.path());
    EXPECT_TRUE(keiner.Eintraege.isEmpty() && !keiner.Lesefehler) << "no history yet is no error";
}

class TestVermerkenTest : public ::testing::Test {
protected:
    void TearDown() override { SetzeErsetzenFehlerHook({}); }
    QString datei() const { return ordner.filePath("Lernstand.txt"); }
    QTemporaryDir ordner;
};

TEST_F(TestVermerkenTest, AppendsOneWholeLineAndStartsTheFileWhenMissing)
{
    const Testeintrag zweiter = Eintrag("2026-12-09 08:00:00", "Demo", Richtung::DeutschNachFremd, 20, "1");
    const QByteArray zweiteZeile = "2026-12-09 08:00:00\tDF\t20\t0\t1\tDemo\r\n";
    const struct { const char* name; std::optional<QByteArray> vorher; QByteArray nachher; } faelle[] = {
        {"no history yet", std::nullopt, zweiteZeile},
        {"after a whole line", DemoZeile, DemoZeile + zweiteZeile},
        {"after a last line without its end", "Notiz", "Notiz\r\n" + zweiteZeile},
        {"odd lines are kept as they are", "x\n\n", "x\n\n" + zweiteZeile},
    };
    for (const auto& f : faelle) {
        QFile::remove(datei());
        if (f.vorher)
            SchreibeBytes(datei(), *f.vorher);
        ASSERT_TRUE(TestVermerken(ordner.path(), zweiter)) << f.name;
        EXPECT_EQ(LiesBytes(datei()), f.nachher) << f.name;
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Lernstand.txt"})
        << "no scratch file left";
}

TEST_F(TestVermerkenTest, AFailureAtAnyStepLeavesTheOldHistoryWhole)
{
    for (ErsetzenSchritt schritt : {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben,
                                    ErsetzenSchritt::Flushen, ErsetzenSchritt::Umbenennen}) {
        SchreibeBytes(datei(), DemoZeile);
        SetzeErsetzenFehlerHook([schritt](ErsetzenSchritt s) { return s != schritt; });
        EXPECT_FALSE(TestVermerken(ordner.path(), Demo)) << int(schritt);
        EXPECT_EQ(LiesBytes(datei()), DemoZeile) << int(schritt);
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Lernstand.txt"})
            << int(schritt);
    }
    SetzeErsetzenFehlerHook({});
    // A history that is there but cannot be read is not replaced by the new line alone.
    QFile::remove(datei());
    ASSERT_TRUE(QDir(ordner.path()).mkdir("Lernstand.txt"));
    EXPECT_FALSE(TestVermerken(ordner.path(), Demo));
    EXPECT_TRUE(QFileInfo(datei()).isDir());
    // An entry that would not read back is refused before anything is touched.
    QDir(ordner.path()).rmdir("Lernstand.txt");
    Testeintrag falsch = Demo;
    falsch.Note = "7";
    EXPECT_FALSE(TestVermerken(ordner.path(), falsch));
    EXPECT_FALSE(QFile::exists(datei()));
}

TEST(Stufenzahl, WordsAreLinesWithThreeHashesOddOnesCountedApartMissingFilesEmpty)
{
    QTemporaryDir ordner;
    QByteArray gross;
    for (int i = 0; i < 100000; ++i)
        gross += "001#w#m#0#0#\r\n";
    const struct { const char* name; std::optional<QByteArray> inhalt; qsizetype woerter, ungueltig; bool fehlt; } faelle[] = {
        {"missing file", std::nullopt, 0, 0, true},
        {"empty file", "", 0, 0, false},
        {"records", CpZeilen({"001#a#b#0#0#", "002#c#d#3#0#"}), 2, 0, false},
        {"LF only, last line without end", "001#a#b#0#0#\n002#c#d#0#0#", 2, 0, false},
        {"odd lines", "001#a#b#0#0#\r\n\r\nUnsinn\r\n1#2\r\n#\xe4#\xfc#\r\n\r\n", 2, 2, false},
        {"a lone CR is no word", "\r", 0, 0, false},
        {"two hashes are not enough", "001#nur#zwei\r\n001#a#b#", 1, 1, false},
        {"100,000 lines", gross, 100000, 0, false},
    };
    for (const auto& f : faelle) {
        const QString pfad = ordner.filePath("L.dvb");
        QFile::remove(pfad);
        if (f.inhalt)
            SchreibeBytes(pfad, *f.inhalt);
        const Stufenzahl z = WoerterZaehlen(pfad);
        EXPECT_EQ(z.Woerter, f.woerter) << f.name;
        EXPECT_EQ(z.Ungueltig, f.ungueltig) << f.name;
        EXPECT_EQ(z.Fehlt, f.fehlt) << f.name;
        EXPECT_FALSE(z.Lesefehler) << f.name;
    }
    ASSERT_TRUE(QDir(ordner.path()).mkdir("Ordner.dva"));
    EXPECT_TRUE(WoerterZaehlen(ordner.filePath("Ordner.dva")).Lesefehler);
}

TEST(Stufenzahl, TheOverviewShowsTheChoosableListsWithTheirStagesAndTests)
{
    QTemporaryDir ordner;
    auto liste = [&](const char* name, std::initializer_list<std::optional<QByteArray>> stufen) {
        const char* endungen[] = {".dva", ".dvb", ".dvc"};
        int i = 0;
        for (const auto& s : stufen) {
            if (s)
                SchreibeBytes(ordner.filePath(QString::fromUtf8(name) + endungen[i]), *s);
            ++i;
        }
    };
    const QByteArray zwei = CpZeilen({"001#a#b#4#0#", "002#c#d#2#0#"});
    liste("Zoo", {CpZeilen({"001#a#b#4#0#", "002#c#d#2#0#", "003#e#f#0#0#", "kaputt"}), zwei,
                  CpZeilen({"001#a#b#4#0#"})});
    liste("Äpfel", {zwei, std::nullopt, std::nullopt});
    liste("birnen", {QByteArray(), QByteArray(), QByteArray()});
    liste("afile", {zwei, zwei, zwei});   // the editor's scratch list
    liste(".versteckt", {zwei, zwei, zwei});
    SchreibeBytes(ordner.filePath("Notizen.txt"), zwei);
    SchreibeBytes(ordner.filePath("Lernstand.txt"),
                  DemoZeile + "2026-12-09 10:00:00\tFD\t10\t10\t4.4\tZoo\r\n"
                      + "2026-12-09 11:00:00\tDF\t18\t2\t1.6\tZoo\r\n");

    const Uebersicht u = UebersichtLesen(ordner.path());
    ASSERT_EQ(u.Listen.size(), 3);
    EXPECT_EQ(u.Testverlauf.Eintraege.size(), 3) << "Demo is deleted: its line stays in the history";
    const struct { QString name; qsizetype a, b, c, ungueltig; qsizetype tests; QString note; } erwartet[] = {
        {"Äpfel", 2, 0, 0, 0, 0, ""}, {"birnen", 0, 0, 0, 0, 0, ""}, {"Zoo", 3, 2, 1, 1, 2, "1.6"}};
    for (int i = 0; i < 3; ++i) {
        const Listenstand& l = u.Listen[i];
        const auto& e = erwartet[i];
        EXPECT_EQ(l.Name, e.name);
        EXPECT_EQ(l.Pfad, ordner.filePath(e.name + ".dva"));
        EXPECT_EQ(l.Stufen[0].Woerter, e.a) << i;
        EXPECT_EQ(l.Stufen[1].Woerter, e.b) << i;
        EXPECT_EQ(l.Stufen[2].Woerter, e.c) << i;
        EXPECT_EQ(l.ungueltig(), e.ungueltig) << i;
        EXPECT_EQ(l.Tests.size(), e.tests) << i;
        EXPECT_EQ(l.letzterTest() ? l.letzterTest()->Note : QString(), e.note) << i;
    }
    EXPECT_TRUE(u.Listen[0].Stufen[1].Fehlt && u.Listen[0].Stufen[2].Fehlt);
}

} // namespace
