#include "transfer/dlgImportVorschau.h"

#include "transfer/Fortschritt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lerno {

namespace {

const Kodierung Kodierungen[] = {Kodierung::Utf8, Kodierung::Utf16LE, Kodierung::Utf16BE, Kodierung::Windows1252,
                                 Kodierung::MacRoman};

struct Trenner {
    QChar zeichen;
    const char* name;
};
const Trenner TrennerListe[] = {{u';', "Semikolon ( ; )"}, {u',', "Komma ( , )"}, {u'\t', "Tabulator"},
                                {u'|', "Senkrechter Strich ( | )"}, {u':', "Doppelpunkt ( : )"}};

// Cells show words exactly as read: never as rich text, whatever the file holds.
QTableWidgetItem* Zelle(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidget* Tabelle(QWidget* parent)
{
    auto* t = new QTableWidget(parent);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setWordWrap(false);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    // Tab leaves the table instead of walking its cells.
    t->setTabKeyNavigation(false);
    return t;
}

} // namespace

dlgImportVorschau::dlgImportVorschau(ImportVorlage vorlage, QWidget* parent, std::optional<ImportUebersicht> stand)
    : QDialog(parent), vorlage_(std::move(vorlage))
{
    setWindowTitle(QStringLiteral("Import-Vorschau"));
    auto* layout = new QVBoxLayout(this);

    // How the file is read.
    auto* lesen = new QHBoxLayout;
    cboKodierung = new QComboBox(this);
    for (const Kodierung k : Kodierungen)
        cboKodierung->addItem(KodierungName(k), static_cast<int>(k));
    cboTrenner = new QComboBox(this);
    for (const Trenner& t : TrennerListe)
        cboTrenner->addItem(QString::fromUtf8(t.name), QString(t.zeichen));
    auto* lblKodierung = new QLabel(QStringLiteral("&Zeichenkodierung:"), this);
    lblKodierung->setBuddy(cboKodierung);
    auto* lblTrenner = new QLabel(QStringLiteral("&Trennzeichen:"), this);
    lblTrenner->setBuddy(cboTrenner);
    chkKopfzeile = new QCheckBox(QStringLiteral("Erste Zeile enthält Überschriften"), this);
    chkKopfzeile->setShortcut(QKeySequence(Qt::ALT | Qt::Key_E));
    lesen->addWidget(lblKodierung);
    lesen->addWidget(cboKodierung);
    lesen->addSpacing(16);
    lesen->addWidget(lblTrenner);
    lesen->addWidget(cboTrenner);
    lesen->addSpacing(16);
    lesen->addWidget(chkKopfzeile);
    lesen->addStretch();
    layout->addLayout(lesen);
    // KVTML is XML: its encoding and columns come from the file itself.
    cboKodierung->setEnabled(!vorlage_.kvtml);
    cboTrenner->setEnabled(!vorlage_.kvtml);
    chkKopfzeile->setEnabled(!vorlage_.kvtml);

    auto* lblDatei = new QLabel(QStringLiteral("In der &Datei:"), this);
    tblDatei = Tabelle(this);
    lblDatei->setBuddy(tblDatei);
    layout->addWidget(lblDatei);
    layout->addWidget(tblDatei, 3);

    // Which column is which.
    auto* spalten = new QHBoxLayout;
    cboVokabel = new QComboBox(this);
    cboBedeutung = new QComboBox(this);
    auto* lblVokabel = new QLabel(QStringLiteral("&Vokabel aus Spalte"), this);
    lblVokabel->setBuddy(cboVokabel);
    auto* lblBedeutung = new QLabel(QStringLiteral("&Bedeutung aus Spalte"), this);
    lblBedeutung->setBuddy(cboBedeutung);
    cmdTauschen = new QPushButton(QStringLiteral("Spalten &tauschen"), this);
    cmdTauschen->setAutoDefault(false);
    spalten->addWidget(lblVokabel);
    spalten->addWidget(cboVokabel, 1);
    spalten->addSpacing(16);
    spalten->addWidget(lblBedeutung);
    spalten->addWidget(cboBedeutung, 1);
    spalten->addSpacing(16);
    spalten->addWidget(cmdTauschen);
    layout->addLayout(spalten);

    auto* lblPaare = new QLabel(QStringLiteral("So werden die Vokabeln &gespeichert:"), this);
    tblPaare = Tabelle(this);
    tblPaare->setColumnCount(4);
    tblPaare->setHorizontalHeaderLabels({vorlage_.tabelle.eintraege ? QStringLiteral("Eintrag") : QStringLiteral("Zeile"),
                                         QStringLiteral("Vokabel"), QStringLiteral("Bedeutung"),
                                         QStringLiteral("Übersprungen, weil")});
    lblPaare->setBuddy(tblPaare);
    layout->addWidget(lblPaare);
    layout->addWidget(tblPaare, 4);

    lblAnzahl = new QLabel(this);
    lblAnzahl->setTextFormat(Qt::PlainText);
    QFont fett = lblAnzahl->font();
    fett.setBold(true);
    lblAnzahl->setFont(fett);

    auto* knoepfe = new QDialogButtonBox(this);
    cmdUebernehmen = knoepfe->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    cmdAbbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cmdUebernehmen->setDefault(true);
    cmdAbbrechen->setAutoDefault(false);
    auto* unten = new QHBoxLayout;
    unten->addWidget(lblAnzahl, 1);
    unten->addWidget(knoepfe);
    layout->addLayout(unten);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboKodierung, &QComboBox::currentIndexChanged, this, [this] { NeuLesen(); });
    connect(cboTrenner, &QComboBox::currentIndexChanged, this, [this] { NeuLesen(); });
    connect(chkKopfzeile, &QCheckBox::toggled, this, [this] { Auswahl(); });
    connect(cboVokabel, &QComboBox::currentIndexChanged, this, [this] { Auswahl(); });
    connect(cboBedeutung, &QComboBox::currentIndexChanged, this, [this] { Auswahl(); });
    connect(cmdTauschen, &QPushButton::clicked, this, [this] {
        ImportEinstellungen e = vorlage_.einstellungen;
        std::swap(e.wortSpalte, e.bedeutungSpalte);
        Uebernehmen(e);
        Einstellen();
    });

