// Starting a practice: the chooser, the siblings it creates, the too-short message,
// and the way in from the start screen.
#include "ui/LabelButton.h"
#include "ui/frmMiniMeldung.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "practice/frmVokUeben.h"
#include "practice/modvokueb.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

const QString Titel = QString::fromUtf8("Welche Vokabeln möchtest du üben ?");
const QStringList Vier{"Englisch.dva", "Englisch.dvb", "Englisch.dvc", "Englisch.dvd"};

// Counts the tests: a wait left over from an earlier test ends silently.
int testLauf = 0;

// Like BeiModal, but waits for a modal window that is no chooser: the practice window
// may be built where the destroyed chooser lay, so comparing addresses would miss it.
void NachDerWahl(std::function<void(QWidget*)> aktion)
{
    const int lauf = testLauf;
    testhilfen::detail::Warten(
        [=] {
            if (lauf != testLauf)
                return true;
            QWidget* m = QApplication::activeModalWidget();
            if (!m || !m->isVisible() || qobject_cast<dlgFilewahl*>(m))
                return false;
            aktion(m);
            return true;
        },
        [] { ADD_FAILURE() << "no window after the chooser"; }, 5000);
}

class UebenStartenTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        Uebung::LetzteZeile = 0;
        ZufallZuruecksetzen();
        // The chooser lists the current folder.
        QDir::setCurrent(ordner.pfad());
    }
    void TearDown() override
    {
        ++testLauf;
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }

    // Starts as the start screen does: stage first, then the module.
    void Starten(qint16 stufe)
    {
        modvokueb::UebenStarten(stufe, nullptr);
    }

    QStringList Dateien(const QString& unter = {}) const
    {
        return QDir(ordner.datei(unter)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Drives the chooser: checks what it offers, then takes the first entry with its
    // ok label; `danach` handles the window that follows it.
    void WaehleErsteListe(const QString& muster, const QString& erwartet,
                          std::function<void(QWidget*)> danach = {})
    {
        BeiModal([=, this](QWidget* w) {
            auto* wahl = Als<dlgFilewahl>(w);
            if (!wahl) {
                w->close();
                return;
            }
            gesehenerTitel = wahl->windowTitle();
            EXPECT_EQ(wahl->muster(), muster);
            EXPECT_EQ(wahl->cboFilename->currentText(), erwartet);
            if (danach)
                NachDerWahl(danach);
            Klick(wahl->lblok);
        });
    }

    QString gesehenerTitel;
    bool vorhandeneGezeigt = false;
};

TEST_F(UebenStartenTest, CancellingTheChooserTouchesNothing)
{
    SchreibeBytes(ordner.datei("Englisch.dva"), CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#"}));
    for (bool ueberLabel : {true, false}) {
        BeiModal([&](QWidget* w) {
            auto* wahl = Als<dlgFilewahl>(w);
            gesehenerTitel = w->windowTitle();
            // An existing list is asked for: the list of names, not the new-name box.
            vorhandeneGezeigt = wahl && wahl->cboFilename->isVisibleTo(wahl) && !wahl->txtNewFile->isVisibleTo(wahl);
            if (wahl && ueberLabel)
                Klick(wahl->lblCancle);
            else
                w->close();
        });
        Starten(1);
        EXPECT_EQ(gesehenerTitel, Titel);
        EXPECT_TRUE(vorhandeneGezeigt);
        EXPECT_EQ(Dateien(), QStringList{"Englisch.dva"});
        EXPECT_TRUE(meldungen.empty());
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 0) << "no practice window";
    }
}

TEST_F(UebenStartenTest, ListsShorterThanTwoLinesGetTheShortMessage)
{
    for (const QByteArray& inhalt : {QByteArray(), CpZeilen({"001#a#A#0#0#"})}) {
        for (const QString& n : Dateien())
            QFile::remove(ordner.datei(n));
        SchreibeBytes(ordner.datei("Englisch.dva"), inhalt);
        QString text;
        bool mini = false;
        WaehleErsteListe("*.dva", "Englisch.dva", [&](QWidget* w) {
            auto* m = qobject_cast<frmMiniMeldung*>(w);
            mini = m != nullptr;
            if (m) {
                text = m->lblMeldung->text();
                Klick(m->lblok);
            } else {
                ADD_FAILURE() << w->metaObject()->className();
                w->close();
            }
        });
        Starten(1);
        EXPECT_TRUE(mini) << inhalt.size();
        EXPECT_EQ(text, " Weniger als 2 Vokabeln ");
        EXPECT_EQ(Dateien(), Vier);
        EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dva")), inhalt);
        for (const char* n : {"Englisch.dvb", "Englisch.dvc", "Englisch.dvd"})
            EXPECT_EQ(LiesBytes(ordner.datei(n)), QByteArray()) << n;
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 0);
    }
}

