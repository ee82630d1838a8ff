#include "lernstand/frmLernstand.h"

#include "lernstand/Lernstandbild.h"
#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

namespace lerno {

namespace {

constexpr int Breite = 11730;
constexpr int Hoehe = 9375;

const QString Titel = QStringLiteral("Lernstand");

QTableWidgetItem* Zelle(const QString& text, Qt::Alignment ausrichtung)
{
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    z->setTextAlignment(ausrichtung | Qt::AlignVCenter);
    return z;
}

} // namespace

void Stufenbalken::paintEvent(QPaintEvent*)
{
    if (!liste_)
        return;
    QPainter p(this);
    StufenbalkenZeichnen(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), *liste_, 1.0);
}

QRectF Notenverlauf::plot() const
{
    return NotenPlot(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 1.0);
}

QList<QPointF> Notenverlauf::punkte() const { return NotenPunkte(plot(), tests_); }

void Notenverlauf::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    NotenverlaufZeichnen(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), tests_, 1.0);
}

frmLernstand::frmLernstand(const QString& ordner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(Titel);
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(Breite), Px(Hoehe));
    setMouseTracking(true);

    imgBackground = new PictureControl(this);
    imgBackground->setGeometry(0, 0, Px(Breite), Px(Hoehe));
    imgBackground->laden(modBackground::Hintergrund1Pfad);
    connect(imgBackground, &PictureControl::mausBewegt, this, &frmLernstand::Hintergrund_MouseMove);

    tblListen = new QTableWidget(0, Spalten, this);
    tblListen->setGeometry(TwRect(240, 240, Breite - 480, 3240));
    tblListen->setHorizontalHeaderLabels({QStringLiteral("Liste"), QStringLiteral("Wörter"),
                                          QStringLiteral("in Stufe 2"), QStringLiteral("in Stufe 3"),
                                          QStringLiteral("letzte Note"), QStringLiteral("am"),
                                          QStringLiteral("Tests"), QStringLiteral("heute fällig"),
                                          QStringLiteral("Klassenarbeit"), QStringLiteral("erwartete Note")});
    // What the counts are: the words each practice stage asks, as in the bar's legend.
    tblListen->horizontalHeaderItem(SpStufe2)->setToolTip(QStringLiteral("Wörter, die \u201EVokabeln üben 2\u201C abfragt"));
    tblListen->horizontalHeaderItem(SpStufe3)->setToolTip(
        QStringLiteral("Wörter, die \u201EVokabeln üben 3\u201C abfragt; sie sind auch in Stufe 2"));
    tblListen->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblListen->setSelectionMode(QAbstractItemView::SingleSelection);
    tblListen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblListen->verticalHeader()->hide();
    tblListen->setWordWrap(false);
    tblListen->setShowGrid(false);
    tblListen->setAlternatingRowColors(true);
    // The chosen row stays readable: dark text on a light yellow, also without focus.
    QPalette farben = tblListen->palette();
    for (auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        farben.setColor(gruppe, QPalette::Highlight, QColor(255, 226, 120));
        farben.setColor(gruppe, QPalette::HighlightedText, Qt::black);
        farben.setColor(gruppe, QPalette::AlternateBase, QColor(242, 242, 236));
    }
    tblListen->setPalette(farben);
    tblListen->setFont(MsSansSerif(10));
    tblListen->horizontalHeader()->setFont(MsSansSerif(10, true));
    tblListen->horizontalHeader()->setMinimumSectionSize(Px(840)); // room around the short numbers, ten columns in all
    tblListen->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblListen->horizontalHeader()->setSectionResizeMode(SpName, QHeaderView::Stretch);
    tblListen->setAccessibleName(QStringLiteral("Listen"));

    lblListe = GelbeBeschriftung(QString(), this, MsSansSerif(12, true));
    lblListe->setTextFormat(Qt::PlainText); // list names are the pupil's, not markup
    lblListe->setGeometry(TwRect(240, 3600, Breite - 480, 330));

    picBalken = new Stufenbalken(this);
    picBalken->setGeometry(TwRect(240, 3960, Breite - 480, 750));
    picNoten = new Notenverlauf(this);
    picNoten->setGeometry(TwRect(240, 4860, Breite - 480, 3630));

    lblDrucken = new LabelButton(QStringLiteral("Drucken …"), this, 6600, 8700, 1800, 300);
    lblSchliessen = new LabelButton(QStringLiteral("Schließen"), this, 8880, 8700, 1800, 300);
    connect(lblDrucken, &LabelButton::clicked, this, &frmLernstand::lblDrucken_Click);
    connect(lblSchliessen, &LabelButton::clicked, this, &QDialog::accept);
    for (LabelButton* l : {lblDrucken, lblSchliessen})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });

    uebersicht_ = UebersichtLesen(ordner);
    TabelleFuellen();
    connect(tblListen, &QTableWidget::itemSelectionChanged, this, &frmLernstand::Auswahl_Change);
    if (tblListen->rowCount() > 0)
        tblListen->selectRow(0);
    Auswahl_Change();
}