    Einstellen();
    stand_ = stand ? std::move(*stand) : *PaareZaehlen(vorlage_.tabelle, vorlage_.einstellungen, VorschauZeilen);
    Zeigen();
    resize(820, 560);
    cmdUebernehmen->setFocus();
}

void dlgImportVorschau::NeuLesen()
{
    if (stumm_)
        return;
    const auto k = static_cast<Kodierung>(cboKodierung->currentData().toInt());
    const QChar t = cboTrenner->currentData().toString().at(0);
    // A large file takes a while: the same cancellable progress as its first reading.
    // Cancelled, the table and settings stay as they were, and so do the controls.
    ImportVorlage neu = vorlage_;
    std::optional<ImportUebersicht> stand;
    const bool gelesen = MitFortschritt(this, windowTitle(), QStringLiteral("Die Datei wird neu gelesen …"),
                                        FortschrittNach, [&](QProgressDialog& d) {
        if (!VorlageNeuLesen(neu, k, t, FortschrittTeil(d, 0, 500)))
            return false;
        stand = PaareZaehlen(neu.tabelle, neu.einstellungen, VorschauZeilen, FortschrittTeil(d, 500, 1000));
        return stand.has_value();
    });
    if (gelesen) {
        vorlage_ = std::move(neu);
        stand_ = std::move(*stand);
    }
    Einstellen();
    if (gelesen)
        Zeigen();
}

void dlgImportVorschau::Uebernehmen(const ImportEinstellungen& e)
{
    ImportVorlage neu;
    neu.tabelle = vorlage_.tabelle;
    neu.einstellungen = e;
    std::optional<ImportUebersicht> stand;
    MitFortschritt(this, windowTitle(), QStringLiteral("Die Vokabeln werden zusammengestellt …"), FortschrittNach,
                   [&](QProgressDialog& d) {
        stand = PaareZaehlen(neu.tabelle, neu.einstellungen, VorschauZeilen, FortschrittTeil(d, 0, 1000));
        return stand.has_value();
    });
    if (stand) {
        const bool kopfGeaendert = e.kopfzeile != vorlage_.einstellungen.kopfzeile;
        vorlage_.einstellungen = e;
        stand_ = std::move(*stand);
        if (kopfGeaendert)
            Einstellen(); // the column names follow the header
        Zeigen();
    } else {
        Einstellen();
    }
}

void dlgImportVorschau::Einstellen()
{
    stumm_ = true;
    const ImportEinstellungen& e = vorlage_.einstellungen;
    const ImportTabelle& tab = vorlage_.tabelle;
    Kodierung k = e.kodierung == Kodierung::Utf8MitBom ? Kodierung::Utf8 : e.kodierung;
    cboKodierung->setCurrentIndex(cboKodierung->findData(static_cast<int>(k)));
    int t = cboTrenner->findData(QString(e.trenner));
    if (t < 0) {
        cboTrenner->addItem(QStringLiteral("„%1“").arg(e.trenner), QString(e.trenner));
        t = cboTrenner->count() - 1;
    }
    cboTrenner->setCurrentIndex(t);
    chkKopfzeile->setChecked(e.kopfzeile);

    // Columns by number, with the title the file gives them.
    const QStringList titel = !tab.titel.isEmpty() ? tab.titel
        : e.kopfzeile && !tab.zeilen.isEmpty() ? tab.Zeile(0) : QStringList();
    QStringList namen;
    for (int c = 0; c < tab.spalten; ++c) {
        const QString t = titel.value(c).trimmed();
        namen << (t.isEmpty() ? QStringLiteral("Spalte %1").arg(c + 1) : QStringLiteral("%1: %2").arg(c + 1).arg(t));
    }
    for (QComboBox* box : {cboVokabel, cboBedeutung}) {
        box->clear();
        box->addItems(namen);
    }
    cboVokabel->setCurrentIndex(e.wortSpalte);
    cboBedeutung->setCurrentIndex(e.bedeutungSpalte);
    tblDatei->setColumnCount(tab.spalten);
    tblDatei->setHorizontalHeaderLabels(namen);
    stumm_ = false;
}

