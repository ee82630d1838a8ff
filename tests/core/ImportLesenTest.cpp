// Reading spreadsheet files and KVTML documents: exact pairs, exact skips, nothing changed.
#include "transfer/import/KvtmlLeser.h"

#include "common/ImportHilfen.h"
#include "common/TestHilfen.h"
#include "transfer/import/ListeErweitern.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::CpZeilen;
using testhilfen::CsvImportiert;
using testhilfen::DateiImportiert;
using testhilfen::Importiert;

// Readable failure output for the text lists compared below.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// "line|word|meaning" per pair, "line|reason" per skip: one readable list to compare.
QStringList Befund(const ImportInhalt& in)
{
    QStringList out;
    for (const ImportPaar& p : in.paare)
        out << QStringLiteral("%1|%2|%3").arg(p.stelle).arg(p.Vokabel, p.Bedeutung);
    for (const Ausgelassen& a : in.ausgelassen)
        out << QStringLiteral("%1|%2").arg(a.stelle).arg(a.grund);
    return out;
}

QStringList L(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* s : utf8)
        out << QString::fromUtf8(s);
    return out;
}

struct CsvFall {
    const char* name;
    QByteArray datei;
    QStringList erwartet;
};

} // namespace

TEST(CsvLesen, FilesByteForByte)
{
    const CsvFall faelle[] = {
        {"semicolon with BOM and header, as German spreadsheets save it",
         "\xEF\xBB\xBFVokabel;Bedeutung\r\nthe house;das Haus\r\ngreen;gr\xC3\xBCn\r\n",
         L({"2|the house|das Haus", "3|green|grün"})},
        {"comma with quoted separators and doubled quotes",
         "\"to go, went\",gehen\n\"say \"\"hi\"\"\",\"sag \"\"hallo\"\"\"\nplain,einfach",
         L({"1|to go, went|gehen", "2|say \"hi\"|sag \"hallo\"", "3|plain|einfach"})},
        {"tab-separated, outer blanks trimmed",
         "the mouse\tdie Maus\r\n house \t Haus\r\n",
         L({"1|the mouse|die Maus", "2|house|Haus"})},
        {"Windows-1252 text",
         "gr\xFCn;gr\xFCn\r\n\x80uro;Euro\r\nStra\xDF" "e;street\r\n",
         L({"1|grün|grün", "2|€uro|Euro", "3|Straße|street"})},
        {"English;Deutsch header, extra columns ignored",
         "English;Deutsch;Seite\r\ncat;Katze;12\r\n",
         L({"2|cat|Katze"})},
        {"a header-looking row after the first is a pair",
         "dog;Hund\r\nWort;Bedeutung\r\n",
         L({"1|dog|Hund", "2|Wort|Bedeutung"})},
        {"skipped lines with their reasons, empty lines still counted, a quoted line break a blank",
         "a#b;c\r\n;leer\r\nx;\r\n\r\n;;\r\n\"two\r\nlines\";zwei\r\nok;gut\r\nfa\tlsch;x\r\n"
         "\xD0\xBA\xD0\xBE\xD1\x82;Katze\r\nsmile;\xF0\x9F\x98\x80\r\nsingle\r\np\xEE\x80\x80;x\r\n",
         L({"6|two lines|zwei", "8|ok|gut", "10|кот|Katze", "11|smile|😀",
            "1|Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen", "2|Vokabel ist leer", "3|Bedeutung ist leer",
            "9|Vokabel und Bedeutung dürfen keinen Tabulator enthalten", "12|Bedeutung ist leer",
            "13|Ein Zeichen aus dem privaten Bereich (U+E000) kann nicht gespeichert werden"})},
        {"a quote inside an unquoted field is kept",
         "5\" disk;5-Zoll-Diskette\n",
         L({"1|5\" disk|5-Zoll-Diskette"})},
        {"semicolon wins over a comma inside the text", "\r\nto go, went;gehen, ging\n",
         L({"2|to go, went|gehen, ging"})},
        {"separators inside quotes do not count", "\"x;y\",z\n", L({"1|x;y|z"})},
        {"empty file", "", {}},
    };
    for (const CsvFall& f : faelle)
        EXPECT_EQ(Befund(CsvImportiert(f.datei)), f.erwartet) << f.name;
}

