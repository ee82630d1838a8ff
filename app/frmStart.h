#pragma once
// The start screen: the hub every function is reached from.
#include <QMainWindow>
#include <QRect>
#include <QtGlobal>
#include <array>
#include <functional>

class QAction;
class QMenu;

namespace lerno {

class Heutezeile;
class LabelButton;
class PictureControl;

class frmStart : public QMainWindow {
    Q_OBJECT
public:
    frmStart();

    // False when start-up could not set up the list folder; the program then ends.
    bool bereit() const { return bereit_; }

    // Controls, public for the window tests.
    PictureControl* ImgBackground = nullptr;
    LabelButton* lblEingabe = nullptr;
    LabelButton* lblUeben1 = nullptr;
    LabelButton* lblUeben2 = nullptr;
    LabelButton* lblUeben3 = nullptr;
    LabelButton* lblLoeschen = nullptr;
    LabelButton* lblBearbeiten = nullptr;
    LabelButton* lblTest = nullptr;
    LabelButton* lblEnde = nullptr;
    // Today's words, after the first paint; starts "Heute üben" (also Alt+H).
    LabelButton* lblHeute = nullptr;

    QMenu* mnuDatei = nullptr;
    QAction* mnuVokEingabe = nullptr;
    QMenu* mnuVokUeb = nullptr;
    QAction* mnuUebe1 = nullptr;
    QAction* mnuUebe2 = nullptr;
    QAction* mnuUebe3 = nullptr;
    QAction* mnuHeute = nullptr;
    QAction* mnuDelFiles = nullptr;
    QAction* mnuVokBearn = nullptr;
    QAction* mnuVokTest = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuLernstand = nullptr;
    QAction* mnuKlassenarbeit = nullptr;
    QAction* mnuEnde = nullptr;
    QMenu* mnuOptionen = nullptr;
    QMenu* mnuSound = nullptr;
    QAction* mnuSoundan = nullptr;
    QAction* mnuSoundaus = nullptr;
    QMenu* mnuAussprache = nullptr;
    QAction* mnuAusspracheAn = nullptr;
    QAction* mnuAusspracheAus = nullptr;
    QAction* mnuListenSprache = nullptr;
    QAction* mnuGrosszuegig = nullptr; // "Antworten &großzügig prüfen", kept across starts
    QMenu* mnuInfo = nullptr;
    QAction* mnuIntro = nullptr;

    std::array<LabelButton*, 8> labels() const;
    Heutezeile* heutezeile = nullptr;

    // Test seam: what ending the program does (default: close all windows, let the
    // fanfare sound for a moment, leave the event loop).
    static inline std::function<void()> Programmende;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void menueAnlegen();
    void Form_Load();
    void Form_Resize();
    void HilfetexteSetzen();
    void LabelsZuruecksetzen();
    void labelMausBewegt(LabelButton* label);

    void lblEingabe_Click();
    void lblUeben_Click(qint16 stufe);
    void lblLoeschen_Click();
    void lblBearbeiten_Click();
    void lblTest_Click();
    void lblEnde_Click();
    void mnuIntro_Click();
    void mnuSoundan_Click();
    void mnuSoundaus_Click();
    void mnuAusspracheAn_Click();
    void mnuAusspracheAus_Click();
    void mnuListenSprache_Click();
    // Enables the pronunciation items once the voice is loaded, when an engine was found.
    void AusspracheMenueSetzen();

    static inline bool Hoverok = false;
    bool bereit_ = false;
    std::array<QRect, 8> entwurf_; // the labels' designed places
    QRect heuteEntwurf_;           // and that of today's line
};

} // namespace lerno
