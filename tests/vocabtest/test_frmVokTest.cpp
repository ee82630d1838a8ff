// The test screen and the direction dialog: grading on screen, the keys, the hover rules.
#include "app/LabelButton.h"
#include "app/PictureControl.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

constexpr int N = modVokTest::Testzeilen;

class TestFensterTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmStart::Soundok = true;
        dlgTestfolge::Fremdsprache = false;
        // Row i asks "wi" and expects "Wi".
        for (int i = 0; i < N; ++i)
            ASSERT_TRUE(modVokTest::TestzeileFuellen(
                test, i, QStringLiteral("%1#w%2#W%2#0#0#").arg(i + 1, 3, 10, QChar('0')).arg(i)));
        test.show();
        QApplication::setActiveWindow(&test);
    }

    frmVokTest test;
};

TEST_F(TestFensterTest, OkMarksEachRowShowsTheSentenceAndSwapsTheButtons)
{
    // 15 right; then a case difference, a trailing blank and three empty boxes.
    for (int i = 0; i < 15; ++i)
        QTest::keyClicks(test.txtEingabe[i], QStringLiteral("W%1").arg(i));
    QTest::keyClicks(test.txtEingabe[15], "w15");
    QTest::keyClicks(test.txtEingabe[16], "W16 ");
    for (int i = 0; i < N; ++i) {
        EXPECT_FALSE(test.imgok[i]->isVisible());
        EXPECT_FALSE(test.imgBad[i]->isVisible());
        EXPECT_FALSE(test.lblLoesung[i]->isVisible());
    }
    EXPECT_TRUE(test.lblMeldung->isVisible());
    EXPECT_FALSE(test.lblNote->isVisible());
    EXPECT_FALSE(test.lblFertig->isVisible());

    Klick(test.lblok);
    for (int i = 0; i < N; ++i) {
        const bool richtig = i < 15;
        EXPECT_EQ(test.imgok[i]->isVisible(), richtig) << i;
        EXPECT_EQ(test.imgBad[i]->isVisible(), !richtig) << i;
        EXPECT_EQ(test.lblLoesung[i]->isVisible(), !richtig) << i;
        EXPECT_EQ(test.lblLoesung[i]->text(), QStringLiteral("W%1").arg(i));
    }
    EXPECT_EQ(test.txtEingabe[16]->text(), "W16 ") << "answers stay in their boxes";
    EXPECT_FALSE(test.lblok->isVisible());
    EXPECT_FALSE(test.lblMeldung->isVisible());
    EXPECT_TRUE(test.lblFertig->isVisible());
    EXPECT_TRUE(test.lblcancler->isVisible());
    EXPECT_TRUE(test.lblNote->isVisible());
    EXPECT_EQ(test.lblNote->text(), "Du hast  15 Vokabeln richtig beantwortet,  5 Vokabeln waren "
                                    "falsch. Das entspricht einer Schulnote von  2.9");
    EXPECT_EQ(sounds, std::vector<int>{1});

    Klick(test.lblFertig);
    EXPECT_FALSE(test.isVisible());
    EXPECT_EQ(sounds, std::vector<int>{1});
}

TEST_F(TestFensterTest, TabAndEnterWalkTheRowsAndEnterNeverGrades)
{
    EXPECT_EQ(test.lblMeldung->text(),
              QString::fromUtf8("Fülle die Textfelder aus. Mit der Tab-Taste kannst du zum nächsten "
                                "Eingabefeld springen.Klicke auf ok wenn du fertig bist"));
    test.txtEingabe[0]->setFocus();
    for (int i = 1; i < N; ++i) {
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Tab : Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), test.txtEingabe[i]) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), test.txtEingabe[0]);
    EXPECT_TRUE(test.lblok->isVisible());
    EXPECT_FALSE(test.lblNote->isVisible());
    EXPECT_TRUE(test.isVisible());
    EXPECT_TRUE(sounds.empty());
}

TEST_F(TestFensterTest, HoverRulesOfTheTestScreenAndTheDirectionDialog)
{
    Klick(test.lblok); // shows "Fertig"
    sounds.clear();
    const struct { LabelButton* l; bool fettDanach; } faelle[] = {
        {test.lblFertig, true}, {test.lblcancler, false}};
    for (const auto& f : faelle) {
        MausUeber(test.imgBackground);
        MausUeber(f.l);
        EXPECT_TRUE(f.l->istFett());
        EXPECT_EQ(f.l->punkt(), 14);
        MausUeber(test.imgBackground);
        EXPECT_EQ(f.l->punkt(), 12);
        EXPECT_EQ(f.l->istFett(), f.fettDanach) << f.l->text().toStdString();
    }

    dlgTestfolge folge;
    for (LabelButton* l : {folge.lblFremdsprache, folge.LblDeutsch})
        EXPECT_TRUE(l->istFett() && l->punkt() == 12) << "designed bold";
    MausUeber(folge.hintergrund);
    for (LabelButton* l : {folge.lblFremdsprache, folge.LblDeutsch})
        EXPECT_FALSE(l->istFett());
    MausUeber(folge.LblDeutsch);
    EXPECT_EQ(folge.LblDeutsch->punkt(), 14);
    MausUeber(folge.lblFremdsprache); // straight from one label to the other
    EXPECT_FALSE(folge.lblFremdsprache->istFett());
    EXPECT_TRUE(sounds.empty()) << "no hover sound in these windows";
}

} // namespace
