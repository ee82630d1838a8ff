// The entry screen: each accepted pair is appended byte-exact and said to be saved; refusals
// keep what was typed; message timer, ending and hover rule.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "lists/DateiErsetzen.h"
#include "common/UiHilfen.h"
#include "entry/frmVokEingabe.h"
#include "ui/Zeichenleiste.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

using namespace lerno;
using namespace testhilfen;

namespace {

class EingabeTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        liste = ordner.datei("Englisch.dva");
    }

    // Types a pair the way a pupil does and presses Enter in the meaning box.
    static void Eingeben(frmVokEingabe& w, const char* vokabel, const char* bedeutung)
    {
        w.txtVokabel->setText(QString::fromUtf8(vokabel));
        w.txtBedeutung->setText(QString::fromUtf8(bedeutung));
        QTest::keyClick(w.txtBedeutung, Qt::Key_Return);
    }

    QString liste;
};

TEST_F(EingabeTest, NumbersFollowTheLastLineAndRecordsAreWindows1252)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"009#a#b#0#0#", "010"}, {"099#a#b#0#0#", "100"}, {"100#a#b#0#0#", "001"},
    };
    for (auto [letzte, nummer] : faelle) {
        const QByteArray vorher = CpZeilen({"001#x#y#3#0#", letzte});
        SchreibeBytes(liste, vorher);
        frmVokEingabe w(liste);
        w.show();
        Eingeben(w, "the street", "die Straße");
        const QByteArray erwartet = vorher + Cp(nummer) + Cp("#the street#die Straße#0#0#") + "\r\n";
        EXPECT_EQ(LiesBytes(liste), erwartet) << letzte;
        EXPECT_TRUE(w.txtVokabel->text().isEmpty());
        EXPECT_TRUE(w.txtBedeutung->text().isEmpty());
        EXPECT_FALSE(w.lblMeldung->isVisible());
        EXPECT_TRUE(w.lblGespeichert->isVisible());
        EXPECT_EQ(w.lblGespeichert->text(), "gespeichert (3 Vokabeln)") << letzte;
    }
    EXPECT_TRUE(meldungen.empty());
}

// The saved sign lies where it covers nothing, and its own timer takes it away.
TEST_F(EingabeTest, TheSavedSignCoversNothingAndGoesAgain)
{
    frmVokEingabe w(liste);
    w.show();
    for (QWidget* x : std::initializer_list<QWidget*>{w.txtVokabel, w.txtBedeutung, w.lblMeldung, w.lblok,
                                                      w.lblEnde, w.lblVokabel, w.lblBedeutung})
        EXPECT_FALSE(w.lblGespeichert->geometry().intersects(x->geometry())) << x->objectName().toStdString();
    EXPECT_TRUE(w.rect().contains(w.lblGespeichert->geometry()));
    w.TimerGespeichert.setInterval(20);
    Eingeben(w, "house", "Haus");
    EXPECT_EQ(w.lblGespeichert->text(), "gespeichert (1 Vokabel)");
    EXPECT_TRUE(w.lblGespeichert->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.lblGespeichert->isHidden(); }, 2000));
    // A refusal takes the sign away at once: it is the newer news.
    Eingeben(w, "tree", "Baum");
    Eingeben(w, "", "");
    EXPECT_TRUE(w.lblGespeichert->isHidden());
}

