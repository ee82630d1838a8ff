#include "editor/VokabelGrid.h"

#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace lerno {

namespace {

// Rows as high as the edit box, so the box covers its cell exactly.
constexpr int Zeilenhoehe = 375;
const QColor Festgrau{200, 200, 200};

QTableWidgetItem* Zelle(const QString& text)
{
    return new QTableWidgetItem(text);
}

} // namespace

VokabelGrid::VokabelGrid(QWidget* parent) : QTableWidget(parent)
{
    setFont(MsSansSerif(8.25));
    setColumnCount(4);
    setRowCount(1);
    // The fixed first row: an empty header, as high as a data row.
    setHorizontalHeaderLabels({QString(), QString(), QString(), QString()});
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(Px(Zeilenhoehe));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Px(Zeilenhoehe));
    // A 3-pixel frame is the 50 twips the edit box is set in from the grid's edges.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(Px(50));
    // The meaning column reaches under the vertical scroll bar; no sideways scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // A click must not scroll: the meaning column reaches under the scroll bar, and the
    // view would shift it sideways a moment later, which hides the edit box again.
    setAutoScroll(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);

    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int col) { emit zelleGeklickt(row + 1, col); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &VokabelGrid::gescrollt);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &VokabelGrid::gescrollt);
}

void VokabelGrid::Fuellen(const std::vector<GridZeile>& zeilen)
{
    setUpdatesEnabled(false);
    clearContents();
    clearSpans();
    fest_.clear();
    const int n = std::max<int>(1, int(zeilen.size()));
    setRowCount(n);
    for (int i = 0; i < int(zeilen.size()); ++i) {
        const GridZeile& z = zeilen[size_t(i)];
        if (z.Roh) {
            fest_.insert(i + 1);
            auto* zelle = Zelle(*z.Roh);
            zelle->setFlags(Qt::ItemIsEnabled);
            zelle->setBackground(Festgrau);
            zelle->setToolTip(QStringLiteral("Diese Zeile kann hier nicht bearbeitet werden und bleibt, wie sie ist. "
                                             "Mit Entf oder \u201EZeile löschen\u201C (rechte Maustaste) "
                                             "fällt sie beim Speichern weg."));
            setItem(i, 1, zelle);
            setSpan(i, 1, 1, 2);
            continue;
        }
        setItem(i, 1, Zelle(z.Vokabel));
        setItem(i, 2, Zelle(z.Bedeutung));
    }
    setUpdatesEnabled(true);
}

void VokabelGrid::ZeileLeeren(int row)
{
    if (row < 1 || row >= Rows())
        return;
    fest_.remove(row);
    setSpan(row - 1, 1, 1, 1);
    setItem(row - 1, 1, Zelle(QString()));
    setItem(row - 1, 2, Zelle(QString()));
}

QString VokabelGrid::TextMatrix(int row, int col) const
{
    if (verdeckt(col))
        return {};
    const QTableWidgetItem* zelle = row >= 1 ? item(row - 1, col) : nullptr;
    return zelle ? zelle->text() : QString();
}

void VokabelGrid::SetTextMatrix(int row, int col, const QString& text)
{
    if (row < 1 || row >= Rows() || IstFest(row) || verdeckt(col))
        return;
    if (QTableWidgetItem* zelle = item(row - 1, col))
        zelle->setText(text);
    else
        setItem(row - 1, col, Zelle(text));
}

int VokabelGrid::RowHeight(int row) const
{
    return row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
}

int VokabelGrid::RowPos(int row) const
{
    const int imViewport = row == 0 ? -horizontalHeader()->height() : rowViewportPosition(row - 1);
    // Inside the frame, as a row position counts from the grid's client area.
    return viewport()->mapTo(this, QPoint(0, imViewport)).y() - frameWidth();
}

} // namespace lerno
