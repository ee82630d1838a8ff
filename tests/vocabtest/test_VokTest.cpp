// The test from the start screen: size check, direction, file errors, the test screen's
// grading, keys and hover rules.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "app/frmStart.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/Einstellungen.h"
#include "common/UiHilfen.h"
#include "lists/Zufall.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "ui/Zeichenleiste.h"
#include <QToolButton>
#include "lists/Listensprache.h"
#include "vocabtest/modVokTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

constexpr int N = Testbewertung::Testzeilen;

// n records; line k holds the foreign word "wk" and the meaning "Wk".
QByteArray Liste(int n)
{
    QByteArray b;
    for (int k = 1; k <= n; ++k)
        b += QString("%1#w%1#W%1#0#0#\r\n").arg(k).toLatin1();
    return b;
}

class VokTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        dlgTestfolge::Fremdsprache = false;
        Testziehung::GezogeneZeilen.fill(0);
        ZufallZuruecksetzen();
        QDir::setCurrent(ordner.pfad());
    }
    void TearDown() override
    {
        *ende = true;
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }

    // Hands every new modal window of type T to `aktion` until the current start is over.
    template <typename T>
    void Immer(std::function<void(T*)> aktion)
    {
        auto fertig = ende;
        auto gesehen = std::make_shared<QPointer<T>>();
        // A timer owned by the application, not a callback that holds itself: nothing
        // is left behind when the test ends.
        auto* uhr = new QTimer(qApp);
        QObject::connect(uhr, &QTimer::timeout, uhr, [=] {
            if (*fertig) {
                uhr->stop();
                uhr->deleteLater();
                return;
            }
            auto* m = qobject_cast<T*>(QApplication::activeModalWidget());
            if (m && m->isVisible() && m != *gesehen) {
                uhr->stop(); // the action may open nested windows of its own
                aktion(*gesehen = m);
                uhr->start(10);
            }
        });
        uhr->start(10);
    }

    // A test on Liste.dva, which the chooser takes; returns how many test screens came up.
    int Starten(std::function<void(dlgTestfolge*)> folge, std::function<void(frmVokTest*)> test)
    {
        int gezeigt = 0;
        Immer<dlgFilewahl>([](dlgFilewahl* w) { Klick(w->lblok); });
        Immer<dlgTestfolge>(folge);
        Immer<frmVokTest>([&](frmVokTest* w) { ++gezeigt; test(w); });
        modVokTest::TestStarten(nullptr);
        *ende = true;
        ende = std::make_shared<bool>(false);
        return gezeigt;
    }

    std::shared_ptr<bool> ende = std::make_shared<bool>(false);
};

TEST_F(VokTest, StartScreenLabelAndMenuAskForAListAndPlaySound2After)
{
    frmStart::Programmende = [] {};
    frmStart start; // <program folder>/Vokabeln becomes the current folder
    QString titel;
    bool listenwahl = false;
    Immer<dlgFilewahl>([&](dlgFilewahl* w) {
        titel = w->windowTitle();
        listenwahl = w->muster() == "*.dva" && w->cboFilename->isVisible() && !w->txtNewFile->isVisible();
        Klick(w->lblCancle);
    });
    for (bool menue : {false, true}) {
        sounds.clear();
        listenwahl = false;
        menue ? start.mnuVokTest->trigger() : Klick(start.lblTest);
        EXPECT_EQ(titel, "Aus welchen Vokabeln soll ein Test erstellt werden ?");
        EXPECT_TRUE(listenwahl) << "the existing lists of stage 1";
        EXPECT_EQ(sounds, (std::vector<int>{2, 2})) << "the chooser's, then the start screen's";
    }
}