// HTML fields (Anki, flash-card exports): every named character reference HTML defines,
// numeric ones in both forms; what names no character stays as it stands.
TEST(FeldNormalisieren, HtmlCharacterReferences)
{
    const struct {
        const char* name;
        const char* feld;
        const char* erwartet; // UTF-8
    } faelle[] = {
        {"Spanish letters", "a&ntilde;o, canci&oacute;n", "año, canción"},
        {"names are case-sensitive", "&Ntilde;and&uacute; &Uacute;", "Ñandú Ú"},
        {"names with digits", "&frac12; &sup2; &there4;", "½ ² ∴"},
        {"punctuation and quotes", "&hellip;&rsquo;&apos;&laquo;&raquo;", "…’'«»"},
        {"decimal", "ni&#241;o", "niño"},
        {"hexadecimal in either case", "&#xF1;&#XD1;&#x1F600;", "ñÑ😀"},
        {"0x80..0x9F mean Windows-1252", "a&#150;b&#128;", "a–b€"},
        {"an unknown name stays", "&foo; &Auml2;", "&foo; &Auml2;"},
        {"no character: 0, a surrogate, beyond Unicode", "&#0;&#xD800;&#1114112;", "&#0;&#xD800;&#1114112;"},
        {"without the semicolon", "&ntilde &#241", "&ntilde &#241"},
        {"a no-break space is a blank, tags go", "<b>la&nbsp;casa</b>", "la casa"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FeldNormalisieren(QString::fromUtf8(f.feld), true), QString::fromUtf8(f.erwartet)) << f.name;
    // Not HTML: a reference is text like any other.
    EXPECT_EQ(FeldNormalisieren(QStringLiteral("a&ntilde;o"), false), QStringLiteral("a&ntilde;o"));
}

namespace {

QByteArray Kvtml(const char* identifiers, const char* entries)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                      "<kvtml version=\"2.0\"><information><title>T</title></information>"
                      "<identifiers>")
        + identifiers + "</identifiers><entries>" + entries + "</entries></kvtml>";
}

const char* DeEn = "<identifier id=\"0\"><name>Deutsch</name><locale>de</locale></identifier>"
                   "<identifier id=\"1\"><name>Englisch</name><locale>en</locale></identifier>";
const char* FrEs = "<identifier id=\"0\"><locale>fr</locale></identifier>"
                   "<identifier id=\"1\"><locale>es</locale></identifier>";

} // namespace

TEST(KvtmlLesen, DocumentsByteForByte)
{
    const CsvFall faelle[] = {
        {"German identifier first: it gives the meaning",
         Kvtml(DeEn, "<entry id=\"0\"><translation id=\"0\"><text>Haus</text></translation>"
                     "<translation id=\"1\"><text>house</text><comment>c</comment></translation></entry>"
                     "<entry id=\"1\"><translation id=\"1\"><text>mouse</text></translation>"
                     "<translation id=\"0\"><text>Maus</text></translation></entry>"),
         L({"1|house|Haus", "2|mouse|Maus"})},
        {"German found by locale de_AT, third language ignored",
         Kvtml("<identifier id=\"0\"><locale>fr</locale></identifier>"
               "<identifier id=\"1\"><locale>de_AT</locale></identifier>"
               "<identifier id=\"2\"><locale>en</locale></identifier>",
               "<entry id=\"0\"><translation id=\"2\"><text>cat</text></translation>"
               "<translation id=\"1\"><text>Katze</text></translation>"
               "<translation id=\"0\"><text>chat</text></translation></entry>"),
         L({"1|chat|Katze"})},
        {"no German identifier: the first two",
         Kvtml(FrEs, "<entry id=\"0\"><translation id=\"0\"><text>chien</text></translation>"
                     "<translation id=\"1\"><text>perro</text></translation></entry>"),
         L({"1|chien|perro"})},
        {"nested conjugation texts are not the word; entities decoded",
         Kvtml(DeEn, "<entry id=\"0\"><translation id=\"1\"><text>to be &amp; stay</text>"
                     "<conjugation><tense>present</tense><singular><firstperson><text>am</text>"
                     "</firstperson></singular></conjugation></translation>"
                     "<translation id=\"0\"><text>sein</text></translation></entry>"),
         L({"1|to be & stay|sein"})},
        {"entries that cannot be stored, by entry number; an empty entry is no skip",
         Kvtml(DeEn, "<entry id=\"0\"><translation id=\"1\"><text>cat</text></translation></entry>"
                     "<entry id=\"1\"></entry>"
                     "<entry id=\"2\"><translation id=\"1\"><text>C#</text></translation>"
                     "<translation id=\"0\"><text>Cis</text></translation></entry>"
                     "<entry id=\"3\"><translation id=\"1\"><text>ok</text></translation>"
                     "<translation id=\"0\"><text>gut</text></translation></entry>"),
         L({"4|ok|gut", "1|Bedeutung ist leer", "3|Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen"})},
    };
    for (const CsvFall& f : faelle) {
        QString fehler;
        const auto inhalt = Importiert(f.datei, true, &fehler);
        EXPECT_TRUE(inhalt) << f.name << ": " << fehler.toStdString();
        if (!inhalt)
            continue;
        EXPECT_TRUE(inhalt->eintraege) << f.name;
        EXPECT_EQ(Befund(*inhalt), f.erwartet) << f.name;
    }
}

