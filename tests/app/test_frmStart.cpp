// The start screen: hover rule, menu, sound switch, first-start set-up of the list folder.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Twips.h"
#include "app/frmIntro.h"
#include "app/frmStart.h"
#include "learning/Klassenarbeit.h"
#include "practice/frmVokUeben.h"
#include "ui/frmMiniMeldung.h"
#include "common/UiHilfen.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

class StartTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmStart::Programmende = [this] { ++programmEnden; };
    }
    void TearDown() override
    {
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    int programmEnden = 0;
};

bool Vergroessert(const LabelButton* l) { return l->istFett() && l->punkt() == 14; }
bool Normal(const LabelButton* l) { return !l->istFett() && l->punkt() == 12; }

TEST_F(StartTest, HoverEnlargesOneLabelPerVisitFromTheBackground)
{
    frmStart start;
    start.show();

    // Pointer crosses the background first, then one label: sound 2 once, 14 pt bold.
    MausUeber(start.ImgBackground);
    MausUeber(start.lblUeben1);
    MausUeber(start.lblUeben1);
    EXPECT_EQ(sounds, std::vector<int>{2});
    EXPECT_TRUE(Vergroessert(start.lblUeben1));

    // Straight onto the next label without crossing the background: it stays small.
    MausUeber(start.lblUeben2);
    EXPECT_TRUE(Normal(start.lblUeben2));
    EXPECT_EQ(sounds.size(), 1u);

    // Back over the background: the enlarged one shrinks, the next visit sounds again.
    MausUeber(start.ImgBackground);
    for (const LabelButton* l : start.labels())
        EXPECT_TRUE(Normal(l)) << l->text().toStdString();
    MausUeber(start.lblEnde);
    EXPECT_EQ(sounds, (std::vector<int>{2, 2}));
    int gross = 0;
    for (const LabelButton* l : start.labels())
        gross += l->istFett();
    EXPECT_EQ(gross, 1);
}