TEST_F(VokTest, ShortListsAreRefusedAndBadLinesSkippedWithoutChangingTheFile)
{
    auto kaputt = [](int n) { // lines 3 and 7 cannot be taken apart
        return Liste(n).replace("\n3#w3#W3#0#0#\r\n", "\n\r\n").replace("\n7#w7#W7#0#0#", "\n7#nur#zwei");
    };
    const Meldung zuWenig{modVokTest::ZuWenigText, "zu wenig Vokabeln"};
    const Meldung zuWenigLesbar{QString::fromUtf8("Die Liste „Liste“ hat nur 19 lesbare Vokabeln, ein Test braucht 20.\n"
                                                  "Zeilen 3 und 7 der Liste „Liste“ können nicht gelesen werden."),
                                "zu wenig Vokabeln"};
    const Meldung uebersprungen{QString::fromUtf8("Zeilen 3 und 7 der Liste „Liste“ können nicht gelesen werden "
                                                  "und werden übersprungen."),
                                "Lesefehler der Datei"};
    const struct { const char* name; QByteArray liste; bool folge, test; std::vector<Meldung> meldungen; } faelle[] = {
        {"19 lines", Liste(19), false, false, {zuWenig}},
        {"20 lines", Liste(20), true, true, {}},
        {"21 lines", Liste(21), true, true, {}},
        {"19 of 21 readable", kaputt(21), false, false, {zuWenigLesbar}},
        {"20 of 22 readable", kaputt(22), true, true, {uebersprungen}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        meldungen.clear();
        SchreibeBytes(ordner.datei("Liste.dva"), f.liste);
        bool folge = false;
        QSet<QString> fragen;
        const int tests = Starten([&](dlgTestfolge* w) { folge = true; Klick(w->LblDeutsch); },
                                  [&](frmVokTest* w) {
                                      for (QLabel* l : w->lblVokabel)
                                          fragen.insert(l->text());
                                      Klick(w->lblcancler);
                                  });
        EXPECT_EQ(modVokTest::TestZeilenzahl, f.liste.count('\n'));
        EXPECT_EQ(folge, f.folge);
        EXPECT_EQ(tests, f.test ? 1 : 0);
        EXPECT_EQ(fragen.size(), f.test ? N : 0) << "twenty different readable pairs";
        EXPECT_FALSE(fragen.contains("") || fragen.contains("zwei"));
        EXPECT_EQ(meldungen, f.meldungen);
        EXPECT_EQ(LiesBytes(ordner.datei("Liste.dva")), f.liste);
        EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"Liste.dva"});
    }
    EXPECT_EQ(modVokTest::ZuWenigText, "Die Datei sollte mindestens 20 Vokabeln beinhalten");
}

TEST_F(VokTest, DirectionsFillTheColumnsAndClosingTheQuestionCancels)
{
    SchreibeBytes(ordner.datei("Liste.dva"), Liste(30));
    // How the direction dialog is left (0 frame, 1 German, 2 foreign, 3 Escape), the
    // direction then, and whether a test is built.
    const struct { int wahl; bool fremdsprache; } faelle[] = {{0, false}, {1, true}, {0, true}, {3, true}, {2, false}};
    for (const auto& f : faelle) {
        sounds.clear();
        const bool test = f.wahl == 1 || f.wahl == 2;
        const int tests = Starten(
            [&](dlgTestfolge* w) {
                if (f.wahl == 0)
                    w->close();
                else if (f.wahl == 3)
                    QTest::keyClick(w, Qt::Key_Escape);
                else
                    Klick(f.wahl == 1 ? w->LblDeutsch : w->lblFremdsprache);
            },
            [&](frmVokTest* w) {
                for (int i = 0; i < N; ++i) {
                    const QString k = QString::number(Testziehung::GezogeneZeilen[i]);
                    EXPECT_EQ(w->lblVokabel[i]->text(), (f.fremdsprache ? "W" : "w") + k);
                    EXPECT_EQ(w->lblLoesung[i]->text(), (f.fremdsprache ? "w" : "W") + k);
                    EXPECT_TRUE(w->txtEingabe[i]->text().isEmpty() && w->lblLoesung[i]->isHidden());
                }
                // Leaving before "ok": no grade, no sound.
                w->txtEingabe[0]->setText(w->lblLoesung[0]->text());
                Klick(w->lblcancler);
                EXPECT_TRUE(w->lblNote->isHidden());
            });
        EXPECT_EQ(tests, test ? 1 : 0) << f.wahl;
        EXPECT_EQ(dlgTestfolge::Fremdsprache, f.fremdsprache) << f.wahl;
        EXPECT_EQ(sounds, (std::vector<int>{2, 2})) << "the chooser's only";
    }
}

