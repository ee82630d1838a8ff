#pragma once
// The editor window: the list's pairs in a grid, an edit box laid over the clicked
// cell that copies every keystroke into it, and the save question.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lerno {

class LabelButton;
class PictureControl;
class VokabelGrid;

class frmVokBearbeiten : public QDialog {
    Q_OBJECT
public:
    // Loads modBearbeiten::BearbeitenDatei into the grid.
    explicit frmVokBearbeiten(QWidget* parent = nullptr);

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
    void imgBackground_MouseMove();
    void labelMausBewegt(LabelButton* l);
    void frageZeigen(bool zeigen);

    static inline bool Hoverok = false;
    // The cell the box lies over. Not 16-bit: a long list has more rows than that.
    int zeile_ = 0;
    int spalte_ = 0;
};

} // namespace lerno
