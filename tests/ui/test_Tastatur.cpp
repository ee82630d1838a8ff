// Keyboard and screen-reader use of the windows: Tab order, Enter and Space on a label
// button, focus as a hover, the focus frame, and what assistive technology is told.
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "editor/modBearbeiten.h"
#include "entry/frmVokEingabe.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgFrage.h"
#include "lists/Listenwahl.h"
#include "lists/dlgWasTun.h"
#include "practice/frmVokUeben.h"
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/frmMiniMeldung.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

using namespace lerno;
using namespace testhilfen;

namespace {

QString Beschreibung(QWidget* w)
{
    if (!w)
        return QStringLiteral("(nichts)");
    if (auto* l = qobject_cast<LabelButton*>(w))
        return QStringLiteral("Label \"%1\"").arg(l->text());
    // Boxes without a name (the test's rows) are told apart by their place.
    return QStringLiteral("%1 \"%2\" at %3,%4")
        .arg(w->metaObject()->className(), w->accessibleName())
        .arg(w->x())
        .arg(w->y());
}

// A list of the given stage with its empty siblings, for the windows that show it.
QString ListeWaehlen(const TempProgrammordner& ordner, qint16 stufe)
{
    const QString pfad = ordner.datei(QStringLiteral("Englisch.dv") + QChar(u'a' + stufe - 1));
    SchreibeBytes(pfad, CpZeilen({"001#house#Haus#0#0#", "002#tree#Baum#0#0#"}));
    QDir::setCurrent(ordner.pfad());
    return pfad;
}

struct Aufbau {
    std::unique_ptr<QWidget> fenster;
    std::vector<QWidget*> folge; // the Tab order, from the first control on
    QWidget* danach = nullptr;   // where Tab goes from the last one (the first if not set)
};

struct Fall {
    const char* name;
    QString titel;
    std::function<Aufbau(const TempProgrammordner&)> bauen;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << f.name; }

template <typename F>
Aufbau Mit(std::unique_ptr<F> f, std::function<std::vector<QWidget*>(F&)> folge)
{
    Aufbau a;
    a.folge = folge(*f);
    a.fenster = std::move(f);
    return a;
}

std::vector<Fall> Faelle()
{
    return {
        {"Startseite", "Lerno language",
         [](const TempProgrammordner&) {
             return Mit<frmStart>(std::make_unique<frmStart>(), [](frmStart& w) {
                 return std::vector<QWidget*>{w.lblEingabe, w.lblUeben1, w.lblUeben2, w.lblUeben3,
                                              w.lblLoeschen, w.lblBearbeiten, w.lblTest, w.lblEnde};
             });
         }},
        {"NeuOderVorhanden", QString::fromUtf8("Was möchtest du tun ???"),
         [](const TempProgrammordner&) {
             return Mit<dlgWasTun>(std::make_unique<dlgWasTun>(), [](dlgWasTun& w) {
                 return std::vector<QWidget*>{w.lblNewFile, w.lbloldFile, w.lblCancle};
             });
         }},
        {"DateiwahlNeu", QString::fromUtf8("In welche Datei möchtest du deine Vokabeln speichern"),
         [](const TempProgrammordner& o) {
             ListeWaehlen(o, 1);
             return Mit<dlgFilewahl>(std::make_unique<dlgFilewahl>(1, Dateiwahl::Neu), [](dlgFilewahl& w) {
                 return std::vector<QWidget*>{w.txtNewFile, w.lblok, w.lblCancle};
             });
         }},
        {"DateiwahlVorhanden", QString::fromUtf8("In welche Datei möchtest du deine Vokabeln speichern"),
         [](const TempProgrammordner& o) {
             ListeWaehlen(o, 1);
             return Mit<dlgFilewahl>(std::make_unique<dlgFilewahl>(1, Dateiwahl::Vorhanden), [](dlgFilewahl& w) {
                 return std::vector<QWidget*>{w.cboFilename, w.lblok, w.lblCancle};
             });
         }},
        {"Loeschfrage", "Bist du dir sicher ???",
         [](const TempProgrammordner& o) {
             return Mit<dlgFrage>(std::make_unique<dlgFrage>(o.datei("Englisch.dva")), [](dlgFrage& w) {
                 return std::vector<QWidget*>{w.lblCancle, w.lblok};
             });
         }},
        {"Testrichtung", QString::fromUtf8("Wähle die Reihenfolge"),
         [](const TempProgrammordner&) {
             return Mit<dlgTestfolge>(std::make_unique<dlgTestfolge>(), [](dlgTestfolge& w) {
                 return std::vector<QWidget*>{w.lblFremdsprache, w.LblDeutsch};
             });
         }},
        {"Mitteilung", "Mitteilung",
         [](const TempProgrammordner&) {
             return Mit<frmMiniMeldung>(std::make_unique<frmMiniMeldung>(),
                                        [](frmMiniMeldung& w) { return std::vector<QWidget*>{w.lblok}; });
         }},
        {"Eingabe", "Vokabeln eingeben",
         [](const TempProgrammordner& o) {
             return Mit<frmVokEingabe>(std::make_unique<frmVokEingabe>(ListeWaehlen(o, 1)), [](frmVokEingabe& w) {
                 return std::vector<QWidget*>{w.txtVokabel, w.txtBedeutung, w.lblEnde, w.lblok};
             });
         }},
        {"Ueben", QString::fromUtf8("Vokabeln üben"),
         [](const TempProgrammordner& o) {
             return Mit<frmVokUeben>(std::make_unique<frmVokUeben>(ListeWaehlen(o, 1), 1),
                                     [](frmVokUeben& w) {
                 return std::vector<QWidget*>{w.txtBedeutung, w.lblEnde, w.lblHelp, w.lblok, w.lblAnhoeren};
             });
         }},
        {"Test", "Vokabeltest",
         [](const TempProgrammordner&) {
             // "Fertig" is hidden until graded; Tab goes round the rows, so the buttons
             // come before the first row.
             Aufbau a = Mit<frmVokTest>(std::make_unique<frmVokTest>(), [](frmVokTest& w) {
                 std::vector<QWidget*> f{w.lblcancler, w.lblok};
                 f.insert(f.end(), w.txtEingabe.begin(), w.txtEingabe.end());
                 return f;
             });
             a.danach = a.folge[2];
             return a;
         }},
        {"Bearbeiten", "Vokabeln Bearbeiten",
         [](const TempProgrammordner& o) {
             const QString liste = ListeWaehlen(o, 1);
             modBearbeiten::ListeLaden(liste, nullptr);
             return Mit<frmVokBearbeiten>(std::make_unique<frmVokBearbeiten>(liste, modBearbeiten::Zeilen,
                                                                            modBearbeiten::ListeSpeichern),
                                          [](frmVokBearbeiten& w) {
                 return std::vector<QWidget*>{w.GrdVok, w.lblCancle, w.lblok}; // Ja/Nein hidden
             });
         }},
    };
}

class TabFolge : public UiTest, public ::testing::WithParamInterface<Fall> {
protected:
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
};

bool Aktiv(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Tab walks the controls in reading order and wraps round; Shift+Tab walks back.
TEST_P(TabFolge, TabWalksTheControlsInReadingOrder)
{
    Aufbau a = GetParam().bauen(ordner);
    ASSERT_TRUE(Aktiv(a.fenster.get()));
    const auto& f = a.folge;
    for (QWidget* w : f)
        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << Beschreibung(w).toStdString();
    f.front()->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), f.front());
    for (size_t i = 1; i <= f.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* soll = i < f.size() ? f[i] : (a.danach ? a.danach : f.front());
        EXPECT_EQ(Beschreibung(QApplication::focusWidget()), Beschreibung(soll)) << "after " << i << " Tab";
    }
    f.front()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Beschreibung(QApplication::focusWidget()), Beschreibung(f.back()));
}

