#pragma once
// "Klassenarbeit planen": the day of a list's class test and how many words a day at most
// ("Klassenarbeiten.txt" beside the lists). Shows the list's plan when it has one; "ok"
// keeps the plan, "Klassenarbeit löschen" removes it, each written at once (a failed write
// is reported and the dialog stays open).
#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

namespace lerno {

class LabelButton;
class PictureControl;

class dlgKlassenarbeit : public QDialog {
    Q_OBJECT
public:
    // liste: the list's .dva; heute: the first day the test may be on.
    dlgKlassenarbeit(const QString& liste, QWidget* parent = nullptr, QDate heute = QDate::currentDate());

    PictureControl* hintergrund = nullptr;
    QLabel* lblFrage = nullptr;
    QLabel* lblDatum = nullptr;
    QDateEdit* datDatum = nullptr;
    QLabel* lblHoechstens = nullptr;
    QSpinBox* spnHoechstens = nullptr;
    QLabel* lblWoerter = nullptr;
    QLabel* lblStand = nullptr; // what is planned now
    LabelButton* lblAbbrechen = nullptr;
    LabelButton* lblLoeschen = nullptr;
    LabelButton* lblok = nullptr;
    QPushButton* cmdok = nullptr; // Enter

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void lblok_Click();
    void lblLoeschen_Click();
    void Hintergrund_MouseMove();

    QString liste_;
    bool Hoverok = false;
};

} // namespace lerno
