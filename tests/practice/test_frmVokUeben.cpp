// The practice window: picking, judging, overlays and their timer, hints, hover,
// direction menu, and what "Ende" or a frame close leaves in the files.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "common/UiHilfen.h"
#include "lists/Einstellungen.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "practice/Abfrage.h"
#include "practice/frmVokUeben.h"
#include "ui/Zeichenleiste.h"
#include "lists/Listensprache.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace lerno;
using namespace testhilfen;

namespace {

const QByteArray DreiZeilen =
    CpZeilen({"001#house#Haus#0#0#", "002#street#Straße#1#0#", "003#tree#Baum#3#0#"});

class UebenFensterTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        Uebung::LetzteZeile = 0;
        ZufallZuruecksetzen();
    }
    void TearDown() override
    {
        Einstellungen::Lauf() = {};
        UiTest::TearDown();
    }

    // Writes the list with its empty siblings, as the start of a practice leaves it,
    // and makes it the list the next window practises, in the given stage.
    QString Liste(const QByteArray& bytes, qint16 stufe = 1, const QString& basis = "Englisch")
    {
        const QString pfad = ordner.datei(basis + ".dv" + QChar(u'a' + stufe - 1));
        SchreibeBytes(pfad, bytes);
        for (QChar b : {u'a', u'b', u'c', u'd'})
            if (!QFile::exists(StufenDatei(pfad, b)))
                SchreibeBytes(StufenDatei(pfad, b), {});
        gewaehlt = pfad;
        gewaehlteStufe = stufe;
        return pfad;
    }
    QString gewaehlt;
    qint16 gewaehlteStufe = 1;

    QStringList Dateien() const
    {
        return QDir(ordner.pfad()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

// Types the answer and presses Enter in the answer box: the default button judges it.
void Antworten(frmVokUeben& w, const QString& antwort)
{
    w.txtBedeutung->setText(antwort);
    QTest::keyClick(w.txtBedeutung, Qt::Key_Return);
}

void Richtig(frmVokUeben& w) { Antworten(w, w.Sollantwort()); }
void Falsch(frmVokUeben& w) { Antworten(w, w.Sollantwort() + "x"); }

QByteArray GrosseListe(int n, int falscheZeile = 0)
{
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += QString("%1#wort%2#Wort%2#%3#0#\r\n")
                   .arg(i % 1000, 3, 10, QChar('0'))
                   .arg(i)
                   .arg(i == falscheZeile ? 1 : 0)
                   .toLatin1();
    return out;
}

// ---- Picking ----

TEST_F(UebenFensterTest, NoLineIsAskedTwiceInARowAcrossAnswersAndDirectionChanges)
{
    Liste(CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#", "003#c#C#0#0#", "004#d#D#0#0#"}));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    ASSERT_GE(w.AktZeile(), 1);
    QSet<int> gesehen{w.AktZeile()};
    QAction* richtungen[] = {w.mnuDeutsch, w.mnumisch, w.mnuFremd};
    for (int i = 0; i < 300; ++i) {
        const int vorher = w.AktZeile();
        switch (i % 4) {
        case 0: Richtig(w); break;
        case 1: Falsch(w); break;
        case 2: Antworten(w, QString()); break;
        default: richtungen[(i / 4) % 3]->trigger(); break;
        }
        ASSERT_NE(w.AktZeile(), vorher) << "pick " << i;
        ASSERT_EQ(Uebung::LetzteZeile, w.AktZeile());
        gesehen.insert(w.AktZeile());
    }
    EXPECT_EQ(gesehen, (QSet<int>{1, 2, 3, 4})) << "every line gets asked";
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(UebenFensterTest, ReopeningTheWindowDoesNotStartWithTheLastLine)
{
    Liste(DreiZeilen);
    int letzte = 0;
    for (int i = 0; i < 40; ++i) {
        frmVokUeben w(gewaehlt, gewaehlteStufe);
        w.show();
        if (letzte)
            ASSERT_NE(w.AktZeile(), letzte) << "opening " << i;
        Richtig(w);
        letzte = w.AktZeile();
        w.reject();
    }
}

TEST_F(UebenFensterTest, ATwoLineListMayRepeatALine)
{
    Liste(CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#"}));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    int wiederholt = 0;
    QSet<int> gesehen{w.AktZeile()};
    for (int i = 0; i < 50; ++i) {
        const int vorher = w.AktZeile();
        Richtig(w);
        wiederholt += w.AktZeile() == vorher;
        gesehen.insert(w.AktZeile());
    }
    EXPECT_GE(wiederholt, 1);
    EXPECT_EQ(gesehen, (QSet<int>{1, 2}));
}

TEST_F(UebenFensterTest, AMalformedLineIsSkippedWithOneMessageNamingIt)
{
    Liste(CpZeilen({"001#a#A#0#0#", "002#kaputt", "003#c#C#0#0#", "004#d#D#0#0#"}));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    for (int i = 0; i < 60; ++i) {
        ASSERT_GE(w.AktZeile(), 1);
        ASSERT_NE(w.AktZeile(), 2);
        EXPECT_EQ(w.txtVokabel->text(), w.Vokabel());
        Richtig(w);
    }
    // Line 2 was drawn (the fixed sequence draws it early) and reported once, by number.
    EXPECT_EQ(meldungen, (std::vector<Meldung>{
                             {QString::fromUtf8("Zeile 2 der Liste „Englisch“ kann nicht gelesen werden "
                                                "und wird übersprungen."),
                              "Lesefehler der Datei"}}));
    EXPECT_TRUE(w.isVisible());

    const int zeile = w.AktZeile();
    Falsch(w);
    EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 1);
    EXPECT_EQ(w.Fehlerzahl()[1], 0);
}

TEST_F(UebenFensterTest, AListOfOnlyBadLinesLeavesTheWindowUsable)
{
    Liste(CpZeilen({"001#a", "002#b", "003"}));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_EQ(w.AktZeile(), 0);
    EXPECT_EQ(meldungen.size(), 1u);
    Antworten(w, "egal");
    Antworten(w, QString());
    EXPECT_EQ(meldungen, (std::vector<Meldung>{
                             {QString::fromUtf8("Zeilen 1, 2 und 3 der Liste „Englisch“ können nicht "
                                                "gelesen werden und werden übersprungen."),
                              "Lesefehler der Datei"}}))
        << "said once, not at every answer";
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(sounds, std::vector<int>{5}) << "nothing was judged";
}

// ---- Judging ----

TEST_F(UebenFensterTest, ARightAnswerShowsBravoAndPlaysSoundThree)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_EQ(sounds, std::vector<int>{5});
    const int zeile = w.AktZeile();
    EXPECT_EQ(w.txtVokabel->text(), w.Vokabel());
    Richtig(w);
    EXPECT_TRUE(w.lblRichtig->isVisible());
    EXPECT_FALSE(w.lblFalsch->isVisible());
    EXPECT_FALSE(w.TxtLoesung->isVisible());
    EXPECT_EQ(sounds, (std::vector<int>{5, 3}));
    EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 0);
    EXPECT_TRUE(w.txtBedeutung->text().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.lblRichtig->isVisible(); }, 2500));
}

