#include "transfer/modtransfer.h"

#include "ui/Meldungen.h"
#include "lists/DateiErsetzen.h"
#include "lists/Listensprache.h"
#include "lists/Dateizugriff.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Listenwahl.h"
#include "transfer/Export.h"
#include "transfer/Fortschritt.h"
#include "transfer/import/ImportVorlage.h"
#include "transfer/import/ListeErweitern.h"
#include "transfer/PdfDruck.h"
#include "transfer/dlgImportVorschau.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace lerno::modtransfer {

namespace {

const QString TitelImport = QStringLiteral("Vokabeln importieren");
const QString TitelExport = QStringLiteral("Vokabeln exportieren");
const QString TitelDruck = QStringLiteral("Vokabeln drucken");

// The folder the last file dialog ended in; the user's home at first.
QString& LetzterOrdner()
{
    static QString ordner = QDir::homePath();
    return ordner;
}

// Qt's own dialog rather than a desktop one: the same look everywhere, in German
// through Qt's translations, and fully usable with the keyboard.
QString DateiDialog(QWidget* parent, const QString& titel, const QStringList& filter,
                    const QString& vorschlag = {})
{
    QFileDialog dialog(parent, titel, LetzterOrdner());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filter);
    if (vorschlag.isEmpty()) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QFileInfo(vorschlag).suffix());
        dialog.selectFile(vorschlag);
        // The ending follows the chosen type when the name is typed without one.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
            const qsizetype stern = f.indexOf(QLatin1String("*."));
            if (stern >= 0)
                dialog.setDefaultSuffix(f.mid(stern + 2).section(QLatin1Char(')'), 0, 0).section(u' ', 0, 0));
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString datei = dialog.selectedFiles().constFirst();
    LetzterOrdner() = QFileInfo(datei).absolutePath();
    return datei;
}

// "1 Vokabel", "2 Vokabeln"; the verb after it follows the number.
QString Anzahl(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 Vokabel") : QStringLiteral("%1 Vokabeln").arg(n);
}

QString UnlesbarHinweis(const QList<int>& unlesbar)
{
    if (unlesbar.isEmpty())
        return {};
    QStringList nummern;
    for (qsizetype i = 0; i < std::min<qsizetype>(unlesbar.size(), 10); ++i)
        nummern.append(QString::number(unlesbar[i]));
    if (unlesbar.size() > 10)
        nummern.append(QStringLiteral("…"));
    return QStringLiteral("\n%1 Zeile(n) der Liste sind keine Vokabeln und fehlen darin (Zeile %2).")
        .arg(unlesbar.size())
        .arg(nummern.join(QStringLiteral(", ")));
}

// The list itself or a test sheet with one column left empty; nullopt on cancel.
std::optional<Druckart> DruckartWaehlen(QWidget* parent)
{
    QMessageBox frage(QMessageBox::Question, TitelDruck, QStringLiteral("Was möchtest du drucken ?"),
                      QMessageBox::NoButton, parent);
    QPushButton* liste = frage.addButton(QStringLiteral("&Vokabelliste"), QMessageBox::AcceptRole);
    QPushButton* ohneBedeutung =
        frage.addButton(QStringLiteral("Abfrageblatt, &Bedeutung leer"), QMessageBox::AcceptRole);
    QPushButton* ohneVokabel = frage.addButton(QStringLiteral("Abfrageblatt, V&okabel leer"), QMessageBox::AcceptRole);
    frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(liste);
    frage.exec();
    if (frage.clickedButton() == liste)
        return Druckart::Liste;
    if (frage.clickedButton() == ohneBedeutung)
        return Druckart::OhneBedeutung;
    if (frage.clickedButton() == ohneVokabel)
        return Druckart::OhneVokabel;
    return std::nullopt;
}

} // namespace