// Every answer of a graded test is a review of its word in the list's memory: right 3,
// almost right (a capital, checked leniently) 2, wrong or empty 1. German -> foreign: the
// pair is still the list's, foreign word first.
TEST_F(VokTest, AGradedTestRecordsEachAnswerAsAReview)
{
    SchreibeBytes(ordner.datei("Liste.dva"), Liste(21));
    Einstellungen::Lauf().SchalterSetzen(Einstellungen::GrosszuegigPruefen, true);
    Starten([](dlgTestfolge* w) { Klick(w->LblDeutsch); },
            [](frmVokTest* w) {
                w->txtEingabe[0]->setText(w->lblLoesung[0]->text());
                w->txtEingabe[1]->setText(w->lblLoesung[1]->text().toUpper());
                Klick(w->lblok);
                Klick(w->lblFertig);
            });
    Einstellungen::Lauf() = {};
    const auto g = Wortgedaechtnis::Lesen(ordner.datei("Liste.dva")).woerter;
    ASSERT_EQ(g.size(), N);
    for (int i = 0; i < N; ++i) {
        const int k = Testziehung::GezogeneZeilen[i];
        const Wortgedaechtnis::Eintrag e = g.value(QString("w%1#W%1").arg(k));
        EXPECT_EQ(e.wiederholungen, 1) << i;
        EXPECT_DOUBLE_EQ(e.stand.stabilitaet, i == 0 ? 2.3065 : i == 1 ? 1.2931 : 0.212) << i;
    }
    EXPECT_TRUE(meldungen.empty());
}

class TestFensterTest : public VokTest {
protected:
    void SetUp() override
    {
        VokTest::SetUp();
        for (int i = 0; i < N; ++i) // row i asks "wi" and expects "Wi"
            ASSERT_TRUE(modVokTest::TestzeileFuellen(test, i, QString("%1#w%1#W%1#0#0#").arg(i)));
        test.show();
        QApplication::setActiveWindow(&test);
    }
    frmVokTest test;
};