TEST_F(UebenFensterTest, AnswersDifferingInCaseOrATrailingBlankAreWrong)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    for (const auto& verfaelschen : std::vector<std::function<QString(const QString&)>>{
             [](const QString& s) { return s.toLower(); },
             [](const QString& s) { return s.toUpper(); },
             [](const QString& s) { return s + " "; },
             [](const QString& s) { return " " + s; }}) {
        const int zeile = w.AktZeile();
        const int vorher = w.Fehlerzahl()[zeile - 1];
        const QString soll = w.Sollantwort();
        sounds.clear();
        Antworten(w, verfaelschen(soll));
        EXPECT_EQ(sounds, std::vector<int>{4}) << soll.toStdString();
        EXPECT_EQ(w.Fehlerzahl()[zeile - 1], vorher + 1);
        EXPECT_TRUE(w.lblFalsch->isVisible());
        EXPECT_EQ(w.TxtLoesung->text(), soll);
        EXPECT_NE(w.AktZeile(), zeile);
    }
}

TEST_F(UebenFensterTest, EnterOnAnEmptyBoxIsWrongAndMovesOn)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    const int zeile = w.AktZeile();
    const QString frage = w.txtVokabel->text();
    const QString soll = w.Sollantwort();
    QTest::keyClick(w.txtBedeutung, Qt::Key_Enter);
    EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 1);
    EXPECT_EQ(sounds, (std::vector<int>{5, 4}));
    EXPECT_NE(w.AktZeile(), zeile);
    EXPECT_EQ(w.TxtVok2->text(), frage);
    EXPECT_EQ(w.TxtLoesung->text(), soll);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(UebenFensterTest, TheSolutionStaysAFullIntervalAfterAWrongAnswer)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    // Answer just before the running interval ends: the overlays must not vanish with it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.Timerueben.remainingTime() < 300; }, 2000));
    const QString frage = w.txtVokabel->text();
    const QString soll = w.Sollantwort();
    Falsch(w);
    EXPECT_TRUE(w.Timerueben.isActive());
    EXPECT_GT(w.Timerueben.remainingTime(), 1350);
    EXPECT_TRUE(w.lblFalsch->isVisible());
    EXPECT_TRUE(w.TxtVok2->isVisible());
    EXPECT_TRUE(w.TxtLoesung->isVisible());
    EXPECT_EQ(w.TxtVok2->text(), frage);
    EXPECT_EQ(w.TxtLoesung->text(), soll);
    EXPECT_NE(w.txtVokabel->text(), frage) << "the next question is already underneath";

    // Past the end of the interval that ran before the answer, the overlays stay.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !w.TxtLoesung->isVisible(); }, 600));
    EXPECT_TRUE(w.TxtVok2->isVisible());
    EXPECT_TRUE(w.TxtLoesung->isVisible());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.TxtLoesung->isVisible(); }, 2500));
    EXPECT_FALSE(w.TxtVok2->isVisible());
    EXPECT_FALSE(w.lblFalsch->isVisible());
    EXPECT_TRUE(w.Timerueben.isActive()) << "the timer keeps running for the next answer";
}

