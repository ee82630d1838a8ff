// Words from lists and imports are shown as typed: "<b>fett</b>" keeps its tags in every
// window that shows a word, a meaning or a sentence built from them, and the answer
// "<b>fett</b>" to it is right.
#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/frmMiniMeldung.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "entry/frmVokEingabe.h"
#include "lists/Zufall.h"
#include "lists/dlgFrage.h"
#include "practice/frmVokUeben.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <functional>
#include <memory>

using namespace lerno;
using namespace testhilfen;

namespace {

const QString Fett = QStringLiteral("<b>fett</b>");
constexpr int N = Testbewertung::Testzeilen;

// What a reader sees: a label's text as the accessibility layer reports it (rich text
// comes out without its tags there), a text box's shown text.
QString Sichtbar(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
        return a ? a->text(QAccessible::Name) : QString();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->displayText();
    return {};
}

class KlartextTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        dlgTestfolge::Fremdsprache = false; // the test asks the foreign word
        lerno::Uebung::LetzteZeile = 0;
        ZufallZuruecksetzen();
    }
    void TearDown() override
    {
        UiTest::TearDown();
    }

    // A test window whose row 0 is `zeile` and the others "wi" / "Wi".
    std::unique_ptr<frmVokTest> Testfenster(const QString& zeile)
    {
        auto t = std::make_unique<frmVokTest>();
        for (int i = 0; i < N; ++i)
            EXPECT_TRUE(modVokTest::TestzeileFuellen(*t, i, i == 0 ? zeile : QString("%1#w%1#W%1#0#0#").arg(i)));
        t->show();
        return t;
    }

    // A practice on a list whose every word and meaning is "<b>fett</b>".
    std::unique_ptr<frmVokUeben> Uebung()
    {
        const QString pfad = ordner.datei("Fett.dva");
        SchreibeBytes(pfad, CpZeilen({"001#<b>fett</b>#<b>fett</b>#0#0#", "002#<b>fett</b>#<b>fett</b>#0#0#"}));
        for (char b : {'b', 'c', 'd'})
            SchreibeBytes(pfad.chopped(1) + b, {});
        auto w = std::make_unique<frmVokUeben>(pfad, 1);
        w->show();
        return w;
    }
};

