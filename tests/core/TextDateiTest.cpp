// Windows-1252 text files: code page, line framing, appending.
#include "lists/TextDatei.h"

#include "common/TestHilfen.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <vector>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {
QByteArray AlleBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b.append(static_cast<char>(i));
    return b;
}
} // namespace

TEST(TextDatei, EveryByteValueSurvivesDecodeAndEncode)
{
    const QByteArray alle = AlleBytes();
    const QString text = AusCp1252(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(IstCp1252(text));
    EXPECT_EQ(NachCp1252(text), alle);

    EXPECT_EQ(AusCp1252("\x80\xe4\xdf\x9f"), QString::fromUtf8("€äßŸ"));
    EXPECT_EQ(NachCp1252(QString::fromUtf8("Mädchen €")), QByteArray("M\xe4" "dchen \x80"));
}

TEST(TextDatei, AgreesWithQtsWindows1252Codec)
{
    QStringDecoder dekoder("windows-1252");
    if (!dekoder.isValid())
        GTEST_SKIP() << "Qt has no windows-1252 codec here";
    for (int b = 0; b < 256; ++b) {
        const QByteArray ein(1, static_cast<char>(b));
        EXPECT_EQ(AusCp1252(ein), dekoder.decode(ein)) << "byte " << b;
    }
}

// A character outside the code page has no Windows-1252 byte: the file that gets one
// turns UTF-8 with mark, whole. Only half a character is refused, before anything is written.
TEST(TextDatei, CharactersOutsideTheCodePageTurnTheFileUtf8)
{
    for (const char16_t c : {char16_t(0x6F22), char16_t(0x0080), char16_t(0x0100), char16_t(0xD83D)}) {
        const QString s = QString("ab") + QChar(c);
        EXPECT_FALSE(IstCp1252(s)) << int(c);
        EXPECT_FALSE(NachCp1252(s)) << int(c);
    }
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    EXPECT_TRUE(ZeileAnhaengen(pfad, QString::fromUtf8("001#漢#x#0#0#")));
    EXPECT_EQ(LiesBytes(pfad), "\xEF\xBB\xBF" "001#\xE6\xBC\xA2#x#0#0#\r\n");

    SchreibeBytes(pfad, "001#a#b#0#0#\r\n");
    EXPECT_FALSE(ZeilenAnhaengen(pfad, {"002#c#d#0#0#", "003#" + QString(QChar(0xD83D)) + "#x#0#0#"}));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#0#0#\r\n"); // none of the block was written
    EXPECT_TRUE(ZeilenAnhaengen(pfad, {"002#c#d#0#0#", QString::fromUtf8("003#漢#x#0#0#")}));
    EXPECT_EQ(LiesBytes(pfad), "\xEF\xBB\xBF" "001#a#b#0#0#\r\n002#c#d#0#0#\r\n003#\xE6\xBC\xA2#x#0#0#\r\n");
}

TEST(TextDatei, LineFraming)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    const struct { QByteArray bytes; QStringList zeilen; } faelle[] = {
        {"", {}},
        {"a\r\n", {"a"}},
        {"a\r\nb\nc", {"a", "b", "c"}},        // lone LF; last line without line end
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},   // an empty line in the middle is a line
        {"\r\n", {""}},
        {"x\ry\r\n", {"x\ry"}},                // a CR inside a line is content
    };
    for (const auto& f : faelle) {
        SchreibeBytes(pfad, f.bytes);
        EXPECT_EQ(ZeilenLesen(pfad), f.zeilen) << f.bytes.toStdString();
        EXPECT_EQ(ZeilenZaehlen(pfad), f.zeilen.size()) << f.bytes.toStdString();
    }
    EXPECT_FALSE(ZeilenLesen(dir.filePath("fehlt.dva")));
    EXPECT_FALSE(ZeilenZaehlen(dir.filePath("fehlt.dva")));
    EXPECT_FALSE(ZeilenLesen(dir.path())); // a folder is no list
}

