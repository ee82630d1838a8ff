// The editor's file logic: splitting lines into grid rows, writing rows back, rebuilding
// the stage lists, refusing cells, and replacing the three files safely.
#include "editor/Editorliste.h"

#include "common/TestHilfen.h"
#include "lists/DateiErsetzen.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

// A list Englisch in <program folder>/Vokabeln, where the editor's scratch files go.
class EditorListe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln")); }
    void TearDown() override { SetzeErsetzenFehlerHook(nullptr); }

    QString pfad(char b) const { return ordner.datei(QString("Vokabeln/Englisch.dv") + b); }
    QByteArray bytes(char b) const { return LiesBytes(pfad(b)); }
    void anlegen(const QByteArray& a, const QByteArray& b = {}, const QByteArray& c = {})
    {
        SchreibeBytes(pfad('a'), a);
        SchreibeBytes(pfad('b'), b);
        SchreibeBytes(pfad('c'), c);
    }
    QStringList dateien() const
    {
        return QDir(ordner.datei("Vokabeln"))
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    std::vector<GridZeile> geladen() const
    {
        const GeladeneListe l = EditorListeLesen(pfad('a'));
        EXPECT_TRUE(l.Gelesen);
        return l.Zeilen;
    }

    testhilfen::TempProgrammordner ordner;
    const QStringList drei{"Englisch.dva", "Englisch.dvb", "Englisch.dvc"};
};

GridZeile Neu(const char* vokabel, const char* bedeutung)
{
    GridZeile z;
    z.Vokabel = QString::fromUtf8(vokabel);
    z.Bedeutung = QString::fromUtf8(bedeutung);
    return z;
}

} // namespace

TEST(GridZeileAus, SplitsOnlyLinesThatComeBackByteForByte)
{
    struct Fall {
        const char* zeile;
        bool teilbar;
        const char *nummer, *vokabel, *bedeutung, *zaehler;
    };
    const Fall faelle[] = {
        {"001#house#Haus#3#0#", true, "001#", "house", "Haus", "#3#0#"},
        {"042#the house#das Haus#0#0#", true, "042#", "the house", "das Haus", "#0#0#"},
        {"100# a #Straße #9#0#", true, "100#", " a ", "Straße ", "#9#0#"},
        {"001#a#b#0#7#", true, "001#", "a", "b", "#0#7#"}, // Reserve is carried along
        {"", false},
        {"001#a#b", false},            // fewer than three "#"
        {"01#a#b#0#0#", false},        // number of two digits: columns would cut the word
        {"0001#a#b#0#0#", false},
        {"001#a#b#0#", false},         // no Reserve
        {"001#a#b#x#0#", false},       // irregular count
        {"001#a#b#12#0#", false},
        {"001#a#b#c#0#0#", false},     // a "#" inside: the columns would drop "c#"
        {"001##Haus#0#0#", false},     // empty word: saving would drop the pair
        {"001#house##0#0#", false},
        {"001#a#b#0#0", false},        // no closing "#"
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const auto z = GridZeileAus(QString::fromUtf8(f.zeile));
        ASSERT_EQ(z.has_value(), f.teilbar);
        if (!z)
            continue;
        EXPECT_EQ(z->Nummer, QString::fromUtf8(f.nummer));
        EXPECT_EQ(z->Vokabel, QString::fromUtf8(f.vokabel));
        EXPECT_EQ(z->Bedeutung, QString::fromUtf8(f.bedeutung));
        EXPECT_EQ(z->Zaehler, QString::fromUtf8(f.zaehler));
        EXPECT_EQ(GridDatensatz(*z), QString::fromUtf8(f.zeile));
    }
}

TEST(GridDatensatz, FillsMissingPartsAndDropsHalfEmptyRows)
{
    struct Fall {
        GridZeile zeile;
        std::optional<QString> satz;
    };
    GridZeile geladen{"007#", "a", "b", "#5#0#", std::nullopt};
    GridZeile ohneWort = geladen;
    ohneWort.Vokabel.clear();
    GridZeile ohneBedeutung = geladen;
    ohneBedeutung.Bedeutung.clear();
    GridZeile roh;
    roh.Roh = QStringLiteral("kaputt#");
    const Fall faelle[] = {
        {geladen, QStringLiteral("007#a#b#5#0#")},
        {Neu("word", "meaning"), QStringLiteral("001#word#meaning#1#0#")},
        {ohneWort, std::nullopt},
        {ohneBedeutung, std::nullopt},
        {Neu("", ""), std::nullopt},
        {roh, QStringLiteral("kaputt#")},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GridDatensatz(f.zeile), f.satz) << f.satz.value_or("(none)").toStdString();
}

TEST(HalbeGridbreite, RoundsHalfToEven)
{
    const std::pair<int, int> faelle[] = {{7005, 3502}, {7006, 3503}, {7007, 3504}, {7009, 3504},
                                          {15, 8},      {0, 0},       {1, 0},       {3, 2}};
    for (auto [breite, halb] : faelle)
        EXPECT_EQ(HalbeGridbreite(breite), halb) << breite;
}