// KVTML 1.0 nests the forms of a word inside its field: they are not part of the word.
TEST(KvtmlLesen, Kvtml1FieldsTakeTheirOwnTextOnly)
{
    const auto kvtml1 = [](const char* eintraege) {
        return QByteArray("<?xml version=\"1.0\"?>\n<kvtml encoding=\"UTF-8\" cols=\"2\">\n") + eintraege
            + "</kvtml>\n";
    };
    const CsvFall faelle[] = {
        {"comparison forms after the word",
         kvtml1("<e><o l=\"en\">good<comp><l1>good</l1><l2>better</l2><l3>best</l3></comp></o><t l=\"de\">gut</t></e>"),
         L({"1|good|gut"})},
        {"comparison forms before the word, on lines of their own",
         kvtml1("<e><o l=\"en\">\n  <comp><l1>good</l1><l2>better</l2><l3>best</l3></comp>\n  good\n</o>"
                "<t l=\"de\">gut</t></e>"),
         L({"1|good|gut"})},
        {"conjugation forms in the word and the meaning",
         kvtml1("<e><o l=\"en\">go<conjugation><t n=\"past\"><s1>went</s1></t><t n=\"perfect\"><s1>have gone</s1>"
                "</t></conjugation></o><t l=\"de\">gehen<conjugation><t n=\"past\"><s1>ging</s1></t></conjugation></t></e>"),
         L({"1|go|gehen"})},
        {"a field of forms only has no word",
         kvtml1("<e><o l=\"en\"><comp><l1>x</l1></comp></o><t l=\"de\">y</t></e><e><o>ok</o><t>gut</t></e>"),
         L({"2|ok|gut", "1|Vokabel ist leer"})},
    };
    for (const CsvFall& f : faelle) {
        QString fehler;
        const auto inhalt = Importiert(f.datei, true, &fehler);
        ASSERT_TRUE(inhalt) << f.name << ": " << fehler.toStdString();
        EXPECT_EQ(Befund(*inhalt), f.erwartet) << f.name;
    }
}

TEST(KvtmlLesen, RefusesWhatIsNoTwoLanguageDocument)
{
    const struct {
        QByteArray datei;
        const char* grund;
    } faelle[] = {
        {"Vokabel;Bedeutung\n", "Die Datei ist keine KVTML-Vokabeldatei."},
        {"<kvtml version=\"3.0\"></kvtml>", "Lerno liest nur KVTML-Dateien der Versionen 1 und 2."},
        {"<kvtml version=\"1.0\"></kvtml>", "Die Datei enthält keine Vokabeln."},
        {Kvtml(DeEn, "<entry id=\"0\"><translation id=\"0\"><text>Haus</text></translation>"),
         "Die KVTML-Datei ist beschädigt"},
        {Kvtml("<identifier id=\"0\"><locale>de</locale></identifier>", ""),
         "Die Datei enthält nur eine Sprache."},
    };
    for (const auto& f : faelle) {
        QString fehler;
        EXPECT_FALSE(Importiert(f.datei, true, &fehler));
        EXPECT_TRUE(fehler.startsWith(QString::fromUtf8(f.grund))) << fehler.toStdString();
    }
}