void VokabelnImportieren(QWidget* parent)
{
    const QString quelle = DateiDialog(
        parent, TitelImport,
        {QStringLiteral("Vokabellisten (*.csv *.tsv *.txt *.kvtml)"), QStringLiteral("Alle Dateien (*)")});
    if (quelle.isEmpty())
        return;
    QString fehler;
    std::optional<ImportVorlage> vorlage;
    std::optional<ImportUebersicht> stand;
    // Shown only when reading and counting the pairs take longer than half a second;
    // cancelling reads no further.
    MitFortschritt(parent, TitelImport, QStringLiteral("„%1“ wird gelesen …").arg(QFileInfo(quelle).fileName()), 500,
                   [&](QProgressDialog& d) {
        vorlage = ImportVorlageLesen(quelle, &fehler, FortschrittTeil(d, 0, 700));
        if (vorlage)
            stand = PaareZaehlen(vorlage->tabelle, vorlage->einstellungen, dlgImportVorschau::VorschauZeilen,
                                 FortschrittTeil(d, 700, 1000));
        if (!stand)
            vorlage.reset();
        return vorlage.has_value();
    });
    if (!vorlage) {
        if (!fehler.isEmpty())
            MeldungZeigen(parent, fehler, TitelImport);
        return;
    }
    // The pupil sees the file as read and the pairs as they will be stored, and may
    // choose other columns; cancelling imports nothing. The pairs themselves are built
    // again while the list is written, so that a large file's are never all held at once.
    ImportVorlage gewaehlt;
    ImportInhalt uebersicht; // skipped rows only, for the messages
    qsizetype anzahl = 0;
    QString sprache;
    {
        dlgImportVorschau vorschau(std::move(*vorlage), parent, std::move(stand));
        vorlage.reset();
        if (vorschau.exec() != QDialog::Accepted)
            return;
        gewaehlt = vorschau.Vorlage();
        uebersicht.ausgelassen = vorschau.Uebersprungen();
        uebersicht.eintraege = gewaehlt.tabelle.eintraege;
        anzahl = vorschau.Anzahl();
        sprache = ImportSprache(gewaehlt);
    }
    if (anzahl == 0) {
        // Nothing to store: no list is asked for, none is created.
        MeldungZeigen(parent,
                      QStringLiteral("In „%1“ steht keine Vokabel, die Lerno aufnehmen kann.\n")
                              .arg(QFileInfo(quelle).fileName())
                          + ImportZusammenfassung({}, 0, uebersicht).section(u'\n', 1),
                      TitelImport);
        return;
    }

    // New list or an existing one, with the same dialogs and name checks as the entry screen.
    const auto wahl = NeuOderVorhanden(parent);
    if (!wahl)
        return;
    const QString liste = wahl->Pfad;
    if (ListeSchreibgeschuetzt(liste)) {
        MeldungZeigen(parent, SchreibschutzText(liste), QStringLiteral("Dateifehler"));
        return;
    }
    if (const DateiErgebnis e = PaareAnhaengen(liste, gewaehlt.tabelle, gewaehlt.einstellungen); !e) {
        MeldungZeigen(parent,
                      QStringLiteral("Die Vokabeln wurden nicht in „%1“ aufgenommen. %2")
                          .arg(ListenName(liste), FehlerUrsache(liste, e)),
                      QStringLiteral("Dateifehler"));
        return;
    }
    // The file's language goes to a list that has none stored yet; a failed write only
    // loses the guess.
    if (!sprache.isEmpty() && !ListensprachenLesen(QFileInfo(liste).absolutePath()).contains(QFileInfo(liste).fileName()))
        ListenspracheSetzen(liste, sprache);
    MeldungZeigen(parent, ImportZusammenfassung(QFileInfo(liste).completeBaseName(), anzahl, uebersicht),
                  TitelImport);
}

namespace {

// The lines of the list the pupil chooses; nullopt when none is chosen or it cannot be
// read (said then).
std::optional<QStringList> GewaehlteListeLesen(QWidget* parent, const QString& frage, QString& liste)
{
    liste = ListeWaehlen(parent, frage).value_or(QString());
    if (liste.isEmpty())
        return std::nullopt;
    auto zeilen = ZeilenLesen(liste);
    if (!zeilen)
        DateifehlerMelden(parent);
    return zeilen;
}

} // namespace

void VokabelnExportieren(QWidget* parent)
{
    QString liste;
    const auto zeilen = GewaehlteListeLesen(parent, QStringLiteral("Welche Vokabeln möchtest du exportieren ?"), liste);
    if (!zeilen)
        return;
    const QString name = QFileInfo(liste).completeBaseName();
    const QString ziel = DateiDialog(
        parent, TitelExport,
        {QStringLiteral("CSV für Tabellenprogramme (*.csv)"), QStringLiteral("Tabulatorgetrennter Text (*.tsv)")},
        name + QStringLiteral(".csv"));
    if (ziel.isEmpty())
        return;
    const ExportInhalt e = ExportBauen(*zeilen, TrennerFuer(ziel));
    if (const DateiErgebnis geschrieben = DateiErsetzen(ziel, e.bytes); !geschrieben) {
        MeldungZeigen(parent,
                      QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden. %2")
                          .arg(QFileInfo(ziel).fileName(), FehlerUrsache(ziel, geschrieben)),
                      TitelExport);
        return;
    }
    MeldungZeigen(parent,
                  QStringLiteral("%1 aus „%2“ %3 jetzt in „%4“.")
                          .arg(Anzahl(e.paare), name, e.paare == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"),
                               QFileInfo(ziel).fileName())
                      + UnlesbarHinweis(e.unlesbar),
                  TitelExport);
}

void VokabelnDrucken(QWidget* parent)
{
    QString liste;
    const auto zeilen = GewaehlteListeLesen(parent, QStringLiteral("Welche Vokabeln möchtest du drucken ?"), liste);
    if (!zeilen)
        return;
    const ListenPaare gelesen = PaareAusZeilen(*zeilen);
    const QString name = QFileInfo(liste).completeBaseName();
    const auto art = DruckartWaehlen(parent);
    if (!art)
        return;
    const QString ziel = DateiDialog(
        parent, TitelDruck, {QStringLiteral("PDF-Datei (*.pdf)")},
        name + (*art == Druckart::Liste ? QStringLiteral(".pdf") : QStringLiteral(" Abfrageblatt.pdf")));
    if (ziel.isEmpty())
        return;
    if (!PdfSchreiben(ziel, name, gelesen.paare, *art)) {
        MeldungZeigen(parent,
                      QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(QFileInfo(ziel).fileName()),
                      TitelDruck);
        return;
    }
    MeldungZeigen(parent,
                  QStringLiteral("%1 aus „%2“ %3 zum Drucken in „%4“.")
                          .arg(Anzahl(gelesen.paare.size()), name,
                               gelesen.paare.size() == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"),
                               QFileInfo(ziel).fileName())
                      + UnlesbarHinweis(gelesen.unlesbar),
                  TitelDruck);
}

} // namespace lerno::modtransfer