// Assistive technology names every window by its caption.
TEST_P(TabFolge, TheWindowIsNamedByItsCaption)
{
    Aufbau a = GetParam().bauen(ordner);
    if (GetParam().titel.isEmpty())
        GTEST_SKIP() << "the caller sets this caption";
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(a.fenster.get());
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->text(QAccessible::Name), GetParam().titel);
}

INSTANTIATE_TEST_SUITE_P(Fenster, TabFolge, ::testing::ValuesIn(Faelle()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The label button itself ----

struct Taste {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mods;
    int klicks;
};

void PrintTo(const Taste& t, std::ostream* os) { *os << t.name; }

class LabelTaste : public ::testing::TestWithParam<Taste> {};

TEST_P(LabelTaste, EnterAndSpacePressTheFocusedLabelOtherKeysGoToTheWindow)
{
    QWidget fenster;
    fenster.resize(300, 200);
    auto* l = new LabelButton(QStringLiteral("ok"), &fenster, 300, 300, 1395, 300);
    ASSERT_TRUE(Aktiv(&fenster));
    l->setFocus(Qt::TabFocusReason);
    QSignalSpy klicks(l, &LabelButton::clicked);
    QKeyEvent druck(QEvent::KeyPress, GetParam().taste, GetParam().mods);
    QApplication::sendEvent(l, &druck);
    EXPECT_EQ(klicks.count(), GetParam().klicks);
    // A key the label does not take is left for the window (Escape closes a dialog).
    EXPECT_EQ(druck.isAccepted(), GetParam().klicks > 0);
}

INSTANTIATE_TEST_SUITE_P(Tasten, LabelTaste,
                         ::testing::Values(Taste{"Return", Qt::Key_Return, Qt::NoModifier, 1},
                                           Taste{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, 1},
                                           Taste{"Space", Qt::Key_Space, Qt::NoModifier, 1},
                                           Taste{"CtrlReturn", Qt::Key_Return, Qt::ControlModifier, 0},
                                           Taste{"Escape", Qt::Key_Escape, Qt::NoModifier, 0},
                                           Taste{"Letter", Qt::Key_A, Qt::NoModifier, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class Tastatur : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
    }
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
};

// The frame shows only while the focus came by key, is drawn inside the label in its
// colour, and nothing moves; a click never takes the focus from a text box.
TEST_F(Tastatur, TheFocusFrameShowsOnKeyFocusOnlyAndMovesNothing)
{
    QWidget fenster;
    fenster.resize(300, 200);
    auto* box = new QLineEdit(&fenster);
    box->setGeometry(10, 10, 100, 24);
    auto* l = new LabelButton(QStringLiteral("Abbrechen"), &fenster, 600, 1200, 1425, 300);
    ASSERT_TRUE(Aktiv(&fenster));
    box->setFocus();
    const QRect lage = l->geometry();
    const QImage ohne = l->grab().toImage();

    Klick(l);
    EXPECT_EQ(QApplication::focusWidget(), box);

    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), l);
    EXPECT_TRUE(l->zeigtFokusmarke());
    EXPECT_EQ(l->geometry(), lage);
    const QImage mit = l->grab().toImage();
    ASSERT_EQ(mit.size(), ohne.size());
    const QColor gelb = l->palette().color(QPalette::WindowText);
    EXPECT_EQ(mit.pixelColor(0, mit.height() / 2), gelb);
    EXPECT_EQ(mit.pixelColor(mit.width() / 2, mit.height() - 1), gelb);
    EXPECT_NE(ohne.pixelColor(0, ohne.height() / 2), gelb);

    l->setFocus(Qt::OtherFocusReason);
    box->setFocus(Qt::MouseFocusReason);
    l->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(l->zeigtFokusmarke());

    // A window opened by a key shows its focus at once; one opened by a click does not.
    QTest::keyClick(l, Qt::Key_Space);
    {
        QWidget zweites;
        auto* l2 = new LabelButton(QStringLiteral("ok"), &zweites, 300, 300, 1395, 300);
        ASSERT_TRUE(Aktiv(&zweites));
        ASSERT_EQ(QApplication::focusWidget(), l2);
        EXPECT_TRUE(l2->zeigtFokusmarke());
    }
    ASSERT_TRUE(Aktiv(&fenster));
    Klick(l);
    {
        QWidget drittes;
        auto* l3 = new LabelButton(QStringLiteral("ok"), &drittes, 300, 300, 1395, 300);
        ASSERT_TRUE(Aktiv(&drittes));
        ASSERT_EQ(QApplication::focusWidget(), l3);
        EXPECT_FALSE(l3->zeigtFokusmarke());
    }
}

// Tab onto a label is a hover: after the pointer crossed the background the first label
// reached plays sound 2 and grows; the next one, without crossing, stays as it is.
TEST_F(Tastatur, FocusOnALabelIsAHoverUnderTheWindowsRule)
{
    frmStart start;
    ASSERT_TRUE(Aktiv(&start));
    start.lblEingabe->setFocus(Qt::OtherFocusReason);
    MausUeber(start.ImgBackground);
    sounds.clear();

    QTest::keyClick(start.lblEingabe, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), start.lblUeben1);
    EXPECT_EQ(sounds, std::vector<int>{2});
    EXPECT_TRUE(start.lblUeben1->istFett());
    EXPECT_EQ(start.lblUeben1->punkt(), 14);

    QTest::keyClick(start.lblUeben1, Qt::Key_Tab);
    EXPECT_EQ(sounds, std::vector<int>{2});
    EXPECT_FALSE(start.lblUeben2->istFett());
    EXPECT_TRUE(start.lblUeben1->istFett());

    // Focus given back by the program (not by key) is no hover.
    MausUeber(start.ImgBackground);
    sounds.clear();
    start.lblTest->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(sounds.empty());
    EXPECT_FALSE(start.lblTest->istFett());
}

