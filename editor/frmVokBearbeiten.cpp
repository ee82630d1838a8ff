#include "editor/frmVokBearbeiten.h"

#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/Zeichenleiste.h"
#include "ui/modBackground.h"
#include "editor/VokabelGrid.h"
#include "ui/modAussprache.h"
#include "lists/Listensprache.h"

#include <QAction>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace lerno {

namespace {
constexpr int Breite = 11025;
constexpr int Hoehe = 7410;
} // namespace

frmVokBearbeiten::frmVokBearbeiten(const QString& liste, std::vector<GridZeile>& zeilen, Speichern speichern,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      liste_(liste), zeilen_(zeilen), speichern_(std::move(speichern))
{
    setWindowTitle(QStringLiteral("Vokabeln Bearbeiten"));
    setWindowIcon(Fenstersymbol());
    modAussprache::AusspracheVorbereiten(); // a window that speaks: the voice connects now
    resize(Px(Breite), Px(Hoehe));
    setMinimumSize(Px(Breite), Px(Hoehe));
    setMouseTracking(true);

    imgBackground = new PictureControl(this);
    connect(imgBackground, &PictureControl::mausBewegt, this, &frmVokBearbeiten::imgBackground_MouseMove);

    GrdVok = new VokabelGrid(this);
    GrdVok->setGeometry(TwRect(1800, 600, 7005, 4460));
    connect(GrdVok, &VokabelGrid::zelleGeklickt, this, &frmVokBearbeiten::GrdVok_Click);
    connect(GrdVok, &VokabelGrid::gescrollt, this, &frmVokBearbeiten::GrdVok_Scroll);
    // The current row's foreign word, heard by F5 anywhere in the window or from the grid's menu.
    mnuAnhoeren = new QAction(QStringLiteral("Vokabel anhören"), GrdVok);
    mnuAnhoeren->setShortcut(QKeySequence(Qt::Key_F5));
    mnuAnhoeren->setShortcutContext(Qt::WindowShortcut);
    GrdVok->addAction(mnuAnhoeren);
    GrdVok->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuAnhoeren, &QAction::triggered, this, &frmVokBearbeiten::VokabelAnhoeren);
    // The one way to remove a line that cannot be shown as a pair; for a pair the same as
    // emptying its word and meaning. Only in the grid: Delete in the edit box deletes text.
    mnuZeileLoeschen = new QAction(QStringLiteral("Zeile löschen"), GrdVok);
    mnuZeileLoeschen->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuZeileLoeschen->setShortcutContext(Qt::WidgetShortcut);
    GrdVok->addAction(mnuZeileLoeschen);
    connect(mnuZeileLoeschen, &QAction::triggered, this, &frmVokBearbeiten::ZeileLoeschen);

    txtVokabel = new QLineEdit(this);
    txtVokabel->setFont(TimesNewRoman(12, true));
    txtVokabel->setGeometry(TwRect(360, 1440, 735, 375));
    // Whatever length a list holds: the box's default of 32767 would cut a long word.
    txtVokabel->setMaxLength(std::numeric_limits<int>::max());
    txtVokabel->hide();
    connect(txtVokabel, &QLineEdit::textChanged, this, &frmVokBearbeiten::txtVokabel_Change);

    lblFrage = GelbeBeschriftung(QStringLiteral("Sollen deine Vokabeln so gespeichert werden ???"),
                                 this, MsSansSerif(12, true));
    lblFrage->setGeometry(TwRect(3360, 5040, 3855, 720));
    lblFrage->setAlignment(Qt::AlignCenter);
    lblFrage->setWordWrap(true);

    LblJa = new LabelButton(QStringLiteral("Ja"), this, 6120, 5880, 675, 300);
    lblNein = new LabelButton(QStringLiteral("Nein"), this, 3750, 5880, 855, 300);
    lblok = new LabelButton(QStringLiteral("ok"), this, 8160, 6480, 1395, 300);
    lblCancle = new LabelButton(QStringLiteral("Abbrechen"), this, 1080, 6480, 1425, 300);
    connect(LblJa, &LabelButton::clicked, this, &frmVokBearbeiten::LblJa_Click);
    connect(lblNein, &LabelButton::clicked, this, &frmVokBearbeiten::lblNein_Click);
    connect(lblok, &LabelButton::clicked, this, &frmVokBearbeiten::lblok_Click);
    connect(lblCancle, &LabelButton::clicked, this, &frmVokBearbeiten::lblCancle_Click);
    for (LabelButton* l : {LblJa, lblNein, lblok, lblCancle})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
    // Read top to bottom, left to right.
    Tabfolge({GrdVok, txtVokabel, lblNein, LblJa, lblCancle, lblok});
    // Above the save question, wider than the grid; the grid gives its lowest rows to the
    // bar, nothing else moves.
    leiste = ZeichenleisteAnlegen(this, {txtVokabel}, ListenZeichen(liste_), TwRect(600, 0, 9825, 0), txtVokabel);
    if (!leiste->isHidden()) {
        leiste->move(leiste->x(), lblFrage->y() - Px(45) - leiste->height());
        GrdVok->resize(GrdVok->width(), leiste->y() - Px(45) - GrdVok->y());
    }

    // Beyond the designed area and never the default: Enter in the edit box must not
    // close the window. Hidden too, so an enlarged window does not reveal them.
    cmdok = KnopfAusserhalb(QStringLiteral("ok"), this, 11640, 720, false);
    connect(cmdok, &QPushButton::clicked, this, &frmVokBearbeiten::cmdok_Click);
    cmdCancle = KnopfAusserhalb(QStringLiteral("Abbrecchen"), this, 11760, 120, false);
    cmdok->hide();
    cmdCancle->hide();

    Form_Load();
}

