#pragma once
// The preview between choosing a file and choosing the list: the file's first rows in all
// their columns, which column gives the word and which the meaning, encoding, separator
// and header as detected (changeable), and below the pairs exactly as they will be stored.
#include "transfer/import/ImportPaare.h"
#include "transfer/import/ImportVorlage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lerno {

class dlgImportVorschau : public QDialog {
    Q_OBJECT
public:
    // stand: the pairs counted for the detected settings, when the caller counted them
    // already (behind its progress dialog); counted here otherwise.
    explicit dlgImportVorschau(ImportVorlage vorlage, QWidget* parent = nullptr,
                               std::optional<ImportUebersicht> stand = std::nullopt);

    // The pairs and skipped rows for the settings shown now, built when asked: a large
    // file's pairs are not all held while the preview is open.
    ImportInhalt Inhalt() const { return PaareBilden(vorlage_.tabelle, vorlage_.einstellungen); }
    qsizetype Anzahl() const { return stand_.anzahl; }
    const QList<Ausgelassen>& Uebersprungen() const { return stand_.ausgelassen; }
    const ImportVorlage& Vorlage() const { return vorlage_; }

    QComboBox* cboKodierung;
    QComboBox* cboTrenner;
    QCheckBox* chkKopfzeile;
    QTableWidget* tblDatei;
    QComboBox* cboVokabel;
    QComboBox* cboBedeutung;
    QPushButton* cmdTauschen;
    QTableWidget* tblPaare;
    QLabel* lblAnzahl;
    QPushButton* cmdUebernehmen;
    QPushButton* cmdAbbrechen;

    // Rows of the file and of the pairs shown; the counts always cover the whole file.
    static constexpr int VorschauZeilen = 200;
    // Milliseconds a new reading of the file, or new pairs for other columns, run before
    // their progress shows.
    static inline int FortschrittNach = 500;

private:
    void NeuLesen();      // encoding or separator changed: the table is read again
    void Einstellen();    // the controls from vorlage_.einstellungen
    // The pairs for these settings, behind progress; cancelled, the controls go back to
    // the settings shown.
    void Uebernehmen(const ImportEinstellungen& e);
    void Auswahl();       // the controls into the settings, then Uebernehmen
    void Zeigen();        // the tables and counts from vorlage_ and stand_

    ImportVorlage vorlage_;
    ImportUebersicht stand_;
    bool stumm_ = false; // while the controls are being set from the settings
};

} // namespace lerno