TEST_F(EditorListe, SavesEditedRowsAndRebuildsTheStageLists)
{
    struct Fall {
        const char* name;
        QByteArray dva, dvb, dvc;
        std::function<void(std::vector<GridZeile>&)> bearbeiten;
        QByteArray a, b, c;
    };
    const QByteArray demo = CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#", "003#a#b#0#0#"});
    const Fall faelle[] = {
        {"unchanged rows come back byte for byte; stages rebuilt", demo, {}, {},
         [](auto&) {}, demo, CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#"}),
         CpZeilen({"002#Straße#street#4#0#"})},
        {"an emptied word removes the pair from all three", demo,
         CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#"}), CpZeilen({"002#Straße#street#4#0#"}),
         [](auto& z) { z[1].Vokabel.clear(); },
         CpZeilen({"001#house#Haus#3#0#", "003#a#b#0#0#"}), CpZeilen({"001#house#Haus#3#0#"}), {}},
        {"an emptied meaning removes the pair from all three", demo,
         CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#"}), CpZeilen({"002#Straße#street#4#0#"}),
         [](auto& z) { z[0].Bedeutung.clear(); },
         CpZeilen({"002#Straße#street#4#0#", "003#a#b#0#0#"}), CpZeilen({"002#Straße#street#4#0#"}),
         CpZeilen({"002#Straße#street#4#0#"})},
        {"an edited text reaches the stage lists; no renumbering", demo, {}, {},
         [](auto& z) { z[1].Vokabel = "Gasse"; z[0].Vokabel.clear(); },
         CpZeilen({"002#Gasse#street#4#0#", "003#a#b#0#0#"}), CpZeilen({"002#Gasse#street#4#0#"}),
         CpZeilen({"002#Gasse#street#4#0#"})},
        {"a stage line with an older count gives way to the main list's", demo,
         CpZeilen({"001#house#Haus#2#0#", "009#gone#weg#5#0#"}), CpZeilen({"009#gone#weg#5#0#"}),
         [](auto&) {}, demo, CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#"}),
         CpZeilen({"002#Straße#street#4#0#"})},
        {"a new row in an empty list is in no stage file", {}, {}, {},
         [](auto& z) { z.push_back(Neu("word", "meaning")); },
         CpZeilen({"001#word#meaning#1#0#"}), {}, {}},
        {"lines that cannot be split stay at their place, in no stage list",
         CpZeilen({"001#a#b#5#0#", "kaputt", "", "002#x#y#c#4#0#", "003#c#d#2#0#"}), {}, {},
         [](auto& z) { z[0].Bedeutung = "B"; z[4].Vokabel.clear(); },
         CpZeilen({"001#a#B#5#0#", "kaputt", "", "002#x#y#c#4#0#"}), CpZeilen({"001#a#B#5#0#"}),
         CpZeilen({"001#a#B#5#0#"})},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(f.dva, f.dvb, f.dvc);
        auto zeilen = geladen();
        f.bearbeiten(zeilen);
        const auto e = EditorListeSchreiben(pfad('a'), zeilen);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(bytes('a'), f.a);
        EXPECT_EQ(bytes('b'), f.b);
        EXPECT_EQ(bytes('c'), f.c);
        EXPECT_EQ(dateien(), drei); // no scratch file left
    }
}

