#pragma once
// The editor's grid: a table that speaks in rows 1..n below one fixed, empty header
// row and four columns (number, word, meaning, counters), in pixels. It only shows the
// editor's rows: the hidden number and counter columns stay with the rows themselves.
// Lines of the file that cannot be split are shown greyed across word and meaning and
// are not editable; they can only be deleted.
#include "editor/Editorliste.h"

#include <QSet>
#include <QTableWidget>
#include <vector>

namespace lerno {

class VokabelGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit VokabelGrid(QWidget* parent = nullptr);

    // Row count including the fixed header row, as the window sees it.
    int Rows() const { return rowCount() + 1; }

    // Fills the grid in one go: the row count is set once. No rows give one empty row.
    void Fuellen(const std::vector<GridZeile>& zeilen);
    // The text a word or meaning cell shows; the hidden columns show none.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    bool IstFest(int row) const { return fest_.contains(row); }
    // Shows a row as an empty pair that can be typed into: what a deleted row becomes.
    void ZeileLeeren(int row);

    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int breite) { setColumnWidth(col, breite); }
    int RowHeight(int row) const;
    // Top of a row measured from the top of the grid's client area, inside its frame
    // (scrolling included).
    int RowPos(int row) const;
    int GridLineWidth() const { return 1; }

    // The last row and column clicked or made current.
    int Row() const { return currentRow() + 1; }
    int Col() const { return currentColumn(); }

signals:
    // A click on a data cell, in grid rows (from 1) and columns.
    void zelleGeklickt(int row, int col);
    // The visible part moved.
    void gescrollt();

private:
    // The hidden number and counter columns (width 0) hold no table items: half as many
    // items to build makes a long list open twice as fast.
    static bool verdeckt(int col) { return col == 0 || col == 3; }

    QSet<int> fest_; // grid rows of kept lines
};

} // namespace lerno