// With "Antworten großzügig prüfen" a slip shows its reason and the solution with the
// slipped letter marked, sounds right and is not counted; without, the same answer is wrong.
TEST_F(UebenFensterTest, AlmostRightShowsItsReasonAndTheMarkedSolutionOnlyWithTheOption)
{
    const auto bis = [](frmVokUeben& w, int zeile) {
        for (int i = 0; i < 200 && w.AktZeile() != zeile; ++i)
            Richtig(w);
        ASSERT_EQ(w.AktZeile(), zeile);
    };
    for (const bool an : {true, false}) {
        SCOPED_TRACE(an ? "an" : "aus");
        const QString dva =
            Liste(CpZeilen({"001#coffee#café#0#0#", "002#street#<b>Straße</b>#0#0#", "003#tree#Baum#0#0#"}));
        Einstellungen::Lauf().SchalterSetzen(Einstellungen::GrosszuegigPruefen, an);
        frmVokUeben w(gewaehlt, gewaehlteStufe);
        w.show();
        bis(w, 1);
        sounds.clear();
        Antworten(w, "cafe");
        EXPECT_TRUE(w.lblFastRichtig->isVisible() == an && w.lblLoesungMarkiert->isVisible() == an);
        EXPECT_TRUE(w.lblFalsch->isVisible() != an && w.TxtLoesung->isVisible() != an);
        EXPECT_EQ(sounds, std::vector<int>{an ? 3 : 4});
        EXPECT_EQ(w.Fehlerzahl()[0], an ? 0 : 1);
        if (an) {
            EXPECT_EQ(w.lblFastRichtig->text(), QString::fromUtf8("Fast richtig – Akzent"));
            EXPECT_TRUE(w.lblLoesungMarkiert->text().contains(QString::fromUtf8(">é</span>")));
            EXPECT_EQ(w.lblLoesungMarkiert->accessibleDescription(), QString::fromUtf8("Unterschied bei: é"));
            bis(w, 2);
            Antworten(w, "<b>Strasse</b>");
            EXPECT_TRUE(w.lblLoesungMarkiert->text().contains("&lt;b&gt;Stra")) << "a word's markup shows as typed";
            EXPECT_FALSE(w.lblLoesungMarkiert->text().contains("<b>"));
            // More to read: it stays past the first tick, then goes.
            EXPECT_FALSE(QTest::qWaitFor([&] { return w.lblLoesungMarkiert->isHidden(); }, 1700));
            EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblFastRichtig->isHidden(); }, 2000));
            bis(w, 3);
            Antworten(w, "der Baum");
            EXPECT_TRUE(w.lblFalsch->isVisible() && w.lblGrund->text() == "Artikel nicht verlangt");
        } else {
            EXPECT_EQ(w.TxtLoesung->text(), QString::fromUtf8("café"));
            EXPECT_TRUE(w.lblGrund->isHidden());
        }
        Klick(w.lblEnde);
        EXPECT_TRUE(LiesBytes(dva).startsWith(Cp(an ? "001#coffee#café#0#0#" : "001#coffee#café#1#0#")));
    }
}

