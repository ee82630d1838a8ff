// The character bar: where a letter goes, its case, the keyboard, screen readers, and
// that it stays out of the way without letters.
#include "ui/Zeichenleiste.h"

#include "common/UiHilfen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using namespace lerno;

namespace {

const QStringList Griechisch = {"α", "β", "γ", "ι", "σ", "ς", "ΐ"};
const QStringList Tuerkisch = {"ç", "ğ", "ı", "İ", "ö"};

struct Fenster {
    Fenster(const QStringList& zeichen, int breite = 400)
    {
        w.resize(500, 300);
        oben = new QLineEdit(&w);
        unten = new QLineEdit(&w);
        oben->setGeometry(10, 10, 300, 24);
        unten->setGeometry(10, 40, 300, 24);
        // Made before the bar: Tab would reach it first unless the bar follows the box.
        (new QPushButton("ok", &w))->setGeometry(320, 40, 60, 24);
        leiste = ZeichenleisteAnlegen(&w, {oben, unten}, zeichen, QRect(10, 70, breite, 200), unten);
        w.show();
        QApplication::setActiveWindow(&w);
    }
    QStringList Texte() const
    {
        QStringList t;
        for (QToolButton* k : leiste->knoepfe())
            t << k->text();
        return t;
    }
    QWidget w;
    QLineEdit* oben = nullptr;
    QLineEdit* unten = nullptr;
    Zeichenleiste* leiste = nullptr;
};

} // namespace

TEST(Zeichenleiste, ALetterGoesInAtTheCursorOfTheBoxThatHadTheFocusLast)
{
    Fenster f(Griechisch);
    f.oben->setText("ab");
    f.unten->setText("xy");
    f.unten->setFocus();
    f.unten->setCursorPosition(1);
    QTest::keyClick(f.unten, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(f.unten->text(), "xβy");
    // The focus goes to a button of the bar (as a click with Tab would): the box it came
    // from still gets the letter, by mouse too.
    f.oben->setFocus();
    f.oben->setCursorPosition(0);
    f.leiste->knoepfe()[0]->setFocus();
    QTest::mouseClick(f.leiste->knoepfe()[2], Qt::LeftButton);
    EXPECT_EQ(f.oben->text(), "γab");
    EXPECT_EQ(f.leiste->ziel(), f.oben);
    // A box that cannot take text takes none.
    f.oben->setReadOnly(true);
    QTest::keyClick(f.unten, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(f.oben->text(), "γab");
}

TEST(Zeichenleiste, UpperCaseByTheToggleOrShift)
{
    const struct {
        const char* name;
        QStringList zeichen;
        QStringList klein, gross;
    } faelle[] = {
        // ς shares Σ with σ; ΐ has no upper case of its own.
        {"Griechisch", Griechisch, Griechisch, {"Α", "Β", "Γ", "Ι", "Σ", "ΐ"}},
        // ı is the dotless i; İ has no lower case here.
        {"Türkisch", Tuerkisch, Tuerkisch, {"Ç", "Ğ", "I", "İ", "Ö"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Fenster f(fall.zeichen);
        ASSERT_TRUE(f.leiste->grossKnopf());
        EXPECT_EQ(f.Texte(), fall.klein);
        f.unten->setFocus();
        QTest::keyClick(f.unten, Qt::Key_0, Qt::AltModifier);
        EXPECT_TRUE(f.leiste->gross());
        EXPECT_EQ(f.Texte(), fall.gross);
        EXPECT_EQ(f.leiste->knoepfe()[0]->accessibleName(), fall.gross[0] + QString::fromUtf8(" einfügen"));
        QTest::keyClick(f.unten, Qt::Key_3, Qt::AltModifier);
        // Shift gives one letter the other case.
        QTest::mouseClick(f.leiste->knoepfe()[2], Qt::LeftButton, Qt::ShiftModifier);
        QTest::mouseClick(f.leiste->grossKnopf(), Qt::LeftButton);
        EXPECT_FALSE(f.leiste->gross());
        QTest::mouseClick(f.leiste->knoepfe()[2], Qt::LeftButton, Qt::ShiftModifier);
        EXPECT_EQ(f.unten->text(), fall.gross[2] + fall.klein[2] + fall.gross[2]);
    }
    // Letters without any case get no toggle.
    Fenster ohne({"¿", "¡"});
    EXPECT_FALSE(ohne.leiste->grossKnopf());
}

TEST(Zeichenleiste, OneTabStopArrowsAlongItSpaceTypes)
{
    Fenster f(Griechisch, 100); // a few buttons to a row
    f.unten->setText("x");
    f.unten->setFocus();
    QTest::keyClick(f.unten, Qt::Key_Tab);
    QList<QToolButton*> k = f.leiste->knoepfe();
    ASSERT_EQ(QApplication::focusWidget(), k[0]);
    qsizetype proReihe = 1;
    while (k[proReihe]->y() == k[0]->y())
        ++proReihe;
    ASSERT_LT(proReihe, 6);
    QTest::keyClick(k[0], Qt::Key_Right);
    QTest::keyClick(k[1], Qt::Key_Down);
    QToolButton* darunter = k[1 + proReihe];
    ASSERT_EQ(QApplication::focusWidget(), darunter);
    EXPECT_EQ(darunter->x(), k[1]->x());
    QTest::keyClick(darunter, Qt::Key_Space);
    EXPECT_EQ(f.unten->text(), "x" + darunter->text());
    EXPECT_EQ(QApplication::focusWidget(), darunter); // the next letter may follow
    // Back to the box, where typing goes on after the letter (nothing is selected to be
    // typed over), and into the bar again: Tab comes back to the letter last used.
    QTest::keyClick(darunter, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), f.unten);
    QTest::keyClick(f.unten, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(f.unten->text(), "x" + darunter->text() + k[0]->text());
    QTest::keyClick(f.unten, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), darunter);
    QTest::keyClick(darunter, Qt::Key_End);
    EXPECT_EQ(QApplication::focusWidget(), f.leiste->grossKnopf());
    QTest::keyClick(f.leiste->grossKnopf(), Qt::Key_Home);
    EXPECT_EQ(QApplication::focusWidget(), k[0]);
    // Tab leaves the bar at once, Shift+Tab goes back to the box.
    QTest::keyClick(k[0], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.unten);

    // The rows: no wider than the area, one under the other.
    EXPECT_LE(f.leiste->width(), 100);
    EXPECT_EQ(k[proReihe]->y(), k[0]->y() + k[0]->height() + 2);
    EXPECT_EQ(f.leiste->accessibleName(), "Sonderzeichen");
    EXPECT_EQ(k[0]->accessibleName(), QString::fromUtf8("α einfügen"));
    EXPECT_EQ(k[0]->toolTip(), QString::fromUtf8("α einfügen (Alt+1)"));
}

TEST(Zeichenleiste, WithoutLettersItIsHiddenAndNoTabStop)
{
    Fenster f({});
    EXPECT_TRUE(f.leiste->isHidden());
    f.unten->setFocus();
    QTest::keyClick(f.unten, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget()->parentWidget(), f.leiste);
    // Letters that come later (a guessed language) show it, and Alt+1 types.
    f.leiste->setZeichen(Tuerkisch);
    EXPECT_FALSE(f.leiste->isHidden());
    EXPECT_EQ(f.leiste->y(), 70);
    f.unten->setFocus();
    QTest::keyClick(f.unten, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(f.unten->text(), QString::fromUtf8("ç"));
}