// The window fits a screen too small for its design (a high scale): the labels move closer
// together, each whole inside the window, also enlarged, and none on another; where the
// design fits they keep their places.
TEST_F(StartTest, EveryLabelStaysWholeInASmallWindowAndInPlaceInALargeOne)
{
    frmStart start;
    start.show();
    const int menue = start.height() - start.centralWidget()->height();
    const struct { const char* name; QSize flaeche; bool anOrt; } faelle[] = {
        {"designed", {Px(12315), Px(8475)}, true},
        {"2x on 1280x1024", {624, 432}, false},
        {"small", {480, 330}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        start.resize(f.flaeche + QSize(0, menue));
        QTest::qWait(20);
        const QRect flaeche = start.centralWidget()->rect();
        ASSERT_EQ(flaeche.size(), f.flaeche);
        const auto labels = start.labels();
        for (size_t i = 0; i < labels.size(); ++i) {
            LabelButton* l = labels[i];
            EXPECT_TRUE(flaeche.contains(l->geometry())) << l->text().toStdString();
            l->vergroessern();
            EXPECT_TRUE(flaeche.contains(l->geometry())) << l->text().toStdString() << " enlarged";
            l->zuruecksetzenWennFett();
            for (size_t k = i + 1; k < labels.size(); ++k)
                EXPECT_FALSE(l->geometry().intersects(labels[k]->geometry())) << i << "," << k;
        }
        EXPECT_EQ(start.lblEingabe->entwurf().topLeft() == QPoint(Px(360), Px(840)), f.anOrt);
        EXPECT_EQ(start.lblEnde->entwurf().topLeft() == QPoint(Px(7440), Px(7800)), f.anOrt);
    }
}

TEST_F(StartTest, HoverIsSilentWithSoundOff)
{
    frmStart start;
    start.mnuSoundaus->trigger();
    MausUeber(start.ImgBackground);
    MausUeber(start.lblTest);
    EXPECT_TRUE(Vergroessert(start.lblTest));
    EXPECT_TRUE(sounds.empty());
    start.mnuSoundan->trigger();
}

TEST_F(StartTest, SoundMenuKeepsExactlyOneCheckMark)
{
    frmStart start;
    EXPECT_TRUE(Module1::Soundok);
    EXPECT_TRUE(start.mnuSoundan->isChecked());
    EXPECT_FALSE(start.mnuSoundaus->isChecked());

    start.mnuSoundaus->trigger();
    EXPECT_FALSE(Module1::Soundok);
    EXPECT_FALSE(start.mnuSoundan->isChecked());
    EXPECT_TRUE(start.mnuSoundaus->isChecked());

    start.mnuSoundan->trigger();
    start.mnuSoundan->trigger(); // choosing it again changes nothing
    EXPECT_TRUE(Module1::Soundok);
    EXPECT_TRUE(start.mnuSoundan->isChecked());
    EXPECT_FALSE(start.mnuSoundaus->isChecked());
    EXPECT_TRUE(sounds.empty()) << "the switch itself plays nothing";
}

TEST_F(StartTest, EndingThroughLabelOrMenuPlaysTheFanfareOnlyWithSoundOn)
{
    frmStart start;
    Klick(start.lblEnde);
    start.mnuEnde->trigger();
    EXPECT_EQ(programmEnden, 2);
    EXPECT_EQ(sounds, (std::vector<int>{6, 6}));

    start.mnuSoundaus->trigger();
    start.mnuEnde->trigger();
    EXPECT_EQ(programmEnden, 3);
    EXPECT_EQ(sounds.size(), 2u);
    start.mnuSoundan->trigger();
}

TEST_F(StartTest, MenuCaptionsCarryTheirAccessKeys)
{
    frmStart start;
    EXPECT_EQ(start.mnuDatei->title(), "&Datei");
    EXPECT_EQ(start.mnuVokUeb->title(), QString::fromUtf8("Vokabeln &Üben"));
    EXPECT_EQ(start.mnuUebe1->text(), QString::fromUtf8("Vokabeln üben &1"));
    EXPECT_EQ(start.mnuDelFiles->text(), QString::fromUtf8("Vokabeln &löschen"));
    EXPECT_EQ(start.mnuVokTest->text(), "Vokabel &Test");
    EXPECT_EQ(start.mnuEnde->text(), "&Programm beenden");
    EXPECT_EQ(start.mnuSoundaus->text(), "Sound a&us");
    EXPECT_EQ(start.mnuIntro->text(), QString::fromUtf8("&Über das Programm"));
    EXPECT_EQ(start.windowTitle(), "Lerno language");
}

TEST_F(StartTest, IntroFromTheMenuIsModalAndClosesWithApplause)
{
    frmStart start;
    start.show();
    bool gesehen = false;
    BeiModal([&](QWidget* w) {
        auto* intro = Als<frmIntro>(w);
        gesehen = intro != nullptr;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    start.mnuIntro->trigger();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(sounds, std::vector<int>{1});
}

// The line about today's words comes after the first paint, is worked out again when the
// start screen is active again, overlaps no label, and starts "Heute üben" by click or Alt+H.
TEST_F(StartTest, TheLineAboutTodayComesAfterTheFirstPaintAndStartsHeuteUeben)
{
    frmStart start;
    EXPECT_TRUE(start.lblHeute->isHidden()) << "nothing of it before the first paint";
    start.show();
    QApplication::setActiveWindow(&start);
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.lblHeute->isVisible(); }, 5000));
    EXPECT_EQ(start.lblHeute->text(), QString::fromUtf8("Heute ist nichts fällig."));
    QString meldung;
    BeiModalVom<frmMiniMeldung>([&](frmMiniMeldung* m) {
        meldung = m->lblMeldung->text();
        m->close();
    });
    Klick(start.lblHeute);
    EXPECT_EQ(meldung, QString::fromUtf8("Heute ist nichts fällig."));

    // A class test in four days: after another window, the line has the list's new words.
    const QString unit3 = QDir::current().filePath("Unit 3.dva");
    SchreibeBytes(unit3, CpZeilen({"001#a#A#0#0#", "002#b#B#0#0#", "003#c#C#0#0#"}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(unit3, {QDate::currentDate().addDays(4), 20}));
    QWidget anderes;
    anderes.show();
    QApplication::setActiveWindow(&anderes);
    QApplication::setActiveWindow(&start);
    const QString zeile = QString::fromUtf8("Heute: 3 Wörter – Klassenarbeit „Unit 3“ in 4 Tagen");
    EXPECT_TRUE(QTest::qWaitFor([&] { return start.lblHeute->text() == zeile; }, 5000)) << start.lblHeute->text().toStdString();
    for (bool fett : {false, true}) {
        start.lblHeute->setSchrift(fett ? 14 : 12, fett);
        for (const LabelButton* l : start.labels())
            EXPECT_FALSE(l->geometry().intersects(start.lblHeute->geometry())) << l->text().toStdString();
    }
    int offen = 0;
    for (int mal = 0; mal < 2; ++mal) {
        BeiModalVom<frmVokUeben>([&](frmVokUeben* u) {
            EXPECT_EQ(u->windowTitle(), QString::fromUtf8("Heute üben"));
            offen += u->Sitzung().Offen();
            u->close();
        });
        if (mal == 0)
            start.mnuHeute->trigger();
        else {
            QApplication::setActiveWindow(&start);
            QTest::keyClick(&start, Qt::Key_H, Qt::AltModifier);
        }
    }
    EXPECT_EQ(offen, 6);
}

TEST_F(StartTest, FirstStartMovesTheDemoListAndLaterStartsTouchNothing)
{
    const QByteArray a = CpZeilen({"001#the house#das Haus#0#0#", "002#the street#die Straße#2#0#"});
    const QByteArray b = CpZeilen({"002#the street#die Straße#2#0#"});
    SchreibeBytes(ordner.datei("Demo.dva"), a);
    SchreibeBytes(ordner.datei("Demo.dvb"), b);
    SchreibeBytes(ordner.datei("Demo.dvc"), QByteArray());
    {
        frmStart start;
        EXPECT_TRUE(start.bereit());
    }
    EXPECT_EQ(QDir::current().absolutePath(), QDir(ordner.datei("Vokabeln")).absolutePath());
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Demo.dva")), a);
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Demo.dvb")), b);
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Demo.dvc")), QByteArray());
    for (const char* n : {"Demo.dva", "Demo.dvb", "Demo.dvc"})
        EXPECT_FALSE(QFile::exists(ordner.datei(n))) << n;

    // A demo file put back into the program folder stays where it is; the list is untouched.
    SchreibeBytes(ordner.datei("Vokabeln/Demo.dva"), CpZeilen({"001#x#y#0#0#"}));
    SchreibeBytes(ordner.datei("Demo.dva"), a);
    {
        frmStart start;
        EXPECT_TRUE(start.bereit());
    }
    EXPECT_TRUE(QFile::exists(ordner.datei("Demo.dva")));
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Demo.dva")), CpZeilen({"001#x#y#0#0#"}));
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(StartTest, MissingDemoSourcesAreSkippedSilently)
{
    frmStart start;
    EXPECT_TRUE(start.bereit());
    EXPECT_TRUE(QDir(ordner.datei("Vokabeln")).exists());
    EXPECT_TRUE(QDir(ordner.datei("Vokabeln")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(StartTest, AListFolderThatCannotBeCreatedEndsTheStartWithAMessage)
{
    // A plain file where the folder should be: creating it fails, even for root.
    SchreibeBytes(ordner.datei("Vokabeln"), "kein Ordner");
    frmStart start;
    EXPECT_FALSE(start.bereit());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].titel, "Ordnerfehler");
    EXPECT_TRUE(meldungen[0].text.contains("Vokabeln"));
}

} // namespace