// ---- Directions ----

TEST_F(UebenFensterTest, DirectionMenuChoosesWhatIsShownAndExpected)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_TRUE(w.mnuFremd->isChecked());
    EXPECT_TRUE(w.Vok);

    w.mnuDeutsch->trigger();
    EXPECT_TRUE(w.mnuDeutsch->isChecked());
    EXPECT_FALSE(w.mnuFremd->isChecked());
    EXPECT_FALSE(w.mnumisch->isChecked());
    EXPECT_EQ(w.Testart, 1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(w.Vok);
        EXPECT_EQ(w.txtVokabel->text(), w.Bedeutung());
        EXPECT_EQ(w.Sollantwort(), w.Vokabel());
        const int zeile = w.AktZeile();
        sounds.clear();
        Antworten(w, w.Vokabel());
        EXPECT_EQ(sounds, std::vector<int>{3});
        EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 0);
    }
    // The meaning typed back in this direction is wrong.
    const int zeile = w.AktZeile();
    Antworten(w, w.Bedeutung());
    EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 1);

    w.mnuFremd->trigger();
    EXPECT_TRUE(w.mnuFremd->isChecked());
    EXPECT_FALSE(w.mnuDeutsch->isChecked());
    EXPECT_TRUE(w.Vok);
    EXPECT_EQ(w.txtVokabel->text(), w.Vokabel());
}

TEST_F(UebenFensterTest, MixedDirectionAsksBothWays)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    w.mnumisch->trigger();
    EXPECT_TRUE(w.mnumisch->isChecked());
    EXPECT_FALSE(w.mnuFremd->isChecked());
    EXPECT_EQ(w.Testart, 3);
    int fremd = 0, deutsch = 0;
    for (int i = 0; i < 40; ++i) {
        if (w.Vok) {
            ++fremd;
            EXPECT_EQ(w.gemisch, 1);
            EXPECT_EQ(w.txtVokabel->text(), w.Vokabel());
            EXPECT_EQ(w.Sollantwort(), w.Bedeutung());
        } else {
            ++deutsch;
            EXPECT_EQ(w.gemisch, 2);
            EXPECT_EQ(w.txtVokabel->text(), w.Bedeutung());
            EXPECT_EQ(w.Sollantwort(), w.Vokabel());
        }
        sounds.clear();
        Richtig(w);
        ASSERT_EQ(sounds, std::vector<int>{3});
    }
    EXPECT_GE(fremd, 5);
    EXPECT_GE(deutsch, 5);
}

// ---- Hint and hover ----

TEST(HilfeMaske, ShortAnswersAreShownWhole)
{
    for (const char* s : {"", "a", "ab", "abc"})
        EXPECT_EQ(Abfrage::HilfeMaske(s), QString(s));
}

TEST(HilfeMaske, LongerAnswersShowExactlyThreeLettersInPlace)
{
    ZufallZuruecksetzen();
    for (const QString wort : {QString("abcd"), QString("abcde"), QString("Fenster"),
                               QString::fromUtf8("Straße")}) {
        QSet<QString> masken;
        for (int i = 0; i < 100; ++i) {
            const QString m = Abfrage::HilfeMaske(wort);
            ASSERT_EQ(m.size(), wort.size()) << m.toStdString();
            int gezeigt = 0;
            for (qsizetype p = 0; p < m.size(); ++p) {
                if (m[p] != QChar('*')) {
                    ++gezeigt;
                    EXPECT_EQ(m[p], wort[p]) << m.toStdString();
                }
            }
            ASSERT_EQ(gezeigt, 3) << m.toStdString();
            masken.insert(m);
        }
        // The revealed positions are drawn, not fixed: 4 letters give 4 masks, more give more.
        EXPECT_GE(masken.size(), 4) << wort.toStdString();
    }
}