// A dialog coming up puts the focus on its first label without any key: no hover, no
// sound, no frame, even with the window's hover armed from its last opening.
TEST_F(Tastatur, OpeningADialogIsNoHover)
{
    {
        dlgFrage vorher(ordner.datei("Englisch.dva"));
        MausUeber(vorher.hintergrund); // arms the hover of every later dlgFrage
    }
    sounds.clear();
    dlgFrage d(ordner.datei("Englisch.dva"));
    ASSERT_TRUE(Aktiv(&d));
    ASSERT_EQ(QApplication::focusWidget(), d.lblCancle);
    EXPECT_TRUE(sounds.empty());
    EXPECT_FALSE(d.lblCancle->istFett());
    QTest::keyClick(d.lblCancle, Qt::Key_Tab);
    EXPECT_EQ(sounds, std::vector<int>{2}); // the first key move is the hover
    EXPECT_TRUE(d.lblok->istFett());
}

// Screen readers see a push button named by its caption; its press action clicks it.
TEST_F(Tastatur, ALabelButtonIsAPushButtonWithAPressAction)
{
    QWidget fenster;
    auto* l = new LabelButton(QStringLiteral("Vokabeln eingeben"), &fenster, 0, 0, 3165, 300);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(l);
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->role(), QAccessible::PushButton);
    EXPECT_EQ(i->text(QAccessible::Name), QStringLiteral("Vokabeln eingeben"));
    EXPECT_TRUE(i->state().focusable);
    QAccessibleActionInterface* a = i->actionInterface();
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy klicks(l, &LabelButton::clicked);
    a->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(klicks.count(), 0); // pressed from the event loop, not inside the request
    EXPECT_TRUE(klicks.wait(1000));
    EXPECT_EQ(klicks.count(), 1);

    // The push button behind the label is not read out as a second button.
    QPushButton* k = KnopfAusserhalb(QStringLiteral("ok"), &fenster, 12000, 0, true);
    QAccessibleInterface* ki = QAccessible::queryAccessibleInterface(k);
    ASSERT_NE(ki, nullptr);
    EXPECT_TRUE(ki->state().invisible);
}