TEST(TextDatei, AllBytesSurviveAReadAndRewriteOfAFile)
{
    QByteArray zeile = AlleBytes();
    zeile.remove(13, 1);
    zeile.remove(10, 1);
    QTemporaryDir dir;
    SchreibeBytes(dir.filePath("a.dva"), zeile + "\r\n" + zeile + "\r\n");
    const auto zeilen = ZeilenLesen(dir.filePath("a.dva"));
    ASSERT_TRUE(zeilen);
    ASSERT_EQ(zeilen->size(), 2);
    ASSERT_TRUE(ZeilenAnhaengen(dir.filePath("b.dva"), *zeilen));
    EXPECT_EQ(LiesBytes(dir.filePath("b.dva")), LiesBytes(dir.filePath("a.dva")));

    // A damaged list with the UTF-8 mark: bytes that are no UTF-8 (stray, cut, overlong,
    // a surrogate's form) are written back as they were, not as U+FFFD.
    const QByteArray damaged = "\xEF\xBB\xBF" + zeile + "\r\n001#gr\xC3\xBCn#\xED\xA0\x80\xF0\x9F\x98\r\n";
    SchreibeBytes(dir.filePath("c.dva"), damaged);
    const auto gelesen = ZeilenLesen(dir.filePath("c.dva"));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->at(1).left(8), QString::fromUtf8("001#grün"));
    EXPECT_EQ(DateiInhalt(*gelesen, Listenkodierung::Utf8MitMarke), damaged);
    EXPECT_EQ(ZeileLesen(dir.filePath("c.dva"), 2), gelesen->at(1));
    // A lone surrogate that stands for no byte still has no form.
    EXPECT_FALSE(Kodieren(QString(QChar(0xD800)), Listenkodierung::Utf8MitMarke));
    EXPECT_FALSE(Kodieren(QString(QChar(0xDC41)), Listenkodierung::Utf8MitMarke));
}

TEST(TextDatei, AppendingAddsCrLfAndCreatesMissingFiles)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    ASSERT_TRUE(ZeileAnhaengen(pfad, QString::fromUtf8("001#Mädchen#girl#0#0#")));
    EXPECT_EQ(LiesBytes(pfad), "001#M\xe4" "dchen#girl#0#0#\r\n");
    ASSERT_TRUE(ZeileAnhaengen(pfad, "002#a#b#0#0#"));
    EXPECT_EQ(LiesBytes(pfad), "001#M\xe4" "dchen#girl#0#0#\r\n002#a#b#0#0#\r\n");
    EXPECT_FALSE(ZeileAnhaengen(dir.filePath("kein/ordner.dva"), "x"));
}

TEST(TextDatei, AppendingAfterALastLineWithoutLineEndKeepsBothLines)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    SchreibeBytes(pfad, "001#a#b#0#0#");
    ASSERT_TRUE(ZeileAnhaengen(pfad, "002#c#d#0#0#"));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#0#0#\r\n002#c#d#0#0#\r\n");
    // A lone LF is a line end too and gets nothing added.
    SchreibeBytes(pfad, "001#a#b#0#0#\n");
    ASSERT_TRUE(ZeilenAnhaengen(pfad, {"002#c#d#0#0#", "003#e#f#0#0#"}));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#0#0#\n002#c#d#0#0#\r\n003#e#f#0#0#\r\n");
}

TEST(TextDatei, DateiAnlegenCreatesEmptyButKeepsContent)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvb");
    ASSERT_TRUE(DateiAnlegen(pfad));
    EXPECT_EQ(LiesBytes(pfad), "");
    SchreibeBytes(pfad, "001#a#b#2#0#\r\n");
    ASSERT_TRUE(DateiAnlegen(pfad));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#2#0#\r\n");
    EXPECT_FALSE(DateiAnlegen(dir.filePath("kein/x.dvb")));
}

TEST(TextDatei, ZeileLesenAgreesWithZeilenLesen)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    // Long lines cross the read buffer; an empty line, a lone LF and a last line without end.
    const QByteArray lang(70000, 'x');
    const QByteArray faelle[] = {"", "a\r\n", "a\r\n\r\nb\nc", "a\r\n" + lang + "\r\n" + lang + "z",
                                 lang + "\n\n"};
    for (const QByteArray& bytes : faelle) {
        SchreibeBytes(pfad, bytes);
        const QStringList alle = ZeilenLesen(pfad).value();
        for (qsizetype n = 1; n <= alle.size(); ++n)
            EXPECT_EQ(ZeileLesen(pfad, n), alle[n - 1]) << n;
        EXPECT_FALSE(ZeileLesen(pfad, alle.size() + 1));
        EXPECT_FALSE(ZeileLesen(pfad, 0));
    }
    EXPECT_FALSE(ZeileLesen(dir.filePath("fehlt.dva"), 1));
}

