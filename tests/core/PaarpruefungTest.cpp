// One pair check for every way a pair reaches a list: the entry screen, the editor's
// save and the import give the same verdict, and a refused pair leaves the list as it was.
#include "editor/Editorliste.h"
#include "entry/VokabelSpeichern.h"
#include "lists/Paarpruefung.h"
#include "transfer/import/ListeErweitern.h"

#include "common/ImportHilfen.h"
#include "common/TestHilfen.h"
#include "lists/TextDatei.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::CsvImportiert;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

struct Regel {
    const char* name;
    QString vokabel, bedeutung;
    PaarUrteil urteil;
};

QString U(const char16_t* s) { return QString::fromUtf16(s); }

// The pair as one spreadsheet row, every field quoted so that separators, quotes and
// line breaks stay inside it.
QByteArray CsvZeile(const QString& vokabel, const QString& bedeutung)
{
    const auto feld = [](QString f) { return u'"' + f.replace(u'"', QStringLiteral("\"\"")) + u'"'; };
    return (feld(vokabel) + u';' + feld(bedeutung) + QStringLiteral("\r\n")).toUtf8();
}

// A list holding alt (ASCII) once satz + CR LF went in: Windows-1252 while it fits, else
// the whole list UTF-8 with mark.
QByteArray MitSatz(const QByteArray& alt, const QString& satz)
{
    if (const auto cp = NachCp1252(satz))
        return alt + *cp + "\r\n";
    return "\xEF\xBB\xBF" + alt + satz.toUtf8() + "\r\n";
}

class Paarpruefung : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln")); }
    QString liste(const char* name) const { return ordner.datei(QStringLiteral("Vokabeln/%1.dva").arg(name)); }
    testhilfen::TempProgrammordner ordner;
};

} // namespace

