// What the practice window has said after each answer: the foreign word of the checked
// pair in the list's voice, in every direction; "Anhören" and F5 say it again.
#include "ui/LabelButton.h"
#include "ui/modAussprache.h"
#include "lists/GewaehlteListe.h"
#include "lists/Listensprache.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "practice/frmVokUeben.h"
#include "common/UiHilfen.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

using Gesagt = std::vector<std::pair<QString, QString>>;

class UebenAussprache : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmVokUeben::LetzteZeile = 0;
        ZufallZuruecksetzen();
        liste = ordner.datei("Englisch Unit 3.dva");
        SchreibeBytes(liste, CpZeilen({"001#house#Haus#0#0#", "002#street#Straße#0#0#", "003#tree#Baum#0#0#"}));
        for (QChar b : {u'b', u'c', u'd'})
            SchreibeBytes(StufenDatei(liste, b), {});
        GewaehlteListe::Filename = liste;
        GewaehlteListe::FileNr = 1;
    }
    void TearDown() override
    {
        GewaehlteListe::Filename.clear();
        UiTest::TearDown();
    }
    QString liste;
};

void Antworten(frmVokUeben& w, bool richtig)
{
    w.txtBedeutung->setText(w.Sollantwort() + (richtig ? "" : "x"));
    QTest::keyClick(w.txtBedeutung, Qt::Key_Return);
}

TEST_F(UebenAussprache, TheCheckedPairsForeignWordIsSaidInEveryDirection)
{
    const struct { const char* zeile; int richtung; bool richtig; } faelle[] = {
        {"foreign shown, right", 2, true},  {"foreign shown, wrong", 2, false},
        {"German shown, right", 1, true},   {"German shown, wrong", 1, false},
        {"mixed, right", 3, true},          {"mixed, wrong", 3, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        frmVokUeben w;
        w.show();
        QAction* punkt = f.richtung == 1 ? w.mnuDeutsch : f.richtung == 2 ? w.mnuFremd : w.mnumisch;
        punkt->trigger();
        bool deutschGezeigt = false, fremdGezeigt = false;
        // Several answers, so that mixed asks both ways.
        for (int i = 0; i < 8; ++i) {
            gesprochen.clear();
            const QString fremd = w.Vokabel();
            (w.Vok ? fremdGezeigt : deutschGezeigt) = true;
            Antworten(w, f.richtig);
            EXPECT_EQ(gesprochen, (Gesagt{{fremd, "en"}}));
        }
        EXPECT_EQ(fremdGezeigt, f.richtung != 1);
        EXPECT_EQ(deutschGezeigt, f.richtung != 2);
    }
}

TEST_F(UebenAussprache, AnhoerenAndF5RepeatTheCheckedWordOnlyAfterACheck)
{
    ASSERT_TRUE(ListenspracheSetzen(liste, QStringLiteral("Latein")));
    frmVokUeben w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.lblAnhoeren->text(), QStringLiteral("Anhören"));
    // Before any answer there is nothing to repeat: the word asked for is not given away.
    Klick(w.lblAnhoeren);
    QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
    EXPECT_TRUE(gesprochen.empty());

    w.mnuDeutsch->trigger();
    const QString fremd = w.Vokabel();
    Antworten(w, false);
    Klick(w.lblAnhoeren);
    QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
    EXPECT_EQ(gesprochen, (Gesagt{{fremd, "la"}, {fremd, "la"}, {fremd, "la"}}));
    EXPECT_NE(w.Vokabel(), fremd) << "the next question is not the one said";

    // The label button is reached by the keyboard, last in the row.
    EXPECT_EQ(w.lblAnhoeren->focusPolicy(), Qt::TabFocus);
    w.lblok->setFocus();
    QTest::keyClick(w.lblok, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.lblAnhoeren);
    QTest::keyClick(w.lblAnhoeren, Qt::Key_Space);
    EXPECT_EQ(gesprochen.size(), 4u);
}

TEST_F(UebenAussprache, NothingIsSaidWithAusspracheAus)
{
    modAussprache::Ausspracheok = false;
    Module1::Soundok = true;
    frmVokUeben w;
    w.show();
    Antworten(w, true);
    Antworten(w, false);
    Klick(w.lblAnhoeren);
    QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
    EXPECT_TRUE(gesprochen.empty());
    EXPECT_EQ(sounds, (std::vector<int>{5, 3, 4})) << "Aussprache aus silenced the effects";
}

} // namespace