void dlgImportVorschau::Auswahl()
{
    if (stumm_)
        return;
    ImportEinstellungen e = vorlage_.einstellungen;
    e.kopfzeile = chkKopfzeile->isChecked();
    // No entry chosen (a file with one column): the setting stays as it was.
    if (cboVokabel->currentIndex() >= 0)
        e.wortSpalte = cboVokabel->currentIndex();
    if (cboBedeutung->currentIndex() >= 0)
        e.bedeutungSpalte = cboBedeutung->currentIndex();
    Uebernehmen(e);
}

void dlgImportVorschau::Zeigen()
{
    const ImportTabelle& tab = vorlage_.tabelle;
    const ImportEinstellungen& e = vorlage_.einstellungen;
    const QList<ImportPaar>& erste = stand_.erste;
    const QList<Ausgelassen>& ausgelassen = stand_.ausgelassen;

    // The file as read; the header row in italics, the chosen columns in bold.
    const int zeilen = static_cast<int>(std::min<qsizetype>(tab.zeilen.size(), VorschauZeilen));
    tblDatei->setRowCount(zeilen);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < tab.spalten; ++c) {
            auto* item = Zelle(tab.Zelle(r, c));
            QFont f = item->font();
            f.setItalic(r == 0 && e.kopfzeile);
            f.setBold(c == e.wortSpalte || c == e.bedeutungSpalte);
            item->setFont(f);
            tblDatei->setItem(r, c, item);
        }
    }
    tblDatei->resizeColumnsToContents();

    // Pairs and skipped rows in the file's order.
    struct Eintrag {
        int stelle;
        QString vokabel, bedeutung, grund;
    };
    QList<Eintrag> liste;
    qsizetype p = 0, a = 0;
    while (liste.size() < VorschauZeilen && (p < erste.size() || a < ausgelassen.size())) {
        if (a >= ausgelassen.size() || (p < erste.size() && erste[p].stelle < ausgelassen[a].stelle)) {
            liste.append({erste[p].stelle, erste[p].Vokabel, erste[p].Bedeutung, {}});
            ++p;
        } else {
            // The skipped row's fields as they stand, so the pupil finds it.
            const int stelle = ausgelassen[a].stelle;
            const auto z = std::lower_bound(tab.zeilen.cbegin(), tab.zeilen.cend(), stelle,
                                            [](const ImportZeile& z, int s) { return z.stelle < s; });
            const bool da = z != tab.zeilen.cend() && z->stelle == stelle;
            const qsizetype r = z - tab.zeilen.cbegin();
            liste.append({stelle, da ? tab.Zelle(r, e.wortSpalte) : QString(),
                          da ? tab.Zelle(r, e.bedeutungSpalte) : QString(), ausgelassen[a].grund});
            ++a;
        }
    }
    tblPaare->setRowCount(static_cast<int>(liste.size()));
    for (int r = 0; r < liste.size(); ++r) {
        const Eintrag& z = liste[r];
        tblPaare->setItem(r, 0, Zelle(QString::number(z.stelle)));
        tblPaare->setItem(r, 1, Zelle(z.vokabel));
        tblPaare->setItem(r, 2, Zelle(z.bedeutung));
        tblPaare->setItem(r, 3, Zelle(z.grund));
        if (!z.grund.isEmpty())
            for (int c = 0; c < 4; ++c)
                tblPaare->item(r, c)->setForeground(QColor(0xA0, 0x20, 0x20));
    }
    tblPaare->resizeColumnsToContents();

    const qsizetype n = stand_.anzahl;
    lblAnzahl->setText(QStringLiteral("%1 %2 übernommen, %3 übersprungen")
                           .arg(n == 1 ? QStringLiteral("1 Vokabel") : QStringLiteral("%1 Vokabeln").arg(n),
                                n == 1 ? QStringLiteral("wird") : QStringLiteral("werden"))
                           .arg(ausgelassen.size()));
}

} // namespace lerno