TEST_F(EingabeTest, OpeningCreatesTheListAndMissingSiblingsOnly)
{
    const QByteArray b = CpZeilen({"004#Öl#oil#2#0#"});
    SchreibeBytes(ordner.datei("Englisch.dvb"), b);
    frmVokEingabe w(liste);
    EXPECT_EQ(w.liste(), liste);
    EXPECT_EQ(sounds, std::vector<int>{2});
    EXPECT_EQ(LiesBytes(liste), QByteArray());
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dvb")), b);
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dvc")), QByteArray());
    EXPECT_FALSE(QFile::exists(ordner.datei("Englisch.dvd")));

    // First pair into the empty list, the next by the "ok" label.
    w.show();
    Eingeben(w, "über", "over");
    w.txtVokabel->setText("€uro");
    w.txtBedeutung->setText("Grüße");
    Klick(w.lblok);
    // Enter in the word box goes on to the meaning box and saves nothing; Enter there saves.
    w.txtVokabel->setText("ß");
    QTest::keyClick(w.txtVokabel, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.txtBedeutung);
    EXPECT_EQ(w.txtVokabel->text(), "ß");
    EXPECT_FALSE(w.lblMeldung->isVisible());
    EXPECT_EQ(LiesBytes(liste), CpZeilen({"001#über#over#0#0#", "002#€uro#Grüße#0#0#"}));
    QTest::keyClicks(w.txtBedeutung, "sz");
    QTest::keyClick(w.txtBedeutung, Qt::Key_Return);
    EXPECT_EQ(LiesBytes(liste), CpZeilen({"001#über#over#0#0#", "002#€uro#Grüße#0#0#", "003#ß#sz#0#0#"}));
    EXPECT_EQ(w.focusWidget(), w.txtVokabel);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(EingabeTest, AnEmptyBoxAsksForBothAndKeepsWhatWasTyped)
{
    frmVokEingabe w(liste);
    w.show();
    for (auto [vokabel, bedeutung] : {std::pair{"house", ""}, std::pair{"", "Haus"}}) {
        w.lblMeldung->hide();
        Eingeben(w, vokabel, bedeutung);
        EXPECT_TRUE(w.lblMeldung->isVisible());
        EXPECT_EQ(w.lblMeldung->text(), frmVokEingabe::FuellMeldung());
        EXPECT_EQ(w.txtVokabel->text(), vokabel);
        EXPECT_EQ(w.txtBedeutung->text(), bedeutung);
        EXPECT_EQ(w.focusWidget(), *vokabel ? w.txtBedeutung : w.txtVokabel) << "the empty box";
    }
    EXPECT_EQ(LiesBytes(liste), QByteArray());

    // Blanks are a filled box.
    Eingeben(w, "  ", "Leerzeichen");
    EXPECT_EQ(LiesBytes(liste), CpZeilen({"001#  #Leerzeichen#0#0#"}));
}

TEST_F(EingabeTest, UnstorableCharactersAreRefusedAndTheTextsKept)
{
    SchreibeBytes(liste, CpZeilen({"001#a#b#0#0#"}));
    frmVokEingabe w(liste);
    w.show();
    const std::tuple<const char*, const char*, const char*> faelle[] = {
        {"C#", "Programmiersprache", "#"},
        {"house", "Haus#Heim", "#"},
        {"L\uE000tvija", "Lettland", "U+E000"},
        {"arrow", "Pfeil \u0378", "U+0378"},
    };
    for (auto [vokabel, bedeutung, zeichen] : faelle) {
        Eingeben(w, vokabel, bedeutung);
        EXPECT_TRUE(w.lblMeldung->isVisible()) << vokabel;
        EXPECT_NE(w.lblMeldung->text(), frmVokEingabe::FuellMeldung());
        EXPECT_TRUE(w.lblMeldung->text().contains(QString::fromUtf8(zeichen))) << vokabel;
        EXPECT_EQ(w.txtVokabel->text(), QString::fromUtf8(vokabel));
        EXPECT_EQ(w.txtBedeutung->text(), QString::fromUtf8(bedeutung));
    }
    EXPECT_EQ(LiesBytes(liste), CpZeilen({"001#a#b#0#0#"}));
    EXPECT_TRUE(meldungen.empty());
}

// A new list whose first pair is Russian gets the Russian letters under the boxes, and
// the message moves below them.
TEST_F(EingabeTest, TheCharacterBarComesWithTheListsLanguage)
{
    frmVokEingabe w(ordner.datei("Wörter.dva"));
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(w.leiste->isHidden());
    Eingeben(w, "дом", "Haus");
    ASSERT_FALSE(w.leiste->isHidden());
    EXPECT_EQ(w.leiste->zeichen().size(), 33);
    EXPECT_EQ(Ueberdeckt(w.leiste), QStringList());
    EXPECT_GT(w.lblMeldung->y(), w.leiste->geometry().bottom());
    EXPECT_GT(w.leiste->y(), w.txtBedeutung->geometry().bottom());
    w.txtVokabel->setFocus();
    QTest::keyClick(w.txtVokabel, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(w.txtVokabel->text(), QString::fromUtf8("б"));
}

TEST_F(EingabeTest, AListThatCannotBeWrittenReportsAndKeepsThePair)
{
    liste = ordner.datei("fehlt/Englisch.dva");
    frmVokEingabe w(liste);
    // Named by its cause, not as a failure to open.
    const QString ordnerFehlt = QString::fromUtf8("Den Ordner „%1“ gibt es nicht (mehr).").arg(ordner.datei("fehlt"));
    const Meldung anlegen{QString::fromUtf8("Die Liste „Englisch“ kann nicht angelegt werden. ") + ordnerFehlt, "Dateifehler"};
    EXPECT_EQ(meldungen, std::vector<Meldung>{anlegen}) << "on opening";

    w.show();
    Eingeben(w, "house", "Haus");
    const Meldung speichern{QString::fromUtf8("Die Vokabel wurde nicht gespeichert. ") + ordnerFehlt, "Dateifehler"};
    EXPECT_EQ(meldungen, (std::vector<Meldung>{anlegen, speichern}));
    EXPECT_EQ(w.txtVokabel->text(), "house");
    EXPECT_EQ(w.txtBedeutung->text(), "Haus");
    EXPECT_FALSE(QDir(ordner.datei("fehlt")).exists());
}

TEST_F(EingabeTest, AReadOnlyListReportsAndLosesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores file permissions";
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste, alt);
    QFile::setPermissions(liste, QFile::ReadOwner);
    {
        frmVokEingabe w(liste);
        w.show();
        Eingeben(w, "house", "Haus");
        EXPECT_EQ(w.txtVokabel->text(), "house");
        EXPECT_EQ(w.txtBedeutung->text(), "Haus");
    }
    QFile::setPermissions(liste, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(meldungen.empty());
    for (const Meldung& m : meldungen)
        EXPECT_EQ(m.titel, "Dateifehler");
    EXPECT_EQ(LiesBytes(liste), alt);
}

TEST_F(EingabeTest, AFullDiskIsNamedAndThePairKept)
{
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste, alt);
    frmVokEingabe w(liste);
    w.show();
    // The disk is full when the new content is written.
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) {
        if (s == ErsetzenSchritt::Schreiben)
            errno = ENOSPC;
        return s != ErsetzenSchritt::Schreiben;
    });
    Eingeben(w, "house", "Haus");
    SetzeErsetzenFehlerHook(nullptr);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Vokabel wurde nicht gespeichert. Der "
                                                                  "Datenträger ist voll."),
                                                "Dateifehler"}}));
    EXPECT_EQ(w.txtVokabel->text(), "house");
    EXPECT_EQ(w.txtBedeutung->text(), "Haus");
    EXPECT_EQ(LiesBytes(liste), alt);
}