TEST_F(Paarpruefung, SameVerdictFromEntryEditorAndImport)
{
    using G = PaarGrund;
    const Regel regeln[] = {
        {"gutes Paar, Windows-1252 mit € und ß", "the street", U(u"die Straße €"), {}},
        {"Leerzeichen allein zählen als Inhalt", " ", "Haus", {}},
        {"leere Vokabel", "", "Haus", {G::Leer, 0, false}},
        {"leere Bedeutung", "house", "", {G::Leer, 0, true}},
        {"Raute im Wort", "C#", "Cis", {G::Raute, U'#', false}},
        {"Raute in der Bedeutung", "sharp", "#", {G::Raute, U'#', true}},
        {"LF in der Bedeutung", "a", "b\nc", {G::Zeilenumbruch, U'\n', true}},
        {"CR im Wort", "a\rb", "c", {G::Zeilenumbruch, U'\r', false}},
        {"Tabulator im Wort", "fa\tlsch", "x", {G::Steuerzeichen, U'\t', false}},
        {"Klingelzeichen U+0007", "a", "b\x07", {G::Steuerzeichen, 0x07, true}},
        {"C1-Steuerzeichen U+0081 (in Windows-1252 speicherbar)", U(u"a\u0081"), "b", {G::Steuerzeichen, 0x81, false}},
        {"Zeichen außerhalb Windows-1252: die Liste wird UTF-8", U(u"Rom\u0103nia"), U(u"Rumänien"), {}},
        {"Emoji als Ersatzpaar: die Liste wird UTF-8", "smile", U(u"\U0001F600"), {}},
        {"kyrillisch und lateinisch gemischt", U(u"\u043A\u043E\u0442 (cat)"), "Katze", {}},
        {"privater Bereich", U(u"a\uE000"), "b", {G::Unspeicherbar, 0xE000, false}},
        {"privater Bereich der Ebene 15", "a", U(u"\U000F0000"), {G::Unspeicherbar, 0xF0000, true}},
        {"nicht vergeben", U(u"\u0378"), "b", {G::Unspeicherbar, 0x378, false}},
        {"das Wort vor der Bedeutung: Tabulator im Wort, Raute in der Bedeutung", "a\tb", "c#", {G::Steuerzeichen, U'\t', false}},
    };
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    for (const Regel& r : regeln) {
        SCOPED_TRACE(r.name);
        const bool gut = r.urteil.ok();
        EXPECT_EQ(PaarPruefen(r.vokabel, r.bedeutung), r.urteil);

        // Entry screen: the verdict, and the list gets the record or stays as it was.
        SchreibeBytes(liste("E"), alt);
        PaarUrteil eingabe;
        const SpeicherErgebnis e = VokabelSpeichern(liste("E"), r.vokabel, r.bedeutung, &eingabe);
        EXPECT_EQ(eingabe, r.urteil);
        EXPECT_EQ(e == SpeicherErgebnis::Gespeichert, gut);
        // A refused pair may not encode at all: the expected record exists only for a good one.
        EXPECT_EQ(LiesBytes(liste("E")),
                  gut ? MitSatz(alt, QStringLiteral("002#%1#%2#0#0#").arg(r.vokabel, r.bedeutung)) : alt);

        // Editor save: a refused row keeps all three files; an emptied field removes the
        // pair by design, so that row is saved without it.
        SchreibeBytes(liste("B"), alt);
        GridZeile zeile;
        zeile.Vokabel = r.vokabel;
        zeile.Bedeutung = r.bedeutung;
        const EditorSpeicherErgebnis b = EditorListeSchreiben(liste("B"), {zeile});
        if (r.urteil.Grund == G::Leer) {
            EXPECT_EQ(b.Stand, EditorSpeicherStand::Gespeichert);
            EXPECT_EQ(LiesBytes(liste("B")), QByteArray());
        } else {
            EXPECT_EQ(b.Pruefung.Urteil, r.urteil);
            EXPECT_EQ(b.Stand, gut ? EditorSpeicherStand::Gespeichert : EditorSpeicherStand::Abgelehnt);
            EXPECT_EQ(LiesBytes(liste("B")),
                      gut ? MitSatz({}, QStringLiteral("001#%1#%2#1#0#").arg(r.vokabel, r.bedeutung)) : alt);
        }

        // Import: the same check on the fields as a list would hold them (blanks and line
        // breaks tidied first); the pair goes in or its line is reported with the verdict's text.
        const QString iv = FeldNormalisieren(r.vokabel, false), ib = FeldNormalisieren(r.bedeutung, false);
        const PaarUrteil iu = PaarPruefen(iv, ib);
        const ImportInhalt i = CsvImportiert(CsvZeile(r.vokabel, r.bedeutung));
        if (iu.ok()) {
            ASSERT_EQ(i.paare.size(), 1);
            EXPECT_TRUE(i.ausgelassen.isEmpty());
        } else {
            EXPECT_TRUE(i.paare.isEmpty());
            ASSERT_EQ(i.ausgelassen.size(), 1);
            EXPECT_EQ(i.ausgelassen[0].stelle, 1);
            EXPECT_EQ(i.ausgelassen[0].grund, PaarMeldung(iu));
        }
        SchreibeBytes(liste("I"), alt);
        if (iu.ok())
            EXPECT_TRUE(PaareAnhaengen(liste("I"), i.paare));
        EXPECT_EQ(LiesBytes(liste("I")), iu.ok() ? MitSatz(alt, QStringLiteral("002#%1#%2#0#0#").arg(iv, ib)) : alt);
    }
}

