// "Klassenarbeit planen": a plan set, shown again, changed and removed from the keyboard;
// never a day in the past; a failed write keeps the dialog open.
#include "common/UiHilfen.h"
#include "learning/Klassenarbeit.h"
#include "lernstand/dlgKlassenarbeit.h"
#include "lists/DateiErsetzen.h"
#include "ui/LabelButton.h"

#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

const QDate Heute(2026, 3, 2);

class Klassenarbeitsplan : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SchreibeBytes(liste, CpZeilen({"001#a#b#0#0#"}));
    }
    void TearDown() override
    {
        SetzeErsetzenFehlerHook(nullptr);
        UiTest::TearDown();
    }
    QString liste = ordner.datei("Unit 3.dva");
};

// Types German text into the focused widget, key by key.
void Tippen(QWidget* w, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

TEST_F(Klassenarbeitsplan, APlanIsSetShownAgainChangedAndRemoved)
{
    {
        dlgKlassenarbeit d(liste, nullptr, Heute);
        d.show();
        QApplication::setActiveWindow(&d);
        EXPECT_EQ(d.lblFrage->text(), QString::fromUtf8("Klassenarbeit über „Unit 3“"));
        EXPECT_EQ(d.datDatum->date(), Heute.addDays(7)) << "a week ahead to begin with";
        EXPECT_EQ(d.spnHoechstens->value(), 20);
        EXPECT_TRUE(d.lblLoeschen->isHidden());
        // The date in German, typed; the number of words; Enter is "ok".
        d.datDatum->setFocus();
        d.datDatum->setSelectedSection(QDateTimeEdit::DaySection);
        Tippen(d.datDatum, "20.03.2026");
        QTest::keyClick(d.datDatum, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), d.spnHoechstens);
        d.spnHoechstens->selectAll();
        Tippen(d.spnHoechstens, "12");
        QTest::keyClick(d.spnHoechstens, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(LiesBytes(ordner.datei("Klassenarbeiten.txt")), "2026-03-20\t12\tUnit 3.dva\r\n");

    {
        dlgKlassenarbeit d(liste, nullptr, Heute);
        EXPECT_EQ(d.datDatum->date(), QDate(2026, 3, 20));
        EXPECT_EQ(d.spnHoechstens->value(), 12);
        EXPECT_EQ(d.lblStand->text(), QString::fromUtf8("Geplant: Freitag, 20.03.2026, höchstens 12 Wörter am Tag."));
        EXPECT_FALSE(d.lblLoeschen->isHidden());
        d.datDatum->setDate(Heute.addDays(-3));
        EXPECT_EQ(d.datDatum->date(), Heute) << "never a day in the past";
        Klick(d.lblok);
    }
    EXPECT_EQ(Klassenarbeit::PlanLesen(liste), (Klassenarbeit::Plan{Heute, 12}));

    // Seen the day after the test: over, and a new date starts a week ahead.
    {
        dlgKlassenarbeit d(liste, nullptr, Heute.addDays(1));
        EXPECT_EQ(d.lblStand->text(), QString::fromUtf8("Die Klassenarbeit am Montag, 02.03.2026 ist vorbei."));
        EXPECT_EQ(d.datDatum->date(), Heute.addDays(8));
        Klick(d.lblLoeschen);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(Klassenarbeit::PlanLesen(liste).has_value());
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Klassenarbeitsplan, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    dlgKlassenarbeit d(liste, nullptr, Heute);
    d.show();
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) { return s != ErsetzenSchritt::Umbenennen; });
    Klick(d.lblok);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{"Die Klassenarbeit wurde nicht gespeichert.", "Dateifehler"}}));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(Klassenarbeit::PlanLesen(liste).has_value());
}

} // namespace
