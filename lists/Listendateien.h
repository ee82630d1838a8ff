#pragma once
// The files of one list and the records added to it: creating a list with its stage
// siblings, and appending pairs as numbered records. Entry, import and practice share
// these rules, so a pair typed and a pair imported give the same bytes.
#include "lists/DateiErgebnis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace lerno {

enum class Anlage {
    Liste,           // .dva, .dvb and .dvc
    MitUebungsdatei, // the same and the practice's scratch file .dvd
};

// Creates the list's files empty where missing, in the order .dva, .dvb, .dvc (, .dvd);
// existing ones are left alone. Fails at the first one that cannot be created.
DateiErgebnis ListeAnlegen(const QString& liste, Anlage anlage = Anlage::Liste);

// A list's new bytes: its old content, then one record per pair as the entry screen
// writes it, NaechsteNummer#vokabel#bedeutung#0#0#, numbered on from the last line
// (as ZeilenLesen splits it). Records are added in batches by the shared append rule
// (AnhangBytes); only a batch is held as text, so a large import never holds all its
// records twice.
class Eintragsanhang {
public:
    explicit Eintragsanhang(QByteArray bisher);

    void Paar(const QString& vokabel, const QString& bedeutung);

    // The whole new content; nullopt when a record does not encode.
    std::optional<QByteArray> Ende();

private:
    void Leeren();

    QByteArray daten_;
    QString letzte_;
    QStringList stapel_;
    bool ok_ = true;
};

enum class FehlendeListe {
    Anlegen, // a missing list is created with the pairs
    Fehler,  // a missing list is a failure (the entry screen created it already)
};

// Appends the pairs fuellen gives to the list in one crash-safe step (ListeErsetzen): old
// content and new records go to a scratch file that is renamed over the list; a pair
// Windows-1252 lacks turns the list, and its stage lists with it, UTF-8 with mark.
// Creates no stage sibling. Fails, with the list exactly as before, when the list cannot be read or
// replaced, may not be written (ListeSchreibgeschuetzt; EACCES), is the scratch list
// "afile", or a record does not encode (both without a system cause).
DateiErgebnis EintraegeAnhaengen(const QString& liste, const std::function<void(Eintragsanhang&)>& fuellen,
                        FehlendeListe fehlt = FehlendeListe::Anlegen);

// Replaces the list by inhalt (its whole new content) crash-safely. The stage lists follow
// a list in UTF-8 with mark: a .dvb or .dvc still in Windows-1252 (ASCII included, not
// empty) is rewritten as UTF-8 with mark in the same step. Every new file is complete
// before the first rename; the stage lists are renamed first and the list last. A kill
// in between, or a stage list that cannot be read, leaves a stage list in Windows-1252
// beside a UTF-8 list: every reader takes each file by its own mark, and the next writer
// that adds a line to it converts it. Fails, with every file as before, when a new file
// cannot be written.
DateiErgebnis ListeErsetzen(const QString& liste, const QByteArray& inhalt);

} // namespace lerno