// Invisible characters: what the pupil typed is kept as typed, in a UTF-8 list; what
// another program left in a file is removed before the check.
TEST_F(Paarpruefung, InvisibleCharactersAreKeptWhenTypedAndRemovedWhenImported)
{
    const struct {
        const char* name;
        QString bedeutung;
    } faelle[] = {
        {"BOM im Feld", U(u"Haus\uFEFF")},
        {"Nullbreites Leerzeichen", U(u"Ha\u200Bus")},
        {"Links-rechts-Marke", U(u"\u200EHaus")},
        {"Rechts-links-Marke", U(u"Haus\u200F")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SchreibeBytes(liste("E"), {});
        EXPECT_EQ(VokabelSpeichern(liste("E"), "house", f.bedeutung), SpeicherErgebnis::Gespeichert);
        EXPECT_EQ(LiesBytes(liste("E")), "\xEF\xBB\xBF" + ("001#house#" + f.bedeutung + "#0#0#\r\n").toUtf8());

        GridZeile zeile;
        zeile.Vokabel = "house";
        zeile.Bedeutung = f.bedeutung;
        SchreibeBytes(liste("B"), "x");
        EXPECT_EQ(EditorListeSchreiben(liste("B"), {zeile}).Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(LiesBytes(liste("B")), "\xEF\xBB\xBF" + ("001#house#" + f.bedeutung + "#1#0#\r\n").toUtf8());

        const ImportInhalt i = CsvImportiert(CsvZeile("house", f.bedeutung));
        ASSERT_EQ(i.paare.size(), 1);
        EXPECT_EQ(i.paare[0].Bedeutung, "Haus");
    }
    EXPECT_EQ(PaarMeldung({PaarGrund::Steuerzeichen, 0x07, false}),
              U(u"Vokabel und Bedeutung dürfen kein Steuerzeichen (U+0007) enthalten"));
}

// What no list file can hold shows nothing a pupil could name: it is named by its code.
// Entry, editor and import show the same sentence (a lone surrogate cannot come from a file).
TEST_F(Paarpruefung, ARefusedCharacterIsNamedByItsCode)
{
    const struct {
        const char* name;
        QString vokabel;
        const char16_t* meldung;
        bool ausDatei;
    } faelle[] = {
        {"privater Bereich", U(u"a\uE000"), u"Ein Zeichen aus dem privaten Bereich (U+E000) kann nicht gespeichert werden", true},
        {"privater Bereich der Ebene 16", U(u"\U00100000"), u"Ein Zeichen aus dem privaten Bereich (U+100000) kann nicht gespeichert werden", true},
        {"nicht vergeben", U(u"\u0378"), u"Ein nicht vergebenes Zeichen (U+0378) kann nicht gespeichert werden", true},
        {"Nichtzeichen", U(u"a\uFDD0"), u"Ein nicht vergebenes Zeichen (U+FDD0) kann nicht gespeichert werden", false},
        {"hohe Ersatzhälfte allein", QString(QChar(0xD800)) + "a", u"Ein unvollständiges Zeichen (U+D800) kann nicht gespeichert werden", false},
        {"tiefe Ersatzhälfte allein", "a" + QString(QChar(0xDC00)), u"Ein unvollständiges Zeichen (U+DC00) kann nicht gespeichert werden", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString meldung = U(f.meldung);
        EXPECT_EQ(PaarMeldung(PaarPruefen(f.vokabel, "Bedeutung")), meldung);
        if (!f.ausDatei)
            continue;
        const ImportInhalt i = CsvImportiert(CsvZeile(f.vokabel, "Bedeutung"));
        ASSERT_EQ(i.ausgelassen.size(), 1);
        EXPECT_EQ(i.ausgelassen[0].grund, meldung);
    }
}

// A pair that slips past the check and then fails to encode never becomes an empty line:
// only half a character has no encoding at all.
TEST_F(Paarpruefung, AFailedEncodingWritesNothingInsteadOfAnEmptyLine)
{
    const QString halb = QString(QChar(0xD800));
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste("I"), alt);
    EXPECT_FALSE(PaareAnhaengen(liste("I"), {{1, "ok", "gut"}, {2, "a" + halb, "b"}}));
    EXPECT_EQ(LiesBytes(liste("I")), alt);

    // A kept line bypasses the row check; it still must not turn into an empty line.
    SchreibeBytes(liste("B"), alt);
    GridZeile roh;
    roh.Roh = "001#a" + halb + "#b#0#0#";
    EXPECT_EQ(EditorListeSchreiben(liste("B"), {roh}).Stand, EditorSpeicherStand::Abgelehnt);
    EXPECT_EQ(LiesBytes(liste("B")), alt);

    EXPECT_FALSE(ZeilenAnhaengen(liste("B"), {"001#a#" + halb + "#0#0#"}));
    EXPECT_EQ(LiesBytes(liste("B")), alt);
}

// Pairs that older versions let in (a tab, a CR, a C1 control inside a field) load as
// kept lines: the untouched list saves byte for byte instead of being refused for good.
TEST_F(Paarpruefung, EditorKeepsLoadedPairsTheCheckRefuses)
{
    const QByteArray alt = QByteArray("001#fa\tlsch#x#0#0#\r\n002#a\rb#c#2#0#\r\n003#a\x81#b#4#0#\r\n")
                           + CpZeilen({"004#the house#das Haus#2#0#"});
    SchreibeBytes(liste("B"), alt);
    const GeladeneListe l = EditorListeLesen(liste("B"));
    EXPECT_EQ(l.Unlesbar, 3);
    EXPECT_EQ(EditorListeSchreiben(liste("B"), l.Zeilen).Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(LiesBytes(liste("B")), alt);
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/B.dvb")), CpZeilen({"004#the house#das Haus#2#0#"}));
}