TEST_F(EditorListe, StageListsFollowTheCountZeroToNine)
{
    QByteArray dva, dvb, dvc;
    for (int stand = 0; stand <= 9; ++stand) {
        const QByteArray zeile =
            QString("%1#w%2#m%2#%2#0#\r\n").arg(stand + 1, 3, 10, QChar('0')).arg(stand).toLatin1();
        dva += zeile;
        if (stand >= 2)
            dvb += zeile;
        if (stand >= 4)
            dvc += zeile;
    }
    ASSERT_TRUE(dva.startsWith("001#w0#m0#0#0#\r\n002#w1#m1#1#0#\r\n"));
    anlegen(dva);
    EXPECT_EQ(EditorListeSchreiben(pfad('a'), geladen()).Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a'), dva);
    EXPECT_EQ(bytes('b'), dvb);
    EXPECT_EQ(bytes('c'), dvc);
}

TEST_F(EditorListe, MissingListLoadsAsFailureAndSaveCreatesAllThree)
{
    const GeladeneListe l = EditorListeLesen(pfad('a'));
    EXPECT_FALSE(l.Gelesen);
    EXPECT_TRUE(l.Zeilen.empty());
    const auto e = EditorListeSchreiben(pfad('a'), {Neu("the mouse", "die Maus"), Neu("", "")});
    EXPECT_EQ(e.Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a'), CpZeilen({"001#the mouse#die Maus#1#0#"}));
    EXPECT_EQ(bytes('b'), QByteArray());
    EXPECT_EQ(bytes('c'), QByteArray());
    EXPECT_EQ(dateien(), drei);
}

TEST_F(EditorListe, StaleScratchTripletIsNotMergedAndGoesAway)
{
    anlegen(CpZeilen({"001#house#Haus#4#0#"}));
    for (char b : {'a', 'b', 'c'})
        SchreibeBytes(ordner.datei(QString("Vokabeln/afile.dv") + b), CpZeilen({"099#alt#old#9#0#"}));
    EXPECT_EQ(EditorListeSchreiben(pfad('a'), geladen()).Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a'), CpZeilen({"001#house#Haus#4#0#"}));
    EXPECT_EQ(bytes('b'), CpZeilen({"001#house#Haus#4#0#"}));
    EXPECT_EQ(bytes('c'), CpZeilen({"001#house#Haus#4#0#"}));
    EXPECT_EQ(dateien(), drei);
}

TEST_F(EditorListe, RefusedCellWritesNothing)
{
    struct Fall {
        const char* name;
        GridZeile zeile;
        EingabeFehler fehler;
        QString zeichen;
    };
    const Fall faelle[] = {
        {"# in the word", Neu("a#b", "c"), EingabeFehler::Raute, {}},
        {"# in the meaning", Neu("a", "#"), EingabeFehler::Raute, {}},
        {"line feed", Neu("a\nb", "c"), EingabeFehler::Zeilenumbruch, {}},
        {"carriage return", Neu("a", "c\r"), EingabeFehler::Zeilenumbruch, {}},
        {"outside Windows-1252", Neu("a", "Łódź"), EingabeFehler::KeinCp1252, QStringLiteral("Ł")},
        {"a whole surrogate pair is named", Neu("\xF0\x9F\x98\x80", "c"), EingabeFehler::KeinCp1252,
         QString::fromUtf8("\xF0\x9F\x98\x80")},
    };
    const QByteArray a = CpZeilen({"001#house#Haus#4#0#"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(a, a, a);
        auto zeilen = geladen();
        zeilen.push_back(Neu("ok", "€ und ß")); // fine in Windows-1252
        zeilen.push_back(f.zeile);
        const auto e = EditorListeSchreiben(pfad('a'), zeilen);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Abgelehnt);
        EXPECT_EQ(e.Pruefung.Fehler, f.fehler);
        EXPECT_EQ(e.Pruefung.Zeile, 3);
        EXPECT_EQ(e.Pruefung.Zeichen, f.zeichen);
        for (char b : {'a', 'b', 'c'})
            EXPECT_EQ(bytes(b), a);
        EXPECT_EQ(dateien(), drei);
    }
    // A row that is dropped anyway is not checked.
    anlegen(a, a, a);
    auto zeilen = geladen();
    zeilen.push_back(Neu("a#b", ""));
    EXPECT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
}

TEST_F(EditorListe, ScratchNameIsNeverTheEditedList)
{
    const QString afile = ordner.datei("Vokabeln/afile.dva");
    SchreibeBytes(afile, CpZeilen({"001#a#b#0#0#"}));
    EXPECT_TRUE(IstHilfsdatei(afile));
    EXPECT_TRUE(IstHilfsdatei("/x/AFile.dvb"));
    EXPECT_FALSE(IstHilfsdatei("/x/afile2.dva"));
    EXPECT_FALSE(IstHilfsdatei(pfad('a')));
    const auto e = EditorListeSchreiben(afile, {Neu("x", "y")});
    EXPECT_EQ(e.Stand, EditorSpeicherStand::Dateifehler);
    EXPECT_EQ(LiesBytes(afile), CpZeilen({"001#a#b#0#0#"}));
}

TEST_F(EditorListe, FailureAtEveryStepLeavesEachFileOldOrNew)
{
    const QByteArray altA = CpZeilen({"001#house#Haus#4#0#", "002#a#b#0#0#"});
    const QByteArray altB = CpZeilen({"001#house#Haus#2#0#"});
    const QByteArray altC = CpZeilen({"009#x#y#4#0#"});
    const QByteArray neuA = CpZeilen({"001#home#Haus#4#0#", "002#a#b#0#0#"});
    const QByteArray neuBC = CpZeilen({"001#home#Haus#4#0#"});

    // Count the steps of a clean save first.
    anlegen(altA, altB, altC);
    int schritte = 0;
    SetzeErsetzenFehlerHook([&](ErsetzenSchritt) { ++schritte; return true; });
    auto zeilen = geladen();
    zeilen[0].Vokabel = "home";
    ASSERT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
    ASSERT_GE(schritte, 9); // three scratch files written, three replaced

    for (int fehlschlag = 1; fehlschlag <= schritte; ++fehlschlag) {
        SCOPED_TRACE(fehlschlag);
        anlegen(altA, altB, altC);
        int n = 0;
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt) { return ++n != fehlschlag; });
        const auto e = EditorListeSchreiben(pfad('a'), zeilen);
        SetzeErsetzenFehlerHook(nullptr);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Dateifehler);
        EXPECT_FALSE(e.NichtErsetzt.isEmpty());
        EXPECT_TRUE(bytes('a') == altA || bytes('a') == neuA);
        EXPECT_TRUE(bytes('b') == altB || bytes('b') == neuBC);
        EXPECT_TRUE(bytes('c') == altC || bytes('c') == neuBC);
        // Reported as not replaced means old content.
        EXPECT_EQ(e.NichtErsetzt.contains(pfad('a')), bytes('a') == altA);
        EXPECT_EQ(dateien(), drei);
    }
}