TEST_F(UebenFensterTest, HelpShowsTheMaskOfTheExpectedAnswerUntilTheNextMove)
{
    Liste(CpZeilen({"001#window#Fenster#0#0#", "002#door#Tür#0#0#", "003#roof#Dach#0#0#"}));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_FALSE(w.txthelp->isVisible());
    for (QAction* richtung : {w.mnuFremd, w.mnuDeutsch}) {
        richtung->trigger();
        Klick(w.lblHelp);
        EXPECT_TRUE(w.txthelp->isVisible());
        EXPECT_EQ(w.Helptxt, w.Sollantwort());
        const QString m = w.txthelp->text();
        ASSERT_EQ(m.size(), w.Sollantwort().size());
        if (m.size() <= 3)
            EXPECT_EQ(m, w.Sollantwort());
        else
            EXPECT_EQ(m.count(QChar('*')), m.size() - 3) << m.toStdString();

        // Moving over the background hides the hint.
        MausUeber(w.ImgBackground);
        EXPECT_FALSE(w.txthelp->isVisible());
    }
    // Answering hides it too.
    Klick(w.lblHelp);
    Richtig(w);
    EXPECT_FALSE(w.txthelp->isVisible());
    EXPECT_EQ(sounds, (std::vector<int>{5, 3})) << "hint and hover are silent";
}

TEST_F(UebenFensterTest, HoverEnlargesOneLabelAfterTheBackgroundWasCrossed)
{
    Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    MausUeber(w.ImgBackground);
    MausUeber(w.lblHelp);
    EXPECT_TRUE(w.lblHelp->istFett());
    EXPECT_EQ(w.lblHelp->punkt(), 48);

    // Straight to the next label: not armed, stays as it is.
    MausUeber(w.lblok);
    EXPECT_FALSE(w.lblok->istFett());
    EXPECT_EQ(w.lblok->punkt(), 12);

    MausUeber(w.ImgBackground);
    EXPECT_FALSE(w.lblHelp->istFett());
    EXPECT_EQ(w.lblHelp->punkt(), 36);
    MausUeber(w.lblEnde);
    EXPECT_TRUE(w.lblEnde->istFett());
    EXPECT_EQ(w.lblEnde->punkt(), 14);
    MausUeber(w.ImgBackground);
    MausUeber(w.lblok);
    EXPECT_FALSE(w.lblEnde->istFett());
    EXPECT_EQ(w.lblEnde->punkt(), 12);
    EXPECT_TRUE(w.lblok->istFett());
    EXPECT_EQ(w.lblok->punkt(), 14);
    EXPECT_EQ(sounds, std::vector<int>{5});
}

// ---- Leaving ----

TEST_F(UebenFensterTest, EndeAtStageOneRecordsTheWrongAnswers)
{
    const QString dva = Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    // Two misses on line 1, one on line 2, line 3 always right.
    int fehler1 = 0, fehler2 = 0;
    for (int i = 0; i < 200 && (fehler1 < 2 || fehler2 < 1); ++i) {
        if (w.AktZeile() == 1 && fehler1 < 2) {
            Falsch(w);
            ++fehler1;
        } else if (w.AktZeile() == 2 && fehler2 < 1) {
            Falsch(w);
            ++fehler2;
        } else {
            Richtig(w);
        }
    }
    ASSERT_EQ(fehler1, 2);
    ASSERT_EQ(fehler2, 1);
    EXPECT_EQ(w.Fehlerzahl()[0], 2);
    EXPECT_EQ(w.Fehlerzahl()[1], 1);
    EXPECT_EQ(w.Fehlerzahl()[2], 0);

    Klick(w.lblEnde);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_EQ(sounds.front(), 5);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 6), 1);
    EXPECT_EQ(LiesBytes(dva), CpZeilen({"001#house#Haus#2#0#", "002#street#Straße#2#0#",
                                        "003#tree#Baum#3#0#"}));
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'b')),
              CpZeilen({"001#house#Haus#2#0#", "002#street#Straße#2#0#", "003#tree#Baum#3#0#"}));
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'c')), QByteArray());
    EXPECT_EQ(Dateien(), (QStringList{"Englisch.dva", "Englisch.dvb", "Englisch.dvc", "Englisch.dvg"}));
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(UebenFensterTest, EndeAtStageTwoKeepsTheListAndFillsStageThree)
{
    const QByteArray dvbVorher =
        CpZeilen({"001#house#Haus#2#0#", "002#street#Straße#3#0#", "003#tree#Baum#2#0#"});
    const QString dvb = Liste(dvbVorher, 2);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_EQ(w.Stufe(), 2);
    bool fertig = false;
    for (int i = 0; i < 200 && !fertig; ++i) {
        if (w.AktZeile() == 2) {
            Falsch(w);
            fertig = true;
        } else {
            Richtig(w);
        }
    }
    ASSERT_TRUE(fertig);
    Klick(w.lblEnde);
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_EQ(LiesBytes(dvb), dvbVorher);
    EXPECT_EQ(LiesBytes(StufenDatei(dvb, u'c')), CpZeilen({"002#street#Straße#4#0#"}));
    EXPECT_EQ(LiesBytes(StufenDatei(dvb, u'a')), QByteArray());
    EXPECT_FALSE(QFile::exists(StufenDatei(dvb, u'd')));
}

