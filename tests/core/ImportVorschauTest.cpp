// Files as people's programs write them, imported with the detected settings (as the
// preview presets them): the list written from them byte for byte, and every skip.
#include "transfer/import/CsvLeser.h"
#include "transfer/import/ImportVorlage.h"

#include "common/TestHilfen.h"
#include "transfer/import/ListeErweitern.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace lerno;
using testhilfen::CpZeilen;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QByteArray Utf16(const char* utf8, bool le)
{
    QStringEncoder e(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    return e(QString::fromUtf8(utf8));
}

QByteArray Kvtml2(const char* identifiers, const char* entries)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><identifiers>")
        + identifiers + "</identifiers><entries>" + entries + "</entries></kvtml>";
}

const char* FrDeEn = "<identifier id=\"0\"><name>Französisch</name><locale>fr</locale></identifier>"
                     "<identifier id=\"1\"><name>Deutsch</name><locale>de</locale></identifier>"
                     "<identifier id=\"2\"><name>Englisch</name><locale>en</locale></identifier>";

struct Fall {
    const char* name;
    const char* datei;
    QByteArray inhalt;
    QByteArray liste;          // the list's bytes afterwards
    QStringList ausgelassen;   // "line|reason"
    std::optional<Kodierung> gewaehlt = std::nullopt; // chosen by the pupil in the preview
};

QStringList L(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* s : utf8)
        out << QString::fromUtf8(s);
    return out;
}

} // namespace

