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

// Appends the pairs fuellen gives to the list in one crash-safe step (DateiErsetzen): old
// content and new records go to a scratch file that is renamed over the list. Creates no
// stage sibling. Fails, with the list exactly as before, when the list cannot be read or
// replaced, may not be written (ListeSchreibgeschuetzt; EACCES), is the scratch list
// "afile", or a record does not encode (both without a system cause).
DateiErgebnis EintraegeAnhaengen(const QString& liste, const std::function<void(Eintragsanhang&)>& fuellen,
                        FehlendeListe fehlt = FehlendeListe::Anlegen);

} // namespace lerno