// The new-or-existing dialog and the chooser answered with keys alone.
TEST_F(Tastatur, TheNewListIsNamedWithKeysAlone)
{
    ListeWaehlen(ordner, 1);
    bool gesehen = false;
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* c) {
        gesehen = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(c));
        EXPECT_EQ(QApplication::focusWidget(), c->txtNewFile);
        QTest::keyClicks(c->txtNewFile, QStringLiteral("Tiere"));
        QTest::keyClick(c->txtNewFile, Qt::Key_Return);
    });
    BeiModalVom<dlgWasTun>([](dlgWasTun* d) {
        // The first label has the focus once the dialog is up; Tab wraps round to it.
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_Tab);
        QTest::keyClick(d, Qt::Key_Tab);
        QTest::keyClick(d, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d->lblNewFile);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    const auto wahl = NeuOderVorhanden(nullptr);
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(wahl.value_or(Listenwahl{}).Pfad, ordner.datei(QStringLiteral("Tiere.dva")));
}

TEST_F(Tastatur, EscapeAndAbbrechenByKeyLeaveTheChooserWithoutAList)
{
    ListeWaehlen(ordner, 1);
    dlgFilewahl c(1, Dateiwahl::Vorhanden);
    ASSERT_TRUE(Aktiv(&c));
    ASSERT_EQ(QApplication::focusWidget(), c.cboFilename);
    QTest::keyClick(c.cboFilename, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), c.lblCancle);
    QTest::keyClick(c.lblCancle, Qt::Key_Return);
    EXPECT_EQ(c.result(), QDialog::Rejected);
    EXPECT_TRUE(c.Filename().isEmpty());
}

// In the practice window Enter on a focused label presses that label; in the answer box
// it still checks the answer.
TEST_F(Tastatur, EnterInThePracticeWindowPressesTheFocusedLabel)
{
    frmVokUeben w(ListeWaehlen(ordner, 1), 1);
    ASSERT_TRUE(Aktiv(&w));
    w.txtBedeutung->setFocus();
    QTest::keyClick(w.txtBedeutung, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.lblHelp);
    sounds.clear();
    QTest::keyClick(w.lblHelp, Qt::Key_Return);
    EXPECT_TRUE(w.txthelp->isVisible());
    EXPECT_FALSE(w.TxtLoesung->isVisible()); // the answer was not checked
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.txtVokabel)->text(QAccessible::Name),
              QStringLiteral("Frage"));
}

} // namespace