TEST_F(KlartextTest, EveryLabelThatShowsAWordShowsItsTags)
{
    // Each row opens its window, puts "<b>fett</b>" where a word reaches it and returns
    // the window and the widget showing it.
    using Oeffnen = std::function<std::pair<std::unique_ptr<QWidget>, QWidget*>()>;
    const struct { const char* zeile; Oeffnen oeffnen; } faelle[] = {
        {"test window: the word asked", [this] {
             auto w = Testfenster("001#<b>fett</b>#fat#0#0#");
             QWidget* l = w->lblVokabel[0];
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"test window: the solution of a wrong answer", [this] {
             auto w = Testfenster("001#fat#<b>fett</b>#0#0#");
             Klick(w->lblok);
             EXPECT_TRUE(w->lblLoesung[0]->isVisible());
             QWidget* l = w->lblLoesung[0];
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"test window: the result sentence", [this] {
             auto w = Testfenster("001#fat#<b>fett</b>#0#0#");
             Klick(w->lblok);
             w->lblNote->setText(Fett);
             QWidget* l = w->lblNote;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"test window: the message", [this] {
             auto w = Testfenster("001#fat#fett#0#0#");
             w->lblMeldung->setText(Fett);
             QWidget* l = w->lblMeldung;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"message window", [] {
             auto w = std::make_unique<frmMiniMeldung>();
             w->lblMeldung->setText(Fett);
             w->show();
             QWidget* l = w->lblMeldung;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"entry screen: the message", [this] {
             auto w = std::make_unique<frmVokEingabe>(ordner.datei("Englisch.dva"));
             w->show();
             w->lblMeldung->setText(Fett);
             w->lblMeldung->show();
             QWidget* l = w->lblMeldung;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"deletion question", [this] {
             auto w = std::make_unique<dlgFrage>(ordner.datei("Englisch.dva"));
             w->lblMeldung->setText(Fett);
             w->show();
             QWidget* l = w->lblMeldung;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"practice: the word asked", [this] {
             auto w = Uebung();
             QWidget* l = w->txtVokabel;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
        {"practice: the solution shown", [this] {
             auto w = Uebung();
             w->LoesungZeigen(Fett, Fett);
             QWidget* l = w->TxtLoesung;
             return std::pair<std::unique_ptr<QWidget>, QWidget*>(std::move(w), l);
         }},
    };
    for (const auto& f : faelle) {
        auto [fenster, zeigt] = f.oeffnen();
        ASSERT_NE(zeigt, nullptr) << f.zeile;
        EXPECT_EQ(Sichtbar(zeigt), Fett) << f.zeile;
        // And every other text the window shows is plain too: nothing that a word may
        // reach later can turn into markup.
        for (QLabel* l : fenster->findChildren<QLabel*>()) {
            if (!l->text().isEmpty())
                EXPECT_EQ(l->textFormat(), Qt::PlainText) << f.zeile << ": \"" << l->text().toStdString() << "\"";
        }
    }
}

// The message boxes quote words too (skipped import lines, refused characters).
TEST_F(KlartextTest, MessageBoxesShowTheirTextAsTyped)
{
    SetzeMeldungsBeobachter({}); // the real box
    QString gesehen;
    Qt::TextFormat format = Qt::AutoText;
    BeiModal([&](QWidget* m) {
        auto* box = Als<QMessageBox>(m);
        if (!box)
            return;
        format = box->textFormat();
        if (auto* l = box->findChild<QLabel*>("qt_msgbox_label"))
            gesehen = Sichtbar(l);
        box->accept();
    });
    MeldungZeigen(nullptr, "Zeile 3: " + Fett, "Vokabeln importieren");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(gesehen, "Zeile 3: " + Fett);
}

TEST_F(KlartextTest, TheAnswerWithTagsIsRightInTheTest)
{
    // Row 0 asks "fat" and expects "<b>fett</b>"; row 1 asks "<b>fett</b>" and gets its
    // meaning "fett" as the answer, which stays right; row 2 answers "fett" where
    // "<b>fett</b>" is expected, which is wrong and shows the solution with its tags.
    frmVokTest test;
    const QString zeilen[] = {"001#fat#<b>fett</b>#0#0#", "002#<b>fett</b>#fett#0#0#", "003#dick#<b>fett</b>#0#0#"};
    const QString antworten[] = {Fett, "fett", "fett"};
    for (int i = 0; i < N; ++i)
        ASSERT_TRUE(modVokTest::TestzeileFuellen(test, i, i < 3 ? zeilen[i] : QString("%1#w%1#W%1#0#0#").arg(i)));
    test.show();
    EXPECT_EQ(Sichtbar(test.lblVokabel[1]), Fett);
    for (int i = 0; i < N; ++i)
        QTest::keyClicks(test.txtEingabe[i], i < 3 ? antworten[i] : QString("W%1").arg(i));
    Klick(test.lblok);
    EXPECT_TRUE(test.imgok[0]->isVisible() && test.lblLoesung[0]->isHidden());
    EXPECT_TRUE(test.imgok[1]->isVisible() && test.lblLoesung[1]->isHidden());
    EXPECT_TRUE(test.imgBad[2]->isVisible() && test.lblLoesung[2]->isVisible());
    EXPECT_EQ(Sichtbar(test.lblLoesung[2]), Fett);
    EXPECT_EQ(test.lblNote->text(), "Du hast  19 Vokabeln richtig beantwortet,  1 Vokabeln waren "
                                    "falsch. Das entspricht einer Schulnote von  1.3");
}

TEST_F(KlartextTest, TheAnswerWithTagsIsRightInPractice)
{
    auto w = Uebung();
    EXPECT_EQ(w->Sollantwort(), Fett);
    w->txtBedeutung->setText(Fett);
    QTest::keyClick(w->txtBedeutung, Qt::Key_Return);
    EXPECT_TRUE(w->lblRichtig->isVisible());
    EXPECT_FALSE(w->lblFalsch->isVisible());
}

} // namespace
