// "Klassenarbeit planen": a plan set from the keyboard, shown again, changed and removed;
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
    void TearDown() override
    {
        SetzeErsetzenFehlerHook(nullptr);
        UiTest::TearDown();
    }
    QString liste = ordner.datei("Unit 3.dva");
};

TEST_F(Klassenarbeitsplan, APlanIsSetShownAgainChangedAndRemoved)
{
    {
        dlgKlassenarbeit d(liste, nullptr, Heute);
        d.show();
        QApplication::setActiveWindow(&d);
        EXPECT_EQ(d.lblFrage->text(), QString::fromUtf8("Klassenarbeit über „Unit 3“"));
        EXPECT_EQ(d.datDatum->date(), Heute.addDays(7)) << "a week ahead to begin with";
        EXPECT_TRUE(d.spnHoechstens->value() == 20 && d.lblLoeschen->isHidden());
        // The day typed the German way, Tab, the number of words, Enter for "ok".
        d.datDatum->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(d.datDatum, "20.03.2026");
        QTest::keyClick(d.datDatum, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), d.spnHoechstens);
        d.spnHoechstens->selectAll();
        QTest::keyClicks(d.spnHoechstens, "12");
        QTest::keyClick(d.spnHoechstens, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(LiesBytes(ordner.datei("Klassenarbeiten.txt")), "2026-03-20\t12\tUnit 3.dva\r\n");
    {
        dlgKlassenarbeit d(liste, nullptr, Heute);
        EXPECT_TRUE(d.datDatum->date() == QDate(2026, 3, 20) && d.spnHoechstens->value() == 12);
        EXPECT_EQ(d.lblStand->text(), QString::fromUtf8("Geplant: Freitag, 20.03.2026, höchstens 12 Wörter am Tag."));
        d.datDatum->setDate(Heute.addDays(-3));
        EXPECT_EQ(d.datDatum->date(), Heute) << "never a day in the past";
        Klick(d.lblok);
    }
    EXPECT_EQ(Klassenarbeit::PlanLesen(liste), (Klassenarbeit::Plan{Heute, 12}));
    {
        // The day after the test: over, and a new date starts a week ahead.
        dlgKlassenarbeit d(liste, nullptr, Heute.addDays(1));
        EXPECT_EQ(d.lblStand->text(), QString::fromUtf8("Die Klassenarbeit am Montag, 02.03.2026 ist vorbei."));
        EXPECT_EQ(d.datDatum->date(), Heute.addDays(8));
        Klick(d.lblLoeschen);
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