TEST_F(EingabeTest, AWriteProtectedListIsReportedOnceAndTheWindowStaysShut)
{
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste, alt);
    SchreibeBytes(StufenDatei(liste, 'b'), alt);
    ASSERT_TRUE(QFile::setPermissions(StufenDatei(liste, 'b'), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        frmVokEingabe w(liste);
        QTimer::singleShot(1000, &w, [&w] {
            if (w.isVisible()) {
                ADD_FAILURE() << "the entry window opened";
                w.reject();
            }
        });
        EXPECT_EQ(w.exec(), QDialog::Rejected); // returns at once, nothing to type into
        w.show(); // shown anyway, a pair is still not written and not reported again
        Eingeben(w, "house", "Haus");
    }
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Liste „Englisch“ ist schreibgeschützt."),
                                                "Dateifehler"}}));
    EXPECT_EQ(LiesBytes(liste), alt);
    EXPECT_FALSE(QFile::exists(StufenDatei(liste, 'c'))) << "no sibling created";
}

TEST_F(EingabeTest, TheMessageGoesWithTheTimerThatRunsFromTheStart)
{
    frmVokEingabe w(liste);
    QElapsedTimer seit; // started after the timer, so it never under-counts its phase
    seit.start();
    w.show();
    EXPECT_TRUE(w.TimerMeldung.isActive());
    EXPECT_EQ(w.TimerMeldung.interval(), 3000);

    QTest::qWait(600);
    Eingeben(w, "", "");
    ASSERT_TRUE(w.lblMeldung->isVisible());
    // Showing the message does not restart the timer: it keeps its phase from the start
    // (a coarse timer may shift its tick by 5 %, 150 ms; a restart would show ~3000).
    EXPECT_LE(w.TimerMeldung.remainingTime(), 3000 - seit.elapsed() + 200);

    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.lblMeldung->isVisible(); }, 3500));
    EXPECT_FALSE(w.lblMeldung->isVisible());
    EXPECT_LT(seit.elapsed(), 3300) << "hidden by the first tick";
    EXPECT_TRUE(w.TimerMeldung.isActive());
}

TEST_F(EingabeTest, EndeSoundsTheFanfareAndTheFrameCloseDoesNot)
{
    const std::function<void(frmVokEingabe&)> wege[] = {
        [](frmVokEingabe& w) { Klick(w.lblEnde); },
        [](frmVokEingabe& w) { w.cmdEnde->click(); },
    };
    for (const auto& weg : wege) {
        frmVokEingabe w(liste);
        w.show();
        sounds.clear();
        weg(w);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(sounds, std::vector<int>{6});
    }
    frmVokEingabe w(liste);
    w.show();
    QTest::keyClick(w.txtVokabel, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible()) << "Escape is no way out";
    sounds.clear();
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(LiesBytes(liste), QByteArray());
}

TEST_F(EingabeTest, LabelsGrowSilentlyOnTheirOwnAndShrinkOverTheBackground)
{
    frmVokEingabe w(liste);
    w.show();
    sounds.clear();
    auto gross = [](const LabelButton* l) { return l->istFett() && l->punkt() == 14; };
    auto klein = [](const LabelButton* l) { return !l->istFett() && l->punkt() == 12; };

    MausUeber(w.lblok);
    EXPECT_TRUE(gross(w.lblok));
    EXPECT_TRUE(klein(w.lblEnde));
    MausUeber(w.lblEnde); // straight from one label to the other: both large
    EXPECT_TRUE(gross(w.lblok));
    EXPECT_TRUE(gross(w.lblEnde));
    EXPECT_TRUE(sounds.empty());

    MausUeber(w.imgbackground);
    EXPECT_TRUE(klein(w.lblok));
    EXPECT_TRUE(klein(w.lblEnde));
    MausUeber(w.lblEnde);
    EXPECT_TRUE(gross(w.lblEnde));
    EXPECT_TRUE(sounds.empty());
}

} // namespace