TEST_F(UebenFensterTest, EndeAtStageThreeOnlyRemovesTheScratchFile)
{
    const QByteArray dvcVorher = CpZeilen({"001#house#Haus#4#0#", "002#street#Straße#5#0#"});
    const QString dvc = Liste(dvcVorher, 3);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    Falsch(w);
    Falsch(w);
    Klick(w.lblEnde);
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_EQ(LiesBytes(dvc), dvcVorher);
    EXPECT_FALSE(QFile::exists(StufenDatei(dvc, u'd')));
    EXPECT_EQ(Dateien(), (QStringList{"Englisch.dva", "Englisch.dvb", "Englisch.dvc", "Englisch.dvg"}));
}

TEST_F(UebenFensterTest, ASaveThatFailsIsReportedOnceAndTheWindowStillCloses)
{
    const QString dva = Liste(DreiZeilen);
    QFile::remove(StufenDatei(dva, u'b'));
    ASSERT_TRUE(QDir(ordner.pfad()).mkdir("Englisch.dvb"));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    for (int i = 0; i < 200 && w.AktZeile() != 2; ++i)
        Richtig(w);
    ASSERT_EQ(w.AktZeile(), 2);
    Falsch(w);
    Klick(w.lblEnde);
    // One message, naming the cause and that nothing of this practice was kept.
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.endsWith(QString::fromUtf8(" Das Ergebnis dieser Übung wurde nicht gespeichert.")))
        << meldungen[0].text.toStdString();
    EXPECT_EQ(meldungen[0].titel, "Dateifehler");
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_FALSE(w.isVisible());
    // All or none: neither the main list nor the other stage list is written.
    EXPECT_EQ(LiesBytes(dva), DreiZeilen);
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'c')), QByteArray());
    EXPECT_FALSE(QFile::exists(StufenDatei(dva, u'd')));
}

TEST_F(UebenFensterTest, TheWindowKeepsToTheListItWasOpenedFor)
{
    const QString erste = Liste(DreiZeilen);
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    // Another list made the chosen one before the window comes up must not change what is
    // practised.
    const QString andere = Liste(CpZeilen({"001#x#X#0#0#", "002#y#Y#0#0#", "003#z#Z#0#0#"}), 1, "Andere");
    w.show();
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(QStringList({"house", "street", "tree"}).contains(w.Vokabel()))
            << w.Vokabel().toStdString();
        Falsch(w);
    }
    const auto& f = w.Fehlerzahl();
    EXPECT_EQ(f[0] + f[1] + f[2], 10);
    Klick(w.lblEnde);
    const auto zeile = [](const char* schluessel, int stand) {
        return Cp(schluessel) + QByteArray::number(std::min(9, stand)) + "#0#\r\n";
    };
    EXPECT_EQ(LiesBytes(erste), zeile("001#house#Haus#", f[0]) + zeile("002#street#Straße#", 1 + f[1])
                                    + zeile("003#tree#Baum#", 3 + f[2]));
    EXPECT_EQ(LiesBytes(andere),
              CpZeilen({"001#x#X#0#0#", "002#y#Y#0#0#", "003#z#Z#0#0#"}));
}