// A real file from Debian's kdeedu-kvtml-data (installed by tools/setup.sh test).
TEST(KvtmlLesen, RealFileFromDebian)
{
    const QString pfad = QStringLiteral("/usr/share/apps/kvtml/de/animals.kvtml");
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "kdeedu-kvtml-data is not installed: " << pfad.toStdString() << " missing";
    const QByteArray bytes = f.readAll();

    QString fehler;
    const auto dok = KvtmlZerlegen(bytes, &fehler);
    ASSERT_TRUE(dok) << fehler.toStdString();
    ASSERT_EQ(dok->sprachen.size(), 1);
    EXPECT_TRUE(dok->sprachen[0].deutsch);
    EXPECT_EQ(dok->eintraege.size(), bytes.count("<entry "));
    EXPECT_EQ(dok->eintraege.value(0).value(QStringLiteral("0")), QStringLiteral("Katze"));
    for (const auto& e : dok->eintraege)
        EXPECT_FALSE(e.value(QStringLiteral("0")).isEmpty());

    // One language only: nothing to pair, and the pupil is told why.
    EXPECT_FALSE(Importiert(bytes, true, &fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei enthält nur eine Sprache.")));
}

namespace {

// A file from elsewhere, imported into a list as the import menu does: the list's bytes
// afterwards (nullopt: no list was written), the refusal, and every skipped line.
struct ImportFall {
    const char* name;
    const char* datei;
    QByteArray inhalt;
    std::optional<QByteArray> vorher;
    std::optional<QByteArray> nachher;
    QString fehler;
    QStringList ausgelassen;
};

QByteArray Paarzeilen(int von, int bis)
{
    QByteArray out;
    for (int i = von; i <= bis; ++i)
        out += QByteArray("w") + QByteArray::number(i) + ";b" + QByteArray::number(i) + "\n";
    return out;
}

QByteArray Records(int von, int bis, int ersteNummer)
{
    QByteArray out;
    // Numbers run 001 to 100 and start again, as the entry screen numbers them.
    for (int i = von; i <= bis; ++i, ++ersteNummer)
        out += QStringLiteral("%1#w%2#b%2#0#0#\r\n").arg((ersteNummer - 1) % 100 + 1, 3, 10, QLatin1Char('0')).arg(i).toLatin1();
    return out;
}

QByteArray Verschachtelt(int tiefe)
{
    return Kvtml(DeEn, "<entry id=\"0\"><translation id=\"1\"><text>")
        .replace("<text>", "<text>" + QByteArray("<b>").repeated(tiefe) + "x" + QByteArray("</b>").repeated(tiefe));
}

} // namespace

TEST(ImportRegeln, ListsByteForByte)
{
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0\x1f\xf3\xff" "a", 33);
    const ImportFall faelle[] = {
        {"BOM im Feld", "bom.csv", "a;b\xEF\xBB\xBF\n", std::nullopt, CpZeilen({"001#a#b#0#0#"}), {}, {}},
        {"unsichtbare Zeichen um Wort und Bedeutung", "zw.csv",
         "\xE2\x80\x8B" "cat\xE2\x80\x8E;Katze\xE2\x80\x8F\n", std::nullopt, CpZeilen({"001#cat#Katze#0#0#"}), {}, {}},
        {"Zeichen außerhalb Windows-1252: die neue Liste in UTF-8 mit Marke", "ro.csv",
         "Rom\xC4\x83nia;Rum\xC3\xA4nien\nok;gut\n", std::nullopt,
         "\xEF\xBB\xBF" "001#Rom\xC4\x83nia#Rum\xC3\xA4nien#0#0#\r\n002#ok#gut#0#0#\r\n", {}, {}},
        {"offenes Anführungszeichen", "offen.csv", "\"cool (slang);toll\n" + Paarzeilen(2, 6), std::nullopt,
         Records(2, 6, 1), {}, L({"1|Das Anführungszeichen wird nicht geschlossen"})},
        {"Anführungszeichen mit Text dahinter", "slang.csv", "\"cool\" (slang);toll\n" + Paarzeilen(2, 998),
         std::nullopt, Cp("001#\"cool\" (slang)#toll#0#0#\r\n") + Records(2, 998, 2), {},
         {}},
        {"offenes Anführungszeichen nach mehrzeiligem Feld", "mehr.csv",
         "x;\"a\nb\"\n\"c;d\ne;f\ng;h\n", std::nullopt,
         CpZeilen({"001#x#a b#0#0#", "002#e#f#0#0#", "003#g#h#0#0#"}), {},
         L({"3|Das Anführungszeichen wird nicht geschlossen"})},
        {"Liste endet mit einem einzelnen CR", "cr.csv", "x;y\r\n", QByteArray("001#a#b#0#0#\r"),
         QByteArray("001#a#b#0#0#\r\n002#x#y#0#0#\r\n"), {}, {}},
        {"PNG-Datei", "bild.png", png, std::nullopt, std::nullopt,
         QStringLiteral("Die Datei „bild.png“ ist keine Textdatei."), {}},
        {"Binärdatei ohne NUL-Byte", "daten.csv", QByteArray("\x01\x02\x03\x04;\x05\x06\x07\x08\x0e\n").repeated(20),
         std::nullopt, std::nullopt, QStringLiteral("Die Datei „daten.csv“ ist keine Textdatei."), {}},
        {"tiefe Verschachtelung", "tief.kvtml", Verschachtelt(60000), std::nullopt, std::nullopt,
         QStringLiteral("Die KVTML-Datei ist zu tief verschachtelt (Zeile 3)."), {}},
        {"Verschachtelung bis zur Grenze wird gelesen", "grenze.kvtml",
         Kvtml(DeEn, "<entry id=\"0\"><translation id=\"1\"><text><b><i>x</i></b>y</text></translation>"
                     "<translation id=\"0\"><text>z</text></translation></entry>"),
         std::nullopt, CpZeilen({"001#xy#z#0#0#"}), {}, {}},
        {"kaputtes XML: deutsche Meldung ohne Qt-Text", "kaputt.kvtml", "<kvtml version=\"2.0\">\n<entries>\n<entry></x>",
         std::nullopt, std::nullopt, QStringLiteral("Die KVTML-Datei ist beschädigt (Zeile 3)."), {}},
        {"BOM in einem KVTML-Eintrag", "bom.kvtml",
         Kvtml(DeEn, "<entry id=\"0\"><translation id=\"1\"><text>&#xFEFF;cat</text></translation>"
                     "<translation id=\"0\"><text>Katze</text></translation></entry>"),
         std::nullopt, CpZeilen({"001#cat#Katze#0#0#"}), {}, {}},
    };
    for (const ImportFall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir dir;
        const QString quelle = dir.filePath(f.datei);
        const QString liste = dir.filePath("Liste.dva");
        {
            QFile q(quelle);
            ASSERT_TRUE(q.open(QIODevice::WriteOnly) && q.write(f.inhalt) == f.inhalt.size());
        }
        if (f.vorher) {
            QFile l(liste);
            ASSERT_TRUE(l.open(QIODevice::WriteOnly) && l.write(*f.vorher) == f.vorher->size());
        }
        QString fehler;
        const auto inhalt = DateiImportiert(quelle, &fehler);
        EXPECT_EQ(fehler, f.fehler);
        if (inhalt) {
            QStringList ausgelassen;
            for (const Ausgelassen& a : inhalt->ausgelassen)
                ausgelassen << QStringLiteral("%1|%2").arg(a.stelle).arg(a.grund);
            EXPECT_EQ(ausgelassen, f.ausgelassen);
            if (!inhalt->paare.isEmpty())
                EXPECT_TRUE(PaareAnhaengen(liste, inhalt->paare));
        }
        QFile l(liste);
        EXPECT_EQ(l.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(l.readAll()) : std::nullopt, f.nachher);
    }
}