TEST_F(UebenStartenTest, TwoLinesOpenThePracticeAndEndeLeavesNoScratchFile)
{
    const QByteArray liste = CpZeilen({"001#a#A#1#0#", "002#b#B#0#0#"});
    SchreibeBytes(ordner.datei("Englisch.dva"), liste);
    SchreibeBytes(ordner.datei("Aaa.dvb"), {}); // another stage's list is not offered
    SchreibeBytes(ordner.datei("Zulu.dva"), liste);
    int zeilen = 0;
    QString liste_;
    WaehleErsteListe("*.dva", "Englisch.dva", [&](QWidget* w) {
        auto* u = Als<frmVokUeben>(w);
        if (!u) {
            w->close();
            return;
        }
        zeilen = u->Zeilenzahl();
        liste_ = u->Liste();
        EXPECT_EQ(u->Stufe(), 1);
        EXPECT_TRUE(u->txtBedeutung->text().isEmpty());
        EXPECT_EQ(u->txtVokabel->text(), u->Vokabel());
        // One miss on line 1 brings it to 2: it goes to the .dvb at the end.
        for (int i = 0; i < 20 && u->AktZeile() != 1; ++i) {
            u->txtBedeutung->setText(u->Sollantwort());
            Klick(u->lblok);
        }
        ASSERT_EQ(u->AktZeile(), 1);
        u->txtBedeutung->setText("falsch");
        Klick(u->lblok);
        Klick(u->lblEnde);
    });
    Starten(1);
    EXPECT_EQ(zeilen, 2);
    EXPECT_EQ(liste_, QDir::currentPath() + "/Englisch.dva");
    EXPECT_EQ(sounds.front(), 2) << "the chooser's ok";
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 1);
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_EQ(Dateien(), (QStringList{"Aaa.dvb", "Englisch.dva", "Englisch.dvb", "Englisch.dvc",
                                      "Englisch.dvg", "Zulu.dva"}));
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dva")), CpZeilen({"001#a#A#2#0#", "002#b#B#0#0#"}));
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dvb")), CpZeilen({"001#a#A#2#0#"}));
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(UebenStartenTest, ASiblingThatCannotBeCreatedIsReportedAndNothingStarts)
{
    SchreibeBytes(ordner.datei("Englisch.dva"), CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#"}));
    ASSERT_TRUE(QDir(ordner.pfad()).mkdir("Englisch.dvc")); // a folder where the file belongs
    WaehleErsteListe("*.dva", "Englisch.dva", [](QWidget* w) {
        ADD_FAILURE() << "unexpected window " << w->metaObject()->className();
        w->close();
    });
    Starten(1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], (Meldung{QString::fromUtf8("Fehler beim öffnen der Datei"), "Dateifehler"}));
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 0);
}

TEST_F(UebenStartenTest, AWriteProtectedListIsReportedOnceAndNotPractised)
{
    const QByteArray alt = CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#"});
    SchreibeBytes(ordner.datei("Englisch.dva"), alt);
    ASSERT_TRUE(QFile::setPermissions(ordner.datei("Englisch.dva"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    WaehleErsteListe("*.dva", "Englisch.dva", [](QWidget* w) {
        ADD_FAILURE() << "unexpected window " << w->metaObject()->className();
        w->close();
    });
    Starten(1);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Liste „Englisch“ ist schreibgeschützt."),
                                                "Dateifehler"}}));
    EXPECT_EQ(Dateien(), QStringList{"Englisch.dva"}) << "no sibling created";
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dva")), alt);
}

TEST_F(UebenStartenTest, AListThatCannotBeReadIsReported)
{
    // A listed file whose read fails: the kernel refuses to read a process's own memory at 0.
    if (!QFile::link("/proc/self/mem", ordner.datei("Englisch.dva")))
        GTEST_SKIP() << "no symbolic link";
    {
        QFile f(ordner.datei("Englisch.dva"));
        char c;
        if (!f.open(QIODevice::ReadOnly) || f.read(&c, 1) >= 0)
            GTEST_SKIP() << "the file reads here";
    }
    WaehleErsteListe("*.dva", "Englisch.dva");
    Starten(1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], (Meldung{QString::fromUtf8("Fehler beim öffnen der Datei"), "Dateifehler"}));
    EXPECT_EQ(Dateien(), QStringList{"Englisch.dva"}) << "no siblings after a read error";
}

// A stage list without its main list (a deletion cut short) is no list: stage 2 does not
// offer it, and nothing brings the deleted list back.
TEST_F(UebenStartenTest, AStageTwoListWithoutItsMainListIsNotOffered)
{
    const QByteArray dvb = CpZeilen({"001#a#A#3#0#", "002#b#B#2#0#", "003#c#C#2#0#"});
    SchreibeBytes(ordner.datei("X.dvb"), dvb);
    bool geoeffnet = false;
    WaehleErsteListe("*.dvb", "", [&](QWidget* w) {
        geoeffnet = Als<frmVokUeben>(w) != nullptr;
        w->close();
    });
    Starten(2);
    EXPECT_FALSE(geoeffnet);
    EXPECT_EQ(Dateien(), (QStringList{"X.dvb"}));
    EXPECT_EQ(LiesBytes(ordner.datei("X.dvb")), dvb);
}

TEST_F(UebenStartenTest, TheStartScreenMenuStartsStageOne)
{
    frmStart::Programmende = [] {};
    frmStart start; // makes <program folder>/Vokabeln the current folder
    start.show();
    ASSERT_TRUE(start.bereit());
    SchreibeBytes(ordner.datei("Vokabeln/Englisch.dva"), CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#"}));
    SchreibeBytes(ordner.datei("Vokabeln/Englisch.dvc"), CpZeilen({"009#z#Z#5#0#"}));
    bool geoeffnet = false;
    WaehleErsteListe("*.dva", "Englisch.dva", [&](QWidget* w) {
        auto* u = Als<frmVokUeben>(w);
        geoeffnet = u != nullptr;
        if (u)
            EXPECT_EQ(u->Stufe(), 1);
        if (u)
            Klick(u->lblEnde);
        else
            w->close();
    });
    start.mnuUebe1->trigger();
    EXPECT_TRUE(geoeffnet);
    EXPECT_EQ(gesehenerTitel, Titel);
    EXPECT_EQ(Dateien("Vokabeln"), (QStringList{"Englisch.dva", "Englisch.dvb", "Englisch.dvc"}));
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Englisch.dvc")), CpZeilen({"009#z#Z#5#0#"}));
}

} // namespace