TEST_F(TestFensterTest, TabAndEnterWalkTheRowsOnlyOkGradesAndMarksEachRow)
{
    // 15 right, then a case difference, a trailing blank and three empty boxes.
    const QString antworten[] = {"w15", "W16 ", "", "", ""};
    test.txtEingabe[0]->setFocus();
    for (int i = 0; i < N; ++i) {
        ASSERT_EQ(QApplication::focusWidget(), test.txtEingabe[i]);
        QTest::keyClicks(test.txtEingabe[i], i < 15 ? QString("W%1").arg(i) : antworten[i - 15]);
        QTest::keyClick(test.txtEingabe[i], i % 2 ? Qt::Key_Tab : Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget(), test.txtEingabe[0]);
    EXPECT_TRUE(test.lblok->isVisible() && test.lblNote->isHidden() && sounds.empty());

    Klick(test.lblok);
    for (int i = 0; i < N; ++i) {
        EXPECT_EQ(test.imgok[i]->isVisible(), i < 15) << i;
        EXPECT_EQ(test.imgBad[i]->isVisible(), i >= 15) << i;
        EXPECT_EQ(test.lblLoesung[i]->isVisible(), i >= 15) << i;
    }
    EXPECT_EQ(test.txtEingabe[16]->text(), "W16 ") << "answers stay";
    EXPECT_TRUE(test.lblok->isHidden() && test.lblMeldung->isHidden());
    EXPECT_TRUE(test.lblFertig->isVisible() && test.lblcancler->isVisible());
    EXPECT_EQ(test.lblNote->text(), "Du hast  15 Vokabeln richtig beantwortet,  5 Vokabeln waren "
                                    "falsch. Das entspricht einer Schulnote von  2.9");
    EXPECT_EQ(sounds, std::vector<int>{1});
    Klick(test.lblFertig);
    EXPECT_FALSE(test.isVisible());
}

// The drawn pairs belong to the module: a label changed behind its back changes neither
// the grade nor the solution shown beside a wrong row.
TEST_F(TestFensterTest, GradingReadsTheDrawnPairsNotTheLabels)
{
    for (int i = 0; i < N; ++i) {
        test.lblLoesung[i]->setText("X");
        test.lblVokabel[i]->setText("Y");
        test.txtEingabe[i]->setText(i < 18 ? QString("W%1").arg(i) : QString("X"));
    }
    Klick(test.lblok);
    for (int i = 0; i < N; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(test.imgok[i]->isVisible(), i < 18);
        EXPECT_EQ(test.lblLoesung[i]->isVisible(), i >= 18);
        EXPECT_EQ(test.lblLoesung[i]->text(), QString("W%1").arg(i));
    }
    EXPECT_EQ(test.lblNote->text(), "Du hast  18 Vokabeln richtig beantwortet,  2 Vokabeln waren "
                                    "falsch. Das entspricht einer Schulnote von  1.6");
    EXPECT_EQ(Testziehung::Testpaare[5].Frage, "w5");
}

// Checked leniently the test stays a school test: a trailing blank is no fault, a capital
// is still wrong but its row says why, beside the solution.
TEST_F(TestFensterTest, LenientlyAnAlmostRightRowIsWrongAndShowsItsReason)
{
    Einstellungen::Lauf().SchalterSetzen(Einstellungen::GrosszuegigPruefen, true);
    for (int i = 0; i < N; ++i)
        test.txtEingabe[i]->setText(i == 0 ? QString("w0") : QString("W%1 ").arg(i));
    test.txtEingabe[5]->clear();
    Klick(test.lblok);
    Einstellungen::Lauf() = {};
    for (int i = 0; i < N; ++i)
        EXPECT_TRUE(test.imgBad[i]->isVisible() == (i == 0 || i == 5) && test.lblGrund[i]->isVisible() == (i == 0)) << i;
    EXPECT_EQ(test.lblGrund[0]->toolTip(), QString::fromUtf8("(Groß- und Kleinschreibung)"));
    EXPECT_TRUE(test.lblGrund[0]->text().startsWith("(Gro"));
    EXPECT_GT(test.lblGrund[0]->x(), test.lblLoesung[0]->x() + test.lblLoesung[0]->fontMetrics().horizontalAdvance("W0"));
    EXPECT_EQ(test.lblNote->text(), "Du hast  18 Vokabeln richtig beantwortet,  2 Vokabeln waren "
                                    "falsch. Das entspricht einer Schulnote von  1.6");
}

// A stray Escape asks before the answers are lost ("Nein" is the default); after grading
// nothing can be lost and Escape closes at once.
TEST_F(TestFensterTest, EscapeAsksBeforeTheAnswersAreLostAndClosesAtOnceWhenGraded)
{
    test.txtEingabe[0]->setText("W0");
    QStringList fragen;
    for (bool ja : {false, true}) {
        BeiModal([&, ja](QWidget* m) {
            auto* box = Als<QMessageBox>(m);
            ASSERT_NE(box, nullptr);
            fragen << box->text();
            EXPECT_EQ(box->defaultButton()->text(), "Nein");
            if (ja)
                KnopfKlicken(box, "Ja");
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(test.txtEingabe[0], Qt::Key_Escape);
        EXPECT_EQ(test.isVisible(), !ja);
        EXPECT_EQ(test.txtEingabe[0]->text(), "W0") << "Nein keeps the answers";
    }
    EXPECT_EQ(fragen, QStringList({frmVokTest::AbbruchFrage, frmVokTest::AbbruchFrage}));
    EXPECT_EQ(frmVokTest::AbbruchFrage, "Test abbrechen? Deine Antworten gehen verloren.");
    EXPECT_EQ(test.result(), QDialog::Rejected);
    EXPECT_TRUE(test.lblNote->isHidden() && sounds.empty()) << "no grade";

    test.show();
    Klick(test.lblok);
    QObject wache;
    QTimer::singleShot(500, &wache, [] {
        if (QWidget* m = QApplication::activeModalWidget(); m && qobject_cast<QMessageBox*>(m)) {
            ADD_FAILURE() << "asked after grading";
            m->close();
        }
    });
    QTest::keyClick(test.txtEingabe[0], Qt::Key_Escape);
    EXPECT_FALSE(test.isVisible());
}

// Long words are shown whole in their row, in either column: on one line at a smaller size
// or on two, never cut and never reaching into the next row or out of the window.
TEST_F(TestFensterTest, LongWordsAreShownWholeWithinTheirRow)
{
    const char* lang[] = {"Afroamerikanerin", "rechtswidrig handeln, gegen das Gesetz verstoßen",
                          "die Zuständigkeit der örtlichen Behörden",
                          "eine außerordentlich lange und umständliche Erklärung von etwas recht Einfachem"};
    for (int i = 0; i < N; ++i) {
        const QString wort = QString::fromUtf8(lang[i % 4]);
        ASSERT_TRUE(modVokTest::TestzeileFuellen(test, i, QString("%1#%2#%2#0#0#").arg(i).arg(wort)));
    }
    Klick(test.lblok);
    auto ganz = [](const QLabel* l, const QString& text) {
        const QRect platz = QFontMetrics(l->font()).boundingRect(l->rect(), l->wordWrap() ? Qt::TextWordWrap : 0, text);
        return l->text() == text && l->rect().contains(platz);
    };
    for (int i = 0; i < N; ++i) {
        SCOPED_TRACE(i);
        const QString wort = QString::fromUtf8(lang[i % 4]);
        EXPECT_TRUE(ganz(test.lblVokabel[i], wort));
        EXPECT_TRUE(ganz(test.lblLoesung[i], wort));
        EXPECT_TRUE(test.rect().contains(test.lblLoesung[i]->geometry()));
        EXPECT_LE(test.lblVokabel[i]->geometry().right(), test.txtEingabe[i]->geometry().left());
        if (i + 1 < N)
            for (QWidget* w : {static_cast<QWidget*>(test.lblVokabel[i]), static_cast<QWidget*>(test.lblLoesung[i])})
                EXPECT_LE(w->geometry().bottom(), test.txtEingabe[i + 1]->geometry().top());
    }
}

TEST_F(TestFensterTest, FertigStaysBoldAfterItsResetAndTheDirectionLabelsBecomeRegular)
{
    Klick(test.lblok);
    dlgTestfolge folge;
    EXPECT_TRUE(folge.LblDeutsch->istFett() && folge.lblFremdsprache->istFett()) << "designed bold";
    const struct { LabelButton* l; QWidget* hintergrund; bool fettDanach; } faelle[] = {
        {test.lblFertig, test.imgBackground, true}, {test.lblcancler, test.imgBackground, false},
        {folge.LblDeutsch, folge.hintergrund, false}, {folge.lblFremdsprache, folge.hintergrund, false}};
    for (const auto& f : faelle) {
        MausUeber(f.hintergrund);
        MausUeber(f.l);
        EXPECT_TRUE(f.l->istFett() && f.l->punkt() == 14);
        MausUeber(f.hintergrund);
        EXPECT_EQ(f.l->punkt(), 12);
        EXPECT_EQ(f.l->istFett(), f.fettDanach) << f.l->text().toStdString();
    }
    EXPECT_EQ(sounds, std::vector<int>{4}) << "the grade's only: no hover sound";
}

} // namespace

// Answers in Russian get the Russian letters under the rows, typing into the row that had
// the focus; grading takes them away. Answers in German get none.
TEST_F(VokTest, TheCharacterBarServesTheForeignAnswers)
{
    SchreibeBytes(ordner.datei("Liste.dva"), Liste(30));
    ASSERT_TRUE(ListenspracheSetzen(ordner.datei("Liste.dva"), "Russisch"));
    for (const bool deutschNachFremd : {true, false}) {
        SCOPED_TRACE(deutschNachFremd);
        const int tests = Starten([&](dlgTestfolge* w) { Klick(deutschNachFremd ? w->LblDeutsch : w->lblFremdsprache); },
                                  [&](frmVokTest* w) {
                                      EXPECT_EQ(w->leiste->isHidden(), !deutschNachFremd);
                                      if (deutschNachFremd) {
                                          EXPECT_EQ(Ueberdeckt(w->leiste, {w->lblNote}), QStringList());
                                          QApplication::setActiveWindow(w);
                                          w->txtEingabe[3]->setFocus();
                                          w->leiste->knoepfe()[0]->setFocus(); // Tab went into the bar
                                          Klick(w->leiste->knoepfe()[1]);
                                          EXPECT_EQ(w->txtEingabe[3]->text(), QString::fromUtf8("б"));
                                          Klick(w->lblok);
                                          EXPECT_TRUE(w->leiste->isHidden());
                                      }
                                      Klick(w->lblcancler);
                                  });
        EXPECT_EQ(tests, 1);
    }
}
