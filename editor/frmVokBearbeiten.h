#pragma once
// The editor window: the list's pairs in a grid, an edit box laid over the clicked
// cell that copies every keystroke into it, and the save question. The rows belong to
// the editor module, which hands them in together with its save: the window includes
// nothing of the module.
#include "editor/Editorliste.h"

#include <QDialog>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lerno {

class LabelButton;
class PictureControl;
class VokabelGrid;
class Zeichenleiste;

class frmVokBearbeiten : public QDialog {
    Q_OBJECT
public:
    // What "Ja" does: writes the rows back, reports what went wrong, and says whether
    // the window may close.
    using Speichern = std::function<bool(frmVokBearbeiten&)>;

    // Shows zeilen, the rows of the list (its .dva path), in the grid; every edit goes
    // into them at once.
    frmVokBearbeiten(const QString& liste, std::vector<GridZeile>& zeilen, Speichern speichern,
                     QWidget* parent = nullptr);

    QString liste() const { return liste_; }

    PictureControl* imgBackground = nullptr;
    VokabelGrid* GrdVok = nullptr;
    QLineEdit* txtVokabel = nullptr;
    QLabel* lblFrage = nullptr;
    LabelButton* LblJa = nullptr;
    LabelButton* lblNein = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblCancle = nullptr;
    QPushButton* cmdok = nullptr;
    QPushButton* cmdCancle = nullptr;
    QAction* mnuAnhoeren = nullptr; // F5 and the grid's context menu
    QAction* mnuZeileLoeschen = nullptr; // Delete in the grid and its context menu
    Zeichenleiste* leiste = nullptr; // the list's letters, for the edit box, under the grid
    // The list's language (German name), set by the module: the voice of the foreign words.
    QString Sprache;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void Form_Resize();
    void GrdVok_Click(int row, int col);
    void GrdVok_Scroll();
    void txtVokabel_Change(const QString& text);
    void lblok_Click();
    void LblJa_Click();
    void lblNein_Click();
    void lblCancle_Click();
    void cmdok_Click();
    void VokabelAnhoeren();
    void ZeileLoeschen();
    void imgBackground_MouseMove();
    void labelMausBewegt(LabelButton* l);
    void frageZeigen(bool zeigen);

    QString liste_;
    std::vector<GridZeile>& zeilen_;
    Speichern speichern_;
    static inline bool Hoverok = false;
    // The cell the box lies over. Not 16-bit: a long list has more rows than that.
    int zeile_ = 0;
    int spalte_ = 0;
};

} // namespace lerno