TEST_F(UebenFensterTest, FrameCloseAndEscapeSaveNothing)
{
    const QString dva = Liste(DreiZeilen);
    SchreibeBytes(StufenDatei(dva, u'd'), "scratch");
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    Falsch(w);
    Falsch(w);

    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(w.txtBedeutung, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible()) << "Escape does not leave the practice";

    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 6), 0);
    EXPECT_EQ(LiesBytes(dva), DreiZeilen);
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'b')), QByteArray());
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'd')), QByteArray("scratch"));
}

TEST_F(UebenFensterTest, AMissOnALineBeyondFiveHundredIsCountedAndSaved)
{
    const QString dva = Liste(GrosseListe(600));
    frmVokUeben w(gewaehlt, gewaehlteStufe);
    w.show();
    EXPECT_EQ(w.Zeilenzahl(), 600);
    for (int i = 0; i < 500 && w.AktZeile() <= 500; ++i)
        Richtig(w);
    const int zeile = w.AktZeile();
    ASSERT_GT(zeile, 500);
    Falsch(w);
    ASSERT_GE(w.Fehlerzahl().size(), static_cast<size_t>(zeile));
    EXPECT_EQ(w.Fehlerzahl()[zeile - 1], 1);
    Klick(w.lblEnde);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(LiesBytes(dva), GrosseListe(600, zeile));
    EXPECT_EQ(LiesBytes(StufenDatei(dva, u'b')), QByteArray());
    EXPECT_FALSE(QFile::exists(StufenDatei(dva, u'd')));
}

// ---- Heute üben ----

// A missed word comes back until it is right; then the window says so and ends as with
// "Ende". Each review reaches the disk once the feedback is up, not on the answer's path.
TEST_F(UebenFensterTest, HeuteUebenRepeatsAMissedWordUntilRightAndThenEnds)
{
    const QString dva = Liste(DreiZeilen);
    Tagesplan::Heute heute;
    heute.listen = {{dva, "Englisch", {}, 20, {1, 3}, {{"house", "Haus"}, {"tree", "Baum"}}}};
    ASSERT_TRUE(ListenspracheSetzen(dva, "Russisch")); // the bar follows the word's list
    frmVokUeben w{Uebung(heute)};
    w.setWindowTitle(QString::fromUtf8("Heute üben"));
    w.show();
    EXPECT_EQ(w.findChild<Zeichenleiste*>()->knoepfe().size(), 33);
    QStringList gefragt{w.Vokabel()};
    Falsch(w);
    EXPECT_FALSE(QFile::exists(StufenDatei(dva, u'g')));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(StufenDatei(dva, u'g')); }, 2000));
    for (int i = 0; i < 10 && w.isVisible(); ++i) {
        gefragt << w.Vokabel();
        Richtig(w);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(gefragt.join(' '), "house tree house");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{frmVokUeben::HeuteGeschafftText, QString::fromUtf8("Heute üben")}}));
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_EQ(LiesBytes(dva), CpZeilen({"001#house#Haus#1#0#", "002#street#Straße#1#0#", "003#tree#Baum#3#0#"}));
}

} // namespace

// The letters of the list's language under the answer box, covering nothing, typing into
// the answer; none for an English list.
TEST_F(UebenFensterTest, TheCharacterBarTypesIntoTheAnswer)
{
    const struct {
        const char* basis;
        qsizetype zeichen;
    } faelle[] = {{"Griechisch", 36}, {"Russisch", 33}, {"Englisch", 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.basis);
        Liste(DreiZeilen, 2, f.basis);
        frmVokUeben w(gewaehlt, 2);
        w.show();
        QApplication::setActiveWindow(&w);
        auto* leiste = w.findChild<Zeichenleiste*>();
        ASSERT_TRUE(leiste);
        EXPECT_EQ(leiste->knoepfe().size(), f.zeichen);
        if (f.zeichen == 0) {
            EXPECT_TRUE(leiste->isHidden());
            continue;
        }
        EXPECT_EQ(Ueberdeckt(leiste), QStringList());
        EXPECT_GT(leiste->y(), w.txtBedeutung->geometry().bottom());
        QTest::keyClick(w.txtBedeutung, Qt::Key_1, Qt::AltModifier);
        EXPECT_EQ(w.txtBedeutung->text(), leiste->zeichen()[0]);
    }
}
