// The intro window's ticker and closing rules.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "app/frmIntro.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"

#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

class IntroTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
    }
};

TEST_F(IntroTest, StartsBelowTheWindowWithOkHidden)
{
    frmIntro intro;
    intro.TimerLaufband.stop();
    EXPECT_EQ(intro.lbl1Top(), 8145);
    EXPECT_TRUE(intro.lblok->isHidden());
    EXPECT_EQ(intro.Durchlauf(), 0);
}

TEST_F(IntroTest, PassEndsExactlyWhenTopReachesMinusHeight)
{
    frmIntro intro;
    intro.TimerLaufband.stop();
    const int h = intro.lbl1Hoehe();

    intro.setzeLbl1Top(-h + 31);
    intro.TimerLaufband_Timer(); // now -h + 1: still inside the pass
    EXPECT_EQ(intro.lbl1Top(), -h + 1);
    EXPECT_EQ(intro.Durchlauf(), 0);
    EXPECT_TRUE(sounds.empty());
    EXPECT_TRUE(intro.lblok->isHidden());

    intro.setzeLbl1Top(-h + 30);
    intro.TimerLaufband_Timer(); // exactly -h: the pass ends
    EXPECT_EQ(intro.Durchlauf(), 1);
    EXPECT_EQ(sounds, std::vector<int>{1});
    EXPECT_FALSE(intro.lblok->isHidden());
    EXPECT_EQ(intro.lbl1Top(), 8145) << "the next pass starts from below";
}

TEST_F(IntroTest, OnePassTakesTheWholeDistanceInThirtyTwipSteps)
{
    frmIntro intro;
    intro.TimerLaufband.stop();
    const int schritte = (8145 + intro.lbl1Hoehe() + 29) / 30;
    for (int i = 0; i < schritte - 1; ++i)
        intro.TimerLaufband_Timer();
    EXPECT_EQ(intro.Durchlauf(), 0);
    intro.TimerLaufband_Timer();
    EXPECT_EQ(intro.Durchlauf(), 1);
}

TEST_F(IntroTest, EscapeClosesWithApplauseOtherKeysDoNothing)
{
    frmIntro intro;
    intro.show();
    QTest::keyClick(&intro, Qt::Key_Return);
    QTest::keyClick(&intro, Qt::Key_A);
    EXPECT_TRUE(intro.isVisible());
    QTest::keyClick(&intro, Qt::Key_Escape);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_EQ(sounds, std::vector<int>{1});
}

TEST_F(IntroTest, NoApplauseWithSoundOff)
{
    Module1::Soundok = false;
    frmIntro intro;
    intro.TimerLaufband.stop();
    intro.show();
    intro.setzeLbl1Top(-intro.lbl1Hoehe() + 30);
    intro.TimerLaufband_Timer();
    QTest::keyClick(&intro, Qt::Key_Escape);
    EXPECT_TRUE(sounds.empty());
    Module1::Soundok = true;
}

TEST_F(IntroTest, OkHoverAndBackgroundReset)
{
    frmIntro intro;
    intro.TimerLaufband.stop();
    intro.setzeLbl1Top(-intro.lbl1Hoehe());
    intro.TimerLaufband_Timer();
    MausUeber(intro.imgBackground);
    MausUeber(intro.lblok);
    EXPECT_TRUE(intro.lblok->istFett());
    EXPECT_EQ(intro.lblok->punkt(), 14);
    MausUeber(intro.imgBackground);
    EXPECT_FALSE(intro.lblok->istFett());
    EXPECT_EQ(intro.lblok->punkt(), 12);
    // applause for the pass only; hovering is silent
    EXPECT_EQ(sounds, std::vector<int>{1});
}

} // namespace