void frmLernstand::TabelleFuellen()
{
    tblListen->setRowCount(int(uebersicht_.Listen.size()));
    for (int r = 0; r < tblListen->rowCount(); ++r) {
        const Listenstand& l = uebersicht_.Listen[r];
        const Testeintrag* letzter = l.letzterTest();
        tblListen->setItem(r, SpName, Zelle(l.Name, Qt::AlignLeft));
        tblListen->setItem(r, SpWoerter, Zelle(Anzahl(l.Stufen[0]), Qt::AlignRight));
        tblListen->setItem(r, SpStufe2, Zelle(Anzahl(l.Stufen[1]), Qt::AlignRight));
        tblListen->setItem(r, SpStufe3, Zelle(Anzahl(l.Stufen[2]), Qt::AlignRight));
        tblListen->setItem(r, SpNote,
                           Zelle(letzter ? NoteAnzeigen(letzter->Note) : QStringLiteral("–"), Qt::AlignHCenter));
        tblListen->setItem(r, SpDatum,
                           Zelle(letzter ? Datum(letzter->Zeitpunkt) : QStringLiteral("–"), Qt::AlignHCenter));
        tblListen->setItem(r, SpTests, Zelle(QString::number(l.Tests.size()), Qt::AlignRight));
        tblListen->setItem(r, SpFaellig, Zelle(FaelligText(l), Qt::AlignRight));
        tblListen->setItem(r, SpArbeit, Zelle(ArbeitText(l), Qt::AlignHCenter));
        tblListen->setItem(r, SpErwartet, Zelle(PrognoseText(l), Qt::AlignHCenter));
        tblListen->item(r, SpErwartet)->setToolTip(l.Klassenarbeit.isValid()
                                                       ? QStringLiteral("am Tag der Klassenarbeit, ohne weiteres Üben")
                                                       : QStringLiteral("wenn der Test heute wäre"));
        // Odd lines are noted where they are counted, not reported one by one.
        QStringList hinweis;
        if (l.lesefehler())
            hinweis << QStringLiteral("Eine Datei der Liste kann nicht gelesen werden.");
        if (l.ungueltig() > 0)
            hinweis << (l.ungueltig() == 1
                            ? QStringLiteral("1 Zeile ist keine Vokabel und wird nicht gezählt.")
                            : QStringLiteral("%1 Zeilen sind keine Vokabeln und werden nicht gezählt.").arg(l.ungueltig()));
        if (!hinweis.isEmpty())
            for (int s = SpWoerter; s <= SpStufe3; ++s)
                tblListen->item(r, s)->setToolTip(hinweis.join(u'\n'));
    }
}

const Listenstand* frmLernstand::gewaehlt() const
{
    const auto zeilen = tblListen->selectionModel()->selectedRows();
    if (zeilen.isEmpty())
        return nullptr;
    const int r = zeilen.constFirst().row();
    return r >= 0 && r < uebersicht_.Listen.size() ? &uebersicht_.Listen[r] : nullptr;
}

void frmLernstand::Auswahl_Change()
{
    const Listenstand* l = gewaehlt();
    picBalken->setVisible(l);
    picNoten->setVisible(l);
    lblDrucken->setVisible(l);
    if (!l) {
        lblListe->setText(QStringLiteral("Im Ordner Vokabeln liegt noch keine Liste."));
        return;
    }
    const qsizetype woerter = l->Stufen[0].Woerter;
    const qsizetype tests = l->Tests.size();
    lblListe->setText(QStringLiteral("%1: %2 %3, %4 %5")
                          .arg(l->Name)
                          .arg(woerter)
                          .arg(woerter == 1 ? QStringLiteral("Wort") : QStringLiteral("Wörter"))
                          .arg(tests)
                          .arg(tests == 1 ? QStringLiteral("Test") : QStringLiteral("Tests")));
    picBalken->setListe(l);
    picNoten->setTests(l->Tests);
}

void frmLernstand::lblDrucken_Click()
{
    const Listenstand* l = gewaehlt();
    if (!l)
        return;
    const QString vorschlag = QStringLiteral("Lernstand %1.pdf").arg(l->Name);
    QString ziel;
    if (DruckzielFragen) {
        ziel = DruckzielFragen(vorschlag);
    } else {
        QFileDialog dialog(this, QStringLiteral("Lernstand drucken"), QDir::homePath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters({QStringLiteral("PDF-Datei (*.pdf)")});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(vorschlag);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            ziel = dialog.selectedFiles().constFirst();
    }
    if (ziel.isEmpty())
        return;
    const QString name = QFileInfo(ziel).fileName();
    if (!LernstandPdfSchreiben(ziel, *l, QDateTime::currentDateTime())) {
        MeldungZeigen(this, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(name),
                      QStringLiteral("Lernstand drucken"));
        return;
    }
    MeldungZeigen(this, QStringLiteral("Der Lernstand von „%1“ steht zum Drucken in „%2“.").arg(l->Name, name),
                  QStringLiteral("Lernstand drucken"));
}

void frmLernstand::labelMausBewegt(LabelButton* l) { HoverLabel(l, Hoverok); }

void frmLernstand::Hintergrund_MouseMove() { HoverHintergrund(Hoverok, {lblDrucken, lblSchliessen}); }

void frmLernstand::mouseMoveEvent(QMouseEvent*) { Hintergrund_MouseMove(); }

} // namespace lerno
