#pragma once
// The overview "Lernstand": every list with its words per stage and its tests, and for the
// selected list its stage bar and grade chart; "Drucken …" puts that on one PDF page.
#include "lernstand/Uebersicht.h"

#include <QDialog>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;

namespace lerno {

class LabelButton;
class PictureControl;

// The stage bar of one list.
class Stufenbalken : public QWidget {
    Q_OBJECT
public:
    explicit Stufenbalken(QWidget* parent) : QWidget(parent) {}
    void setListe(const Listenstand* liste) { liste_ = liste; update(); }
protected:
    void paintEvent(QPaintEvent*) override;
private:
    const Listenstand* liste_ = nullptr;
};

// The grade chart of one list.
class Notenverlauf : public QWidget {
    Q_OBJECT
public:
    explicit Notenverlauf(QWidget* parent) : QWidget(parent) {}
    void setTests(const QList<Testeintrag>& tests) { tests_ = tests; update(); }
    // The points as drawn, in widget coordinates.
    QList<QPointF> punkte() const;
    QRectF plot() const;
protected:
    void paintEvent(QPaintEvent*) override;
private:
    QList<Testeintrag> tests_;
};

class frmLernstand : public QDialog {
    Q_OBJECT
public:
    // Reads the lists and the history of ordner.
    explicit frmLernstand(const QString& ordner, QWidget* parent = nullptr);

    enum Spalte { SpName, SpWoerter, SpStufe2, SpStufe3, SpNote, SpDatum, SpTests, SpFaellig, SpArbeit, SpErwartet,
                  Spalten };

    PictureControl* imgBackground = nullptr;
    QTableWidget* tblListen = nullptr;
    QLabel* lblListe = nullptr;
    Stufenbalken* picBalken = nullptr;
    Notenverlauf* picNoten = nullptr;
    LabelButton* lblDrucken = nullptr;
    LabelButton* lblSchliessen = nullptr;

    const Uebersicht& uebersicht() const { return uebersicht_; }
    // The selected list, or nullptr when the folder holds none.
    const Listenstand* gewaehlt() const;

    // Test seam: where "Drucken …" writes, instead of asking in a file dialog.
    static inline std::function<QString(const QString& vorschlag)> DruckzielFragen;

private:
    void TabelleFuellen();
    void Auswahl_Change();
    void lblDrucken_Click();
    void labelMausBewegt(LabelButton* l);
    void Hintergrund_MouseMove();
    void mouseMoveEvent(QMouseEvent* e) override;

    Uebersicht uebersicht_;
    bool Hoverok = false;
};

} // namespace lerno
