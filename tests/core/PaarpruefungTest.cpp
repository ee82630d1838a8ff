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
        {"Zeichen außerhalb Windows-1252", U(u"Rom\u0103nia"), U(u"Rumänien"), {G::KeinCp1252, 0x103, false}},
        {"Emoji als Ersatzpaar", "smile", U(u"\U0001F600"), {G::KeinCp1252, 0x1F600, true}},
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
        const QByteArray neu =
            gut ? *NachCp1252(QStringLiteral("002#%1#%2#0#0#\r\n").arg(r.vokabel, r.bedeutung)) : QByteArray();
        EXPECT_EQ(LiesBytes(liste("E")), gut ? alt + neu : alt);

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
                      gut ? *NachCp1252(QStringLiteral("001#%1#%2#1#0#\r\n").arg(r.vokabel, r.bedeutung)) : alt);
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
        EXPECT_EQ(LiesBytes(liste("I")),
                  iu.ok() ? alt + *NachCp1252(QStringLiteral("002#%1#%2#0#0#\r\n").arg(iv, ib)) : alt);
    }
}

// Invisible characters: what the pupil typed is refused with its code (it cannot be
// seen); what another program left in a file is removed before the check.
TEST_F(Paarpruefung, InvisibleCharactersAreNamedWhenTypedAndRemovedWhenImported)
{
    const struct {
        const char* name;
        QString bedeutung;
        char32_t zeichen;
    } faelle[] = {
        {"BOM im Feld", U(u"Haus\uFEFF"), 0xFEFF},
        {"Nullbreites Leerzeichen", U(u"Ha\u200Bus"), 0x200B},
        {"Links-rechts-Marke", U(u"\u200EHaus"), 0x200E},
        {"Rechts-links-Marke", U(u"Haus\u200F"), 0x200F},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SchreibeBytes(liste("E"), {});
        PaarUrteil u;
        EXPECT_EQ(VokabelSpeichern(liste("E"), "house", f.bedeutung, &u), SpeicherErgebnis::KeinCp1252);
        EXPECT_EQ(u, (PaarUrteil{PaarGrund::KeinCp1252, f.zeichen, true}));
        EXPECT_EQ(LiesBytes(liste("E")), QByteArray());
        EXPECT_TRUE(PaarMeldung(u).contains(ZeichenCode(f.zeichen))) << PaarMeldung(u).toStdString();

        GridZeile zeile;
        zeile.Vokabel = "house";
        zeile.Bedeutung = f.bedeutung;
        SchreibeBytes(liste("B"), "x");
        EXPECT_EQ(EditorListeSchreiben(liste("B"), {zeile}).Pruefung.Urteil, u);
        EXPECT_EQ(LiesBytes(liste("B")), "x");

        const ImportInhalt i = CsvImportiert(CsvZeile("house", f.bedeutung));
        ASSERT_EQ(i.paare.size(), 1);
        EXPECT_EQ(i.paare[0].Bedeutung, "Haus");
    }
    EXPECT_EQ(PaarMeldung({PaarGrund::KeinCp1252, 0xFEFF, false}),
              U(u"Ein unsichtbares Zeichen (U+FEFF) kann in dieser Liste nicht gespeichert werden"));
    EXPECT_EQ(PaarMeldung({PaarGrund::Steuerzeichen, 0x07, false}),
              U(u"Vokabel und Bedeutung dürfen kein Steuerzeichen (U+0007) enthalten"));
}

// A character a list cannot hold is named as the pupil sees it, without a code; only one
// that shows nothing is called invisible (with its code, for whoever helps). Entry, editor
// and import show the same sentence.
TEST_F(Paarpruefung, ARefusedCharacterIsNamedAsItLooks)
{
    const struct {
        const char* name;
        QString vokabel;
        const char16_t* meldung;
    } faelle[] = {
        {"Buchstabe mit Bogen", U(u"Rom\u0103nia"), u"\u201E\u0103\u201C kann in dieser Liste nicht gespeichert werden"},
        {"kyrillischer Buchstabe", U(u"\u043A\u043E\u0442"), u"\u201E\u043A\u201C kann in dieser Liste nicht gespeichert werden"},
        {"Emoji als Ersatzpaar", U(u"smile \U0001F600"), u"\u201E\U0001F600\u201C kann in dieser Liste nicht gespeichert werden"},
        {"schmales Leerzeichen", U(u"a\u2009b"), u"Ein unsichtbares Zeichen (U+2009) kann in dieser Liste nicht gespeichert werden"},
        {"Wortverbinder", U(u"a\u2060b"), u"Ein unsichtbares Zeichen (U+2060) kann in dieser Liste nicht gespeichert werden"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString meldung = U(f.meldung);
        EXPECT_EQ(PaarMeldung(PaarPruefen(f.vokabel, "Bedeutung")), meldung);
        const ImportInhalt i = CsvImportiert(CsvZeile(f.vokabel, "Bedeutung"));
        ASSERT_EQ(i.ausgelassen.size(), 1);
        EXPECT_EQ(i.ausgelassen[0].grund, meldung);
    }
}

// A pair that slips past the check and then fails to encode never becomes an empty line.
TEST_F(Paarpruefung, AFailedEncodingWritesNothingInsteadOfAnEmptyLine)
{
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(liste("I"), alt);
    EXPECT_FALSE(PaareAnhaengen(liste("I"), {{1, "ok", "gut"}, {2, U(u"a\uFEFF"), "b"}}));
    EXPECT_EQ(LiesBytes(liste("I")), alt);

    // A kept line bypasses the row check; it still must not turn into an empty line.
    SchreibeBytes(liste("B"), alt);
    GridZeile roh;
    roh.Roh = U(u"001#a\u0103#b#0#0#");
    EXPECT_EQ(EditorListeSchreiben(liste("B"), {roh}).Stand, EditorSpeicherStand::Abgelehnt);
    EXPECT_EQ(LiesBytes(liste("B")), alt);

    // Not QString::fromUtf16: it takes a leading U+FEFF for a byte order mark and drops it.
    EXPECT_FALSE(ZeilenAnhaengen(liste("B"), {QString(QChar(0xFEFF)) + "001#a#b#0#0#"}));
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
