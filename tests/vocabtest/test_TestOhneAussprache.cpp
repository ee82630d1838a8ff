// The 20-word test never speaks: hearing the word would give the answers away.
#include "ui/LabelButton.h"
#include "common/UiHilfen.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

class TestOhneAussprache : public UiTest {};

TEST_F(TestOhneAussprache, NeitherAnswersNorF5NorTheResultSaySomething)
{
    frmVokTest test;
    for (int i = 0; i < Testbewertung::Testzeilen; ++i)
        ASSERT_TRUE(modVokTest::TestzeileFuellen(test, i, QString("%1#w%1#W%1#0#0#").arg(i + 1)));
    test.show();
    for (int i = 0; i < Testbewertung::Testzeilen; ++i) {
        QTest::keyClicks(test.txtEingabe[i], i % 2 ? QString("W%1").arg(i + 1) : QString("falsch"));
        QTest::keyClick(test.txtEingabe[i], Qt::Key_F5);
    }
    Klick(test.lblok);
    QTest::keyClick(&test, Qt::Key_F5);
    for (LabelButton* l : test.findChildren<LabelButton*>())
        EXPECT_FALSE(l->text().contains(QStringLiteral("Anhören")));
    EXPECT_TRUE(gesprochen.empty());
}

} // namespace
