#pragma once
// What the editor does with the files, without a widget: splitting a list into grid
// rows, checking the rows, and writing them back as the main list with rebuilt stage
// lists. The window only moves texts between these rows and its grid.
#include "lists/Paarpruefung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lerno {

// One grid row: the four columns, or a line of the file that cannot be split into them
// without loss. Such a line is carried along whole and written back unchanged.
struct GridZeile {
    QString Nummer;    // column 0: the first four characters, "001#"
    QString Vokabel;   // column 1
    QString Bedeutung; // column 2
    QString Zaehler;   // column 3: the last five characters, "#3#0#"
    std::optional<QString> Roh;
    // The line end it had in the file (CR LF, a lone LF, nothing after the last line),
    // so an untouched list is written back byte for byte.
    QByteArray Ende = "\r\n";
};

// The four columns of a line, or nullopt when they would not give the line back byte
// for byte (fewer than three "#", shorter than nine characters, a "#" in the wrong
// place), or when the pair fails PaarPruefen (an empty word or meaning would drop the
// pair although nobody removed it; a tab, a CR or another control character could not be
// shown faithfully nor saved again). The counter characters may be anything but "#":
// they are carried along as they are.
std::optional<GridZeile> GridZeileAus(const QString& zeile);

enum class LadeStand {
    Gelesen,  // every line is in Zeilen
    Fehlt,    // no such file: an empty list
    Unlesbar, // the file exists but cannot be read: it must never be written
};

struct GeladeneListe {
    std::vector<GridZeile> Zeilen; // one per line, in file order
    bool Gelesen = true;           // false: the list could not be opened or read
    LadeStand Stand = LadeStand::Gelesen;
    int Fehlernummer = 0;          // errno of the failed read
    qsizetype Unlesbar = 0;        // lines kept as they are
};

GeladeneListe EditorListeLesen(const QString& dva);

// The record a row is written as: column 0 or "001#", word, "#", meaning, column 3 or
// "#1#0#". nullopt when word or meaning is empty: that is how a pair is removed.
// A kept line is its own record.
std::optional<QString> GridDatensatz(const GridZeile& zeile);

// The editor's refusals are the shared pair check's (Leer never occurs: an empty word
// or meaning removes the pair).
using EingabeFehler = PaarGrund;

struct EingabePruefung {
    EingabeFehler Fehler = EingabeFehler::Keiner;
    qsizetype Zeile = 0; // grid row, from 1
    QString Zeichen;     // for Unspeicherbar: the first character no list file can hold
    PaarUrteil Urteil;   // the whole verdict, for PaarMeldung
};

// The first row that would be written but fails PaarPruefen.
EingabePruefung GridPruefen(const std::vector<GridZeile>& zeilen);

enum class EditorSpeicherStand { Gespeichert, Abgelehnt, Dateifehler, Schreibgeschuetzt };

struct EditorSpeicherErgebnis {
    EditorSpeicherStand Stand = EditorSpeicherStand::Gespeichert;
    EingabePruefung Pruefung;  // why it was refused
    QStringList NichtErsetzt;  // Dateifehler: members that keep their old content
    QString FehlerPfad;        // Dateifehler: the file the first failed step worked on
    int Fehlernummer = 0;      // and the errno it left (0: not known)
};

// Half the grid's width in twips, rounded to the nearest, a half to the even neighbour
// (7005 gives 3502): the width of the word and of the meaning column.
int HalbeGridbreite(int twips);

// The three scratch files of a save in <program folder>/Vokabeln.
QString Hilfsdatei(QChar buchstabe);

// True for a member of a list named "afile" (any case): that name is the save's scratch
// file and can never be the list being edited.
bool IstHilfsdatei(const QString& pfad);

// Replaces the .dva by the rows' records and the .dvb and .dvc by those records with a
// count of 2 or more and 4 or more, in list order. Each member is replaced in one
// rename step: whatever fails or kills the process, each holds its old or its new
// content, whole. Nothing is written when a row is refused, nor to an "afile" list, nor
// to a list that is write-protected (ListeSchreibgeschuetzt). Stale scratch files are
// emptied before and none is left afterwards. Rows keep their line ends; the stage lists
// get CR LF. All three are written in the list's encoding; a Windows-1252 list that now
// holds a character Windows-1252 lacks turns UTF-8 with mark, its stage lists with it.
EditorSpeicherErgebnis EditorListeSchreiben(const QString& dva, const std::vector<GridZeile>& zeilen);

} // namespace lerno