void frmVokBearbeiten::Form_Load()
{
    imgBackground->laden(modBackground::Hintergrund1Pfad);
    frageZeigen(false);
    imgBackground->setGeometry(0, 0, width(), height());
    imgBackground->lower();
    // Column widths from the grid's width, then the module's rows.
    const int halb = Px(HalbeGridbreite(Tw(GrdVok->width())));
    GrdVok->SetColWidth(0, 0);
    GrdVok->SetColWidth(3, 0);
    GrdVok->SetColWidth(1, halb);
    GrdVok->SetColWidth(2, halb);
    GrdVok->Fuellen(zeilen_);
}

void frmVokBearbeiten::Form_Resize()
{
    // A pending question is withdrawn; nothing but the picture follows the size.
    frageZeigen(false);
    imgBackground->setGeometry(0, 0, width(), height());
    imgBackground->lower();
}

void frmVokBearbeiten::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Form_Resize();
}

void frmVokBearbeiten::frageZeigen(bool zeigen)
{
    lblFrage->setVisible(zeigen);
    LblJa->setVisible(zeigen);
    lblNein->setVisible(zeigen);
}

void frmVokBearbeiten::GrdVok_Click(int row, int col)
{
    // A line kept as it was loaded cannot be edited into a broken record.
    if (row < 1 || size_t(row) > zeilen_.size() || zeilen_[size_t(row - 1)].Roh || (col != 1 && col != 2)) {
        txtVokabel->hide();
        return;
    }
    txtVokabel->show();
    txtVokabel->raise();
    zeile_ = row;
    spalte_ = col;
    const GridZeile& z = zeilen_[size_t(row - 1)];
    txtVokabel->setText(col == 1 ? z.Vokabel : z.Bedeutung);
    const QRect grid = GrdVok->geometry();
    int breite = GrdVok->ColWidth(col) - GrdVok->GridLineWidth();
    const int oben = grid.top() + GrdVok->RowPos(row) + Px(50);
    int links = grid.left() + Px(50);
    if (col != 1) {
        links = grid.left() + GrdVok->ColWidth(col) + Px(50);
        breite -= Px(300); // clear of the vertical scroll bar
    }
    txtVokabel->setGeometry(links, oben, breite, GrdVok->RowHeight(row));
    txtVokabel->setFocus();
}

void frmVokBearbeiten::GrdVok_Scroll()
{
    txtVokabel->hide();
}

void frmVokBearbeiten::txtVokabel_Change(const QString& text)
{
    if (zeile_ < 1 || size_t(zeile_) > zeilen_.size() || zeilen_[size_t(zeile_ - 1)].Roh)
        return;
    GridZeile& z = zeilen_[size_t(zeile_ - 1)];
    (spalte_ == 1 ? z.Vokabel : z.Bedeutung) = text;
    GrdVok->SetTextMatrix(zeile_, spalte_, text);
}

void frmVokBearbeiten::lblok_Click()
{
    frageZeigen(true);
}

void frmVokBearbeiten::LblJa_Click()
{
    // A refused cell or a file error keeps the window open with everything typed.
    if (!speichern_ || !speichern_(*this)) {
        frageZeigen(false);
        return;
    }
    cmdok->click();
}

void frmVokBearbeiten::lblNein_Click()
{
    frageZeigen(false);
}

void frmVokBearbeiten::lblCancle_Click()
{
    reject();
}

void frmVokBearbeiten::VokabelAnhoeren()
{
    const int row = GrdVok->Row();
    if (row >= 1 && row < GrdVok->Rows())
        modAussprache::Aussprechen(GrdVok->TextMatrix(row, 1), SprachCode(Sprache));
}

void frmVokBearbeiten::ZeileLoeschen()
{
    const int row = GrdVok->Row();
    if (row < 1 || size_t(row) > zeilen_.size())
        return;
    // An empty row is written not at all; its line end goes with it.
    GridZeile& z = zeilen_[size_t(row - 1)];
    const QByteArray ende = z.Ende;
    z = GridZeile{};
    z.Ende = ende;
    GrdVok->ZeileLeeren(row);
    if (zeile_ == row)
        txtVokabel->hide();
}

void frmVokBearbeiten::cmdok_Click()
{
    accept();
}

void frmVokBearbeiten::keyPressEvent(QKeyEvent* e)
{
    // Escape only leaves the cell: a stray key must not throw away the edits.
    if (e->key() == Qt::Key_Escape) {
        txtVokabel->hide();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmVokBearbeiten::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    imgBackground_MouseMove();
}

void frmVokBearbeiten::imgBackground_MouseMove()
{
    Hoverok = true;
    lblok->zuruecksetzenWennFett(12, false);
    lblCancle->zuruecksetzenWennFett(12, false);
    // "Ja" and "Nein" go back to 12 pt but stay bold.
    lblNein->zuruecksetzenWennFett(12, true);
    LblJa->zuruecksetzenWennFett(12, true);
}

void frmVokBearbeiten::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok, false, 14);
}

} // namespace lerno