// A list keeps the encoding it has: Windows-1252 as Lerno writes it, or UTF-8 (with or
// without a mark) as lists copied from elsewhere come. Reading a whole file, reading one
// line and appending all follow the file's own encoding, until a line needs UTF-8.
TEST(TextDatei, AListIsReadAndExtendedInItsOwnEncoding)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    const struct {
        const char* zeile;
        QByteArray bytes;
        std::vector<const char*> zeilen; // UTF-8 source text
        Listenkodierung kodierung;
    } faelle[] = {
        {"Windows-1252 umlauts", "001#green#gr\xFCn#0#0#\r\n", {"001#green#grün#0#0#"}, Listenkodierung::Cp1252},
        {"UTF-8 without a mark", "001#green#gr\xC3\xBCn#0#0#\r\n", {"001#green#grün#0#0#"}, Listenkodierung::Utf8},
        {"UTF-8 with a mark", mark + "001#green#gr\xC3\xBCn#0#0#\r\n002#a#b#0#0#\r\n",
         {"001#green#grün#0#0#", "002#a#b#0#0#"}, Listenkodierung::Utf8MitMarke},
        {"a mark before ASCII", mark + "001#a#b#0#0#\r\n", {"001#a#b#0#0#"}, Listenkodierung::Utf8MitMarke},
        {"a mark alone is an empty list", mark, {}, Listenkodierung::Utf8MitMarke},
        {"ASCII only", "001#a#b#0#0#\r\n", {"001#a#b#0#0#"}, Listenkodierung::Cp1252},
        {"one line not UTF-8 makes all Windows-1252", "001#gr\xC3\xBCn#x#0#0#\r\n002#m\xE4h#y#0#0#\r\n",
         {"001#grÃ¼n#x#0#0#", "002#mäh#y#0#0#"}, Listenkodierung::Cp1252},
        {"U+FEFF inside a line stays", "001#\xEF\xBB\xBF" "a#\xC3\xA4#0#0#\r\n", {"001#\xEF\xBB\xBF" "a#ä#0#0#"},
         Listenkodierung::Utf8},
        {"U+FEFF at the start of a later line stays", mark + "001#a#b#0#0#\r\n\xEF\xBB\xBF" "x#\xC3\xA4#0#0#\r\n",
         {"001#a#b#0#0#", "\xEF\xBB\xBF" "x#ä#0#0#"}, Listenkodierung::Utf8MitMarke},
        {"an overlong form is no UTF-8", "001#\xC0\xAF#x#0#0#\r\n", {"001#À¯#x#0#0#"}, Listenkodierung::Cp1252},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        QTemporaryDir dir;
        const QString pfad = dir.filePath("x.dva");
        SchreibeBytes(pfad, f.bytes);
        QStringList erwartet;
        for (const char* z : f.zeilen) // fromUtf8 would drop a U+FEFF at the start
            erwartet << (QByteArrayView(z).startsWith("\xEF\xBB\xBF") ? QChar(0xFEFF) + QString::fromUtf8(z + 3)
                                                                      : QString::fromUtf8(z));
        EXPECT_EQ(KodierungErkennen(f.bytes), f.kodierung);
        EXPECT_EQ(ZeilenLesen(pfad), erwartet);
        EXPECT_EQ(ZeilenZaehlen(pfad), erwartet.size());
        for (qsizetype n = 1; n <= erwartet.size(); ++n)
            EXPECT_EQ(ZeileLesen(pfad, n), erwartet[n - 1]) << n;
        EXPECT_FALSE(ZeileLesen(pfad, erwartet.size() + 1)); // no line past the last

        // An appended pair is written as the list is: never a second encoding in one file.
        const QString neu = QString::fromUtf8("003#neu#schön#0#0#");
        ASSERT_TRUE(ZeileAnhaengen(pfad, neu));
        const bool utf8 = f.kodierung != Listenkodierung::Cp1252;
        EXPECT_EQ(LiesBytes(pfad), f.bytes + (utf8 ? neu.toUtf8() : Cp("003#neu#schön#0#0#")) + "\r\n");
        EXPECT_EQ(ZeilenLesen(pfad), erwartet + QStringList{neu});
        // A character Windows-1252 lacks: a UTF-8 list takes it as it is, a Windows-1252
        // one is written anew as UTF-8 with mark, every line as it was read.
        const QString ro = QString::fromUtf8("004#x#ă#0#0#");
        ASSERT_TRUE(ZeileAnhaengen(pfad, ro));
        QByteArray neuGeschrieben = mark;
        for (const QString& z : erwartet + QStringList{neu, ro})
            neuGeschrieben += z.toUtf8() + "\r\n";
        EXPECT_EQ(LiesBytes(pfad), utf8 ? f.bytes + neu.toUtf8() + "\r\n" + ro.toUtf8() + "\r\n" : neuGeschrieben);
        EXPECT_EQ(ZeilenLesen(pfad), erwartet + QStringList({neu, ro}));
    }
}