TEST(ImportVorschau, FilesFromOtherProgramsByteForByte)
{
    const Fall faelle[] = {
        {"German in the first column, no header", "de_zuerst.csv",
         "die Katze;the cat\nder Hund;the dog\ndas Haus;the house\n",
         CpZeilen({"001#the cat#die Katze#0#0#", "002#the dog#der Hund#0#0#", "003#the house#das Haus#0#0#"}), {}},
        {"recognised header Deutsch;Englisch swaps the columns", "de_en.csv", "Deutsch;Englisch\nKatze;cat\n",
         CpZeilen({"001#cat#Katze#0#0#"}), {}},
        {"level column before the pair", "level.csv", "level;deutsch;englisch\n1;Katze;cat\n2;Hund;dog\n",
         CpZeilen({"001#cat#Katze#0#0#", "002#dog#Hund#0#0#"}), {}},
        {"Unit,Page,English,Deutsch: never Unit 1 = 1", "unit.csv",
         "Unit,Page,English,Deutsch\nUnit 1,12,cat,Katze\nUnit 1,13,dog,Hund\n",
         CpZeilen({"001#cat#Katze#0#0#", "002#dog#Hund#0#0#"}), {}},
        {"number-only column without header is never chosen", "nummer.csv", "1;the cat;die Katze\n2;the dog;der Hund\n",
         CpZeilen({"001#the cat#die Katze#0#0#", "002#the dog#der Hund#0#0#"}), {}},
        {"header in plain words begriff;uebersetzung", "begriff.csv", "begriff;uebersetzung\nthe cat;die Katze\n",
         CpZeilen({"001#the cat#die Katze#0#0#"}), {}},
        {"header with an addition: Englisch (Unit 3);Deutsch", "zusatz.csv",
         "Englisch (Unit 3);Deutsch\nthe dog;der Hund\n", CpZeilen({"001#the dog#der Hund#0#0#"}), {}},
        {"spreadsheet Unicode text: UTF-16 LE with BOM, tabs", "unicode.txt",
         Utf16("Englisch\tDeutsch\r\ngreen\tgrün\r\nthe street\tdie Straße\r\n", true),
         CpZeilen({"001#green#grün#0#0#", "002#the street#die Straße#0#0#"}), {}},
        {"UTF-16 BE with BOM", "be.txt", Utf16("green;grün\r\n", false), CpZeilen({"001#green#grün#0#0#"}), {}},
        {"Anki export: separator, html and columns lines honoured", "anki.txt",
         "#separator:tab\n#html:true\n#columns:Front\tBack\n<b>the cat</b>\tdie&nbsp;Katze\n"
         "to go<br>went\tgehen &amp; ging\nx&lt;y\tx &#252; y\n",
         CpZeilen({"001#the cat#die Katze#0#0#", "002#to go went#gehen & ging#0#0#", "003#x<y#x ü y#0#0#"}), {}},
        {"Anki fields with tags but no header lines", "anki_ohne.txt",
         "<div>the house</div>\tdas&nbsp;Haus\n<i>green</i>\tgr&uuml;n &amp; frisch\n",
         CpZeilen({"001#the house#das Haus#0#0#", "002#green#grün & frisch#0#0#"}), {}},
        {"outer blanks trimmed, inner runs made one", "blanks.csv",
         "grandfather ;Großvater \net   ;  und\nthe   old  man;der alte\tMann\n",
         CpZeilen({"001#grandfather#Großvater#0#0#", "002#et#und#0#0#"}),
         L({"3|Vokabel und Bedeutung dürfen keinen Tabulator enthalten"})},
        {"narrow and plain no-break spaces become blanks", "fr.csv",
         "\xC3\xA7" "a va\xE2\x80\xAF?;wie geht's\nmerci\xC2\xA0 beaucoup;danke sch\xC3\xB6n\n",
         CpZeilen({"001#ça va ?#wie geht's#0#0#", "002#merci beaucoup#danke schön#0#0#"}), {}},
        {"line break inside a quoted cell becomes a blank", "umbruch.csv", "\"to go,\r\nwent\";gehen\nok;gut\n",
         CpZeilen({"001#to go, went#gehen#0#0#", "002#ok#gut#0#0#"}), {}},
        {"a character Windows-1252 cannot hold makes the list UTF-8", "ro.csv", "Rom\xC4\x83nia;Rum\xC3\xA4nien\nok;gut\n",
         "\xEF\xBB\xBF" "001#Rom\xC4\x83nia#Rum\xC3\xA4nien#0#0#\r\n002#ok#gut#0#0#\r\n", {}},
        {"a private-use character is named by its code", "pua.csv", "a\xEE\x80\x80;b\nok;gut\n",
         CpZeilen({"001#ok#gut#0#0#"}), L({"1|Ein Zeichen aus dem privaten Bereich (U+E000) kann nicht gespeichert werden"})},
        {"only rows that held something count as skipped", "leer.csv", "a;b\n;;\n  ;  \n\n;x\nc;d\n",
         CpZeilen({"001#a#b#0#0#", "002#c#d#0#0#"}), L({"5|Vokabel ist leer"})},
        {"empty KVTML entries are no skipped words", "leer.kvtml",
         Kvtml2("<identifier id=\"0\"><name>Deutsch</name><locale>de</locale></identifier>"
                "<identifier id=\"1\"><name>English</name><locale>en</locale></identifier>",
                "<entry id=\"0\"></entry><entry id=\"1\"><translation id=\"0\"><text> </text></translation></entry>"
                "<entry id=\"2\"><translation id=\"1\"><text>cat</text></translation>"
                "<translation id=\"0\"><text>Katze</text></translation></entry>"),
         CpZeilen({"001#cat#Katze#0#0#"}), {}},
        {"KVTML 1.0 is read", "alt.kvtml",
         "<?xml version=\"1.0\"?>\n<kvtml encoding=\"UTF-8\" generator=\"x\" cols=\"2\">\n"
         "<lesson width=\"1\"><desc no=\"1\">L1</desc></lesson>\n"
         "<e m=\"1\"><o l=\"de\">Haus</o><t l=\"en\">house</t></e>\n<e><o>Maus</o><t>mouse &amp; rat</t></e>\n</kvtml>\n",
         CpZeilen({"001#house#Haus#0#0#", "002#mouse & rat#Maus#0#0#"}), {}},
        {"KVTML with three languages: German meaning, first other word", "drei.kvtml",
         Kvtml2(FrDeEn, "<entry id=\"0\"><translation id=\"0\"><text>le chat</text></translation>"
                        "<translation id=\"1\"><text>die Katze</text></translation>"
                        "<translation id=\"2\"><text>the cat</text></translation></entry>"),
         CpZeilen({"001#le chat#die Katze#0#0#"}), {}},
        {"old Mac file: Mac Roman chosen, CR-only line ends counted as lines", "mac.csv",
         "green;gr\x9Fn\rthe street;die Stra\xA7" "e\r\rx#;y\r", CpZeilen({"001#green#grün#0#0#", "002#the street#die Straße#0#0#"}),
         L({"4|Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen"}), Kodierung::MacRoman},
        {"UTF-8 with one invalid byte stays UTF-8", "kaputt.csv",
         "green;gr\xC3\xBCn\nbad;b\xFF\nthe street;die Stra\xC3\x9F" "e\n",
         CpZeilen({"001#green#grün#0#0#", "002#the street#die Straße#0#0#"}),
         L({"2|Die Zeile enthält Bytes, die kein UTF-8 sind"})},
        {"a first row of two title words of one kind is a pair", "wort.csv", "word;Wort\nthe cat;die Katze\n",
         CpZeilen({"001#word#Wort#0#0#", "002#the cat#die Katze#0#0#"}), {}},
        {"the same language in two tongues is a pair", "sprache.csv", "English;Englisch\nFrench;Französisch\n",
         CpZeilen({"001#English#Englisch#0#0#", "002#French#Französisch#0#0#"}), {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir dir;
        const QString quelle = dir.filePath(f.datei);
        const QString liste = dir.filePath("Liste.dva");
        {
            QFile q(quelle);
            ASSERT_TRUE(q.open(QIODevice::WriteOnly) && q.write(f.inhalt) == f.inhalt.size());
        }
        QString fehler;
        auto vorlage = ImportVorlageLesen(quelle, &fehler);
        ASSERT_TRUE(vorlage) << fehler.toStdString();
        if (f.gewaehlt)
            VorlageNeuLesen(*vorlage, *f.gewaehlt, vorlage->einstellungen.trenner);
        const ImportInhalt inhalt = PaareBilden(vorlage->tabelle, vorlage->einstellungen);
        QStringList ausgelassen;
        for (const Ausgelassen& a : inhalt.ausgelassen)
            ausgelassen << QStringLiteral("%1|%2").arg(a.stelle).arg(a.grund);
        EXPECT_EQ(ausgelassen, f.ausgelassen);
        ASSERT_TRUE(PaareAnhaengen(liste, inhalt.paare));
        QFile l(liste);
        ASSERT_TRUE(l.open(QIODevice::ReadOnly));
        EXPECT_EQ(l.readAll(), f.liste);
        // The menu's way: the pairs built again from the table while the list is written.
        const QString direkt = dir.filePath("Direkt.dva");
        ASSERT_TRUE(PaareAnhaengen(direkt, vorlage->tabelle, vorlage->einstellungen));
        QFile d(direkt);
        ASSERT_TRUE(d.open(QIODevice::ReadOnly));
        EXPECT_EQ(d.readAll(), f.liste);
    }
}

namespace {

// "encoding|separator|header|word|meaning|titles" as detected.
QString Erkannt(const ImportVorlage& v)
{
    const ImportEinstellungen& e = v.einstellungen;
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(KodierungName(e.kodierung), QString(e.trenner))
        .arg(e.kopfzeile)
        .arg(e.wortSpalte)
        .arg(e.bedeutungSpalte)
        .arg(v.tabelle.titel.join(u','));
}

} // namespace

// What the preview presets: encoding, separator, header and the two columns by number.
TEST(ImportVorschau, DetectedSettings)
{
    const struct {
        const char* name;
        QByteArray inhalt;
        bool kvtml;
        QString erwartet; // "encoding|separator|header|word|meaning|titles"
    } faelle[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBFVokabel;Bedeutung\nx;y\n", false, "UTF-8|;|1|0|1|"},
        {"Windows-1252", "gr\xFCn,green\n", false, "Windows-1252|,|0|1|0|"},
        {"UTF-16 LE", Utf16("a\tb\n", true), false, "UTF-16 LE|\t|0|0|1|"},
        {"Anki columns as titles", "#separator:Pipe\n#columns:Front|Back\nx|y\n", false, "UTF-8|||0|0|1|Front,Back"},
        {"three KVTML languages titled by name", Kvtml2(FrDeEn, ""), true,
         "UTF-8|;|0|0|1|Französisch,Deutsch,Englisch"},
        // Title words that are also plausible vocabulary: a header only when they name
        // different things.
        {"word;Wort is a pair", "word;Wort\nthe cat;die Katze\n", false, "UTF-8|;|0|0|1|"},
        {"Wort;word is a pair, German on the left", "Wort;word\nKatze;cat\n", false, "UTF-8|;|0|1|0|"},
        {"meaning;Bedeutung is a pair", "meaning;Bedeutung\nthe cat;die Katze\n", false, "UTF-8|;|0|0|1|"},
        {"page;Seite is a pair", "page;Seite\nthe cat;die Katze\n", false, "UTF-8|;|0|0|1|"},
        {"German;Deutsch is a pair", "German;Deutsch\nthe cat;die Katze\n", false, "UTF-8|;|0|0|1|"},
        {"two different languages are a header", "Englisch;Französisch\nthe cat;le chat\n", false,
         "UTF-8|;|1|0|1|"},
        {"a role and a language are a header", "Wort;Deutsch\nthe cat;die Katze\n", false, "UTF-8|;|1|0|1|"},
        {"a number title and a language are a header", "Nr,English\n1,the cat\n", false, "UTF-8|,|1|1|0|"},
    };
    for (const auto& f : faelle) {
        QString fehler;
        const auto v = ImportVorlageAus(f.inhalt, f.kvtml, &fehler);
        ASSERT_TRUE(v) << f.name << fehler.toStdString();
        EXPECT_EQ(Erkannt(*v), f.erwartet) << f.name;
    }
}

// Titles that name roles, not languages, say nothing of which column is German: the
// content decides, the titles only where it says nothing; a language title is trusted.
TEST(ImportVorschau, RoleTitlesLetTheContentDecide)
{
    const struct {
        const char* name;
        const char* inhalt;
        const char* erwartet; // as DetectedSettings
    } faelle[] = {
        {"begriff;uebersetzung over German terms", "begriff;uebersetzung\ndie Katze;the cat\nder Hund;the dog\n",
         "UTF-8|;|1|1|0|"},
        {"Vokabel;Bedeutung over German terms", "Vokabel;Bedeutung\nKatze;cat\nHund;dog\ngrün;green\n",
         "UTF-8|;|1|1|0|"},
        {"a number column before the roles", "Nr;Begriff;Übersetzung\n1;die Katze;the cat\n2;der Hund;the dog\n",
         "UTF-8|;|1|2|1|"},
        {"Anki's Front/Back with German on the front", "#separator:tab\n#columns:Front\tBack\nHaus\thouse\n",
         "UTF-8|\t|0|1|0|Front,Back"},
        {"roles that agree with the content", "Vokabel;Bedeutung\nthe cat;die Katze\n", "UTF-8|;|1|0|1|"},
        {"both columns look German: the titles decide", "Vokabel;Bedeutung\nMonday;Montag\n", "UTF-8|;|1|0|1|"},
        {"neither looks German: the titles decide", "Begriff;Übersetzung\nto go;gehen\n", "UTF-8|;|1|0|1|"},
        {"a language title is trusted over the content", "Englisch;Deutsch\ndie Katze;the cat\n", "UTF-8|;|1|0|1|"},
    };
    for (const auto& f : faelle) {
        const auto v = ImportVorlageAus(QByteArray(f.inhalt), false);
        ASSERT_TRUE(v) << f.name;
        EXPECT_EQ(Erkannt(*v), QString::fromUtf8(f.erwartet)) << f.name;
    }
}

// Long reads report their progress; a cancel stops the read and gives nothing back.
TEST(ImportVorschau, ProgressAndCancel)
{
    QByteArray datei;
    for (int i = 0; i < 20000; ++i)
        datei += "cat;Katz\n";
    QList<qint64> stand;
    QString fehler = QStringLiteral("alt");
    const auto ganz = ImportVorlageAus(datei, false, &fehler, [&stand](qint64 erledigt, qint64 gesamt) {
        EXPECT_EQ(gesamt, 180000);
        stand.append(erledigt);
        return true;
    });
    ASSERT_TRUE(ganz);
    EXPECT_EQ(PaareBilden(ganz->tabelle, ganz->einstellungen).paare.size(), 20000);
    EXPECT_EQ(stand, QList<qint64>({36864, 73728, 110592, 147456}));

    int aufrufe = 0;
    const auto abgebrochen = ImportVorlageAus(datei, false, &fehler, [&aufrufe](qint64, qint64) {
        return ++aufrufe < 2;
    });
    EXPECT_FALSE(abgebrochen);
    EXPECT_EQ(aufrufe, 2);
    EXPECT_TRUE(fehler.isEmpty());
}

namespace {

QByteArray Utf16Roh(const char* utf8, bool le)
{
    QStringEncoder e(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
    return e(QString::fromUtf8(utf8));
}

// "line:cell|cell" per row joined by "/", then "!line" per row that could not be read.
QString Zellen(const ImportTabelle& tab)
{
    QStringList zeilen;
    for (qsizetype r = 0; r < tab.Zeilen(); ++r)
        zeilen << QStringLiteral("%1:%2").arg(tab.Stelle(r)).arg(tab.Zeile(r).join(u'|'));
    for (const Ausgelassen& a : tab.fehler)
        zeilen << QStringLiteral("!%1").arg(a.stelle);
    return zeilen.join(u'/');
}

} // namespace

// The cells as read, each a place in the one text kept; changed cells and every kind of
// line end.
TEST(ImportVorschau, CellsAsRead)
{
    const struct {
        const char* name;
        QByteArray inhalt;
        Kodierung kodierung;
        QChar trenner;
        const char* erwartet; // UTF-8
    } faelle[] = {
        {"doubled quotes and a quoted line break", "\"say \"\"hi\"\"\";\"a\r\nb\"\r\nx;y\r\n", Kodierung::Utf8, u';',
         "1:say \"hi\"|a\nb/3:x|y"},
        {"a lone CR in quotes becomes LF", "\"a\rb\";c\n", Kodierung::Utf8, u';', "1:a\nb|c"},
        {"lone CR line ends", "a;b\rc;d\r\re;f", Kodierung::Utf8, u';', "1:a|b/2:c|d/4:e|f"},
        {"a quote inside a field stays", "ab\"c;d\n", Kodierung::Utf8, u';', "1:ab\"c|d"},
        {"text after a closing quote: read as it stands", "\"ab\"c;d\n", Kodierung::Utf8, u';', "1:\"ab\"c|d"},
        {"an open quote costs its line only", "x;\"ab\ny;z\n", Kodierung::Utf8, u';', "2:y|z/!1"},
        {"an open quote over lines names where it began", "\"a\"\"\nb;c\n", Kodierung::Utf8, u';', "2:b|c/!1"},
        {"separator at the end: an empty last cell", "a;\n;b", Kodierung::Utf8, u';', "1:a|/2:|b"},
        {"rows without content are none", "a;b\n;;\n \t;\xC2\xA0\nc;d", Kodierung::Utf8, u';', "1:a|b/4:c|d"},
        {"a separator of two bytes", "a\xC2\xA7" "b\nc\xC2\xA7\xC2\xA7" "d\n", Kodierung::Utf8, QChar(0xA7),
         "1:a|b/2:c||d"},
        {"BOM skipped", "\xEF\xBB\xBF" "a;b\n", Kodierung::Utf8MitBom, u';', "1:a|b"},
        {"Anki lines are no rows but count as lines", "#separator:semicolon\r\n#html:false\r\na;b\r\n",
         Kodierung::Utf8, u';', "3:a|b"},
        {"Windows-1252", "gr\xFCn;\x80\n", Kodierung::Windows1252, u';', "1:grün|€"},
        {"Mac Roman", "gr\x9Fn;x\r", Kodierung::MacRoman, u';', "1:grün|x"},
        {"UTF-16 LE with BOM", Utf16("a;\xC3\xBC\r\nb;c", true), Kodierung::Utf16LE, u';', "1:a|ü/2:b|c"},
        {"UTF-16 BE without BOM", Utf16Roh("a;\xC3\xBC", false), Kodierung::Utf16BE, u';', "1:a|ü"},
        {"UTF-16 with an odd last byte", Utf16Roh("a;b", true) + "x", Kodierung::Utf16LE, u';', "1:a|b\xEF\xBF\xBD"},
        {"invalid UTF-8 stays in its cell", "a;b\xFF\nc;d\n", Kodierung::Utf8, u';', "1:a|b\xEF\xBF\xBD/2:c|d"},
    };
    for (const auto& f : faelle) {
        const auto tab = CsvTabelle(f.inhalt, f.kodierung, f.trenner);
        ASSERT_TRUE(tab) << f.name;
        EXPECT_EQ(Zellen(*tab), QString::fromUtf8(f.erwartet)) << f.name;
    }
    // A UTF-8 file's text is the file's own bytes, not a copy.
    const QByteArray datei("a;b\nc;d\n");
    EXPECT_EQ(CsvTabelle(datei, Kodierung::Utf8, u';')->text.constData(), datei.constData());
}

// Thousands of pairs are written batch by batch, the same bytes as in one go, after a list
// whose last line has no line end.
TEST(ImportVorschau, LargeFileAppendedInBatchesAsAWhole)
{
    QByteArray datei;
    for (int i = 1; i <= 10000; ++i)
        datei += QStringLiteral("word %1;Wort %1\r\n").arg(i).toUtf8();
    datei += "bad#;x\r\n";
    const auto v = ImportVorlageAus(datei, false);
    ASSERT_TRUE(v);
    QTemporaryDir dir;
    const QByteArray alt("099#alt#old#2#0#");
    QStringList listen;
    for (const char* name : {"paare.dva", "tabelle.dva"}) {
        listen << dir.filePath(name);
        QFile l(listen.last());
        ASSERT_TRUE(l.open(QIODevice::WriteOnly) && l.write(alt) == alt.size());
    }
    ASSERT_TRUE(PaareAnhaengen(listen[0], PaareBilden(v->tabelle, v->einstellungen).paare));
    ASSERT_TRUE(PaareAnhaengen(listen[1], v->tabelle, v->einstellungen));
    QByteArray bytes[2];
    for (int i = 0; i < 2; ++i) {
        QFile l(listen[i]);
        ASSERT_TRUE(l.open(QIODevice::ReadOnly));
        bytes[i] = l.readAll();
    }
    EXPECT_EQ(bytes[1], bytes[0]);
    EXPECT_EQ(bytes[1].count("\r\n"), 10001);
    EXPECT_TRUE(bytes[1].startsWith(alt + "\r\n100#word 1#Wort 1#0#0#\r\n"));
    EXPECT_TRUE(bytes[1].endsWith("#word 10000#Wort 10000#0#0#\r\n"));
}
