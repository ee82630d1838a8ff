// Windows-1252 text files: code page, line framing, appending.
#include "lists/TextDatei.h"

#include "common/TestHilfen.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace lerno;
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

TEST(TextDatei, CharactersOutsideTheCodePageAreRefusedBeforeWriting)
{
    for (const char16_t c : {char16_t(0x6F22), char16_t(0x0080), char16_t(0x0100), char16_t(0xD83D)}) {
        const QString s = QString("ab") + QChar(c);
        EXPECT_FALSE(IstCp1252(s)) << int(c);
        EXPECT_FALSE(NachCp1252(s)) << int(c);
    }
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dva");
    EXPECT_FALSE(ZeileAnhaengen(pfad, QString::fromUtf8("001#漢#x#0#0#")));
    EXPECT_FALSE(QFile::exists(pfad));

    SchreibeBytes(pfad, "001#a#b#0#0#\r\n");
    EXPECT_FALSE(ZeilenAnhaengen(pfad, {"002#c#d#0#0#", QString::fromUtf8("003#漢#x#0#0#")}));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#0#0#\r\n"); // none of the block was written
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
