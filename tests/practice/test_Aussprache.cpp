// What the practice window says: the foreign word on the screen, after an answer and on
// "Anhören" or F5, whose button is disabled while no foreign word shows; the list's voice
// in every stage; a list without a language says once where to set one.
#include "ui/LabelButton.h"
#include "ui/modAussprache.h"
#include "lists/Listensprache.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"
#include "practice/frmVokUeben.h"
#include "common/UiHilfen.h"

#include <QAction>
#include <QFile>
#include <QLabel>
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
        Uebung::LetzteZeile = 0;
        ZufallZuruecksetzen();
        liste = ordner.datei("Englisch Unit 3.dva");
        SchreibeBytes(liste, CpZeilen({"001#house#Haus#0#0#", "002#street#Straße#0#0#", "003#tree#Baum#0#0#"}));
        for (QChar b : {u'b', u'c', u'd'})
            SchreibeBytes(StufenDatei(liste, b), {});
    }
    QString liste;
};

void Antworten(frmVokUeben& w, bool richtig)
{
    w.txtBedeutung->setText(w.Sollantwort() + (richtig ? "" : "x"));
    QTest::keyClick(w.txtBedeutung, Qt::Key_Return);
}

Gesagt Wort(const QString& w) { return w.isEmpty() ? Gesagt{} : Gesagt{{w, "en"}}; }

TEST_F(UebenAussprache, TheForeignWordOnTheScreenIsSaidInEveryDirection)
{
    const struct { const char* zeile; int richtung; bool richtig; } faelle[] = {
        {"foreign shown, right", 2, true},  {"foreign shown, wrong", 2, false},
        {"German shown, right", 1, true},   {"German shown, wrong", 1, false},
        {"mixed, right", 3, true},          {"mixed, wrong", 3, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        frmVokUeben w(liste, 1);
        w.Timerueben.setInterval(20); // the solution goes at the next wait, not 1.5 s later
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QAction* punkt = f.richtung == 1 ? w.mnuDeutsch : f.richtung == 2 ? w.mnuFremd : w.mnumisch;
        punkt->trigger();
        bool deutschGezeigt = false, fremdGezeigt = false;
        // Several answers, so that mixed asks both ways.
        for (int i = 0; i < 6; ++i) {
            // The question: its foreign word when shown; nothing, disabled, while asked.
            const QString frage = w.Vokabel();
            (w.Vok ? fremdGezeigt : deutschGezeigt) = true;
            const QString gezeigt = w.Vok ? frage : QString();
            EXPECT_EQ(w.lblAnhoeren->isEnabled(), w.Vok);
            gesprochen.clear();
            QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
            Klick(w.lblAnhoeren);
            EXPECT_EQ(gesprochen, w.Vok ? (Gesagt{{frage, "en"}, {frage, "en"}}) : Gesagt{});

            // After the answer: the missed pair under its solution, or the next question.
            gesprochen.clear();
            Antworten(w, f.richtig);
            const QString danach = f.richtig ? (w.Vok ? w.Vokabel() : QString()) : frage;
            EXPECT_EQ(gesprochen, Wort(danach));
            EXPECT_EQ(w.lblAnhoeren->isEnabled(), !danach.isEmpty());
            gesprochen.clear();
            QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
            EXPECT_EQ(gesprochen, Wort(danach));

            // The solution gone, the question below it is on the screen.
            ASSERT_TRUE(QTest::qWaitFor([&] { return !w.TxtLoesung->isVisible(); }, 2000));
            EXPECT_EQ(w.lblAnhoeren->isEnabled(), w.Vok);
            gesprochen.clear();
            QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
            EXPECT_EQ(gesprochen, Wort(w.Vok ? w.Vokabel() : QString()));
        }
        EXPECT_EQ(fremdGezeigt, f.richtung != 1);
        EXPECT_EQ(deutschGezeigt, f.richtung != 2);
    }
}

TEST_F(UebenAussprache, EveryStageSpeaksTheMainListsLanguageAndAListWithoutOneSaysWhereToSetIt)
{
    const QString tiere = ordner.datei("Tiere.dva");
    const struct { const char* zeile; QString liste; qint16 stufe; QString sprache; QString code; } faelle[] = {
        {"stage 2, language stored for the main list", StufenDatei(tiere, u'b'), 2, "Latein", "la"},
        {"stage 3, language from the list's name", StufenDatei(liste, u'c'), 3, {}, "en"},
        {"stage 1, no language", tiere, 1, {}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        for (QChar b : {u'a', u'b', u'c', u'd'})
            SchreibeBytes(StufenDatei(f.liste, b), {});
        SchreibeBytes(f.liste, CpZeilen({"001#felis#Katze#2#0#", "002#canis#Hund#2#0#"}));
        ASSERT_TRUE(ListenspracheSetzen(StufenDatei(f.liste, u'a'), f.sprache));
        gesprochen.clear();
        frmVokUeben w(f.liste, f.stufe);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_FALSE(w.lblSprache->isVisible());
        const QString frage = w.Vokabel();
        // By the keyboard: the label button is reached with Tab and pressed with Space.
        w.lblok->setFocus();
        QTest::keyClick(w.lblok, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w.lblAnhoeren);
        QTest::keyClick(w.lblAnhoeren, Qt::Key_Space);
        EXPECT_EQ(gesprochen, f.code.isEmpty() ? Gesagt{} : (Gesagt{{frage, f.code}}));
        EXPECT_EQ(w.lblSprache->isVisible(), f.code.isEmpty());
        if (f.code.isEmpty())
            EXPECT_TRUE(w.lblSprache->text().contains(QStringLiteral("Optionen → Sprache einer Liste …")));
        w.reject();
    }
}

TEST_F(UebenAussprache, NothingIsSaidWithAusspracheAus)
{
    modAussprache::Ausspracheok = false;
    Module1::Soundok = true;
    frmVokUeben w(liste, 1);
    w.show();
    Antworten(w, true);
    Antworten(w, false);
    Klick(w.lblAnhoeren);
    QTest::keyClick(w.txtBedeutung, Qt::Key_F5);
    EXPECT_TRUE(gesprochen.empty());
    EXPECT_EQ(sounds, (std::vector<int>{5, 3, 4})) << "Aussprache aus silenced the effects";
}

} // namespace
