// The shared file helpers: appending with and without the key test, deleting, renaming.
#include "lists/modfiles.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

TEST(ZeileAnfuegen, Mode1ComparesRecordKeysWithCase)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvb");

    SchreibeBytes(pfad, "007#a#b#2#0#\r\n");
    ASSERT_TRUE(ZeileAnfuegen("007#a#b#3#0#", pfad, 1));
    EXPECT_EQ(LiesBytes(pfad), "007#a#b#2#0#\r\n"); // same key 007#a#b#: the old line stays

    SchreibeBytes(pfad, "007#a#B#2#0#\r\n");
    ASSERT_TRUE(ZeileAnfuegen("007#a#b#3#0#", pfad, 1));
    EXPECT_EQ(LiesBytes(pfad), "007#a#B#2#0#\r\n007#a#b#3#0#\r\n");

    // The key is searched in every line, not only the first or last.
    SchreibeBytes(pfad, "001#x#y#2#0#\r\n007#a#b#5#0#\r\n009#z#w#2#0#\r\n");
    ASSERT_TRUE(ZeileAnfuegen("007#a#b#3#0#", pfad, 1));
    EXPECT_EQ(LiesBytes(pfad), "001#x#y#2#0#\r\n007#a#b#5#0#\r\n009#z#w#2#0#\r\n");
}

TEST(ZeileAnfuegen, ShortLinesHaveNoKey)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvb");
    // An empty or short line in the target must not swallow a record, and a short
    // argument only matches the very same short line.
    SchreibeBytes(pfad, "\r\nab\r\n");
    ASSERT_TRUE(ZeileAnfuegen("001#a#b#2#0#", pfad, 1));
    ASSERT_TRUE(ZeileAnfuegen("ab", pfad, 1));
    ASSERT_TRUE(ZeileAnfuegen("", pfad, 1));
    ASSERT_TRUE(ZeileAnfuegen("abc", pfad, 1));
    EXPECT_EQ(LiesBytes(pfad), "\r\nab\r\n001#a#b#2#0#\r\nabc\r\n");
}

TEST(ZeileAnfuegen, MissingFilesAndModes)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvd");
    EXPECT_FALSE(ZeileAnfuegen("001#a#b#2#0#", pfad, 1)); // mode 1 needs the file
    EXPECT_FALSE(QFile::exists(pfad));

    ASSERT_TRUE(ZeileAnfuegen("001#a#b#2#0#", pfad, 2));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#2#0#\r\n");
    ASSERT_TRUE(ZeileAnfuegen("001#a#b#2#0#", pfad, 2)); // mode 2 never looks
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#2#0#\r\n001#a#b#2#0#\r\n");

    for (int modus : {0, 3, -1})
        EXPECT_TRUE(ZeileAnfuegen("002#c#d#0#0#", pfad, modus));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#2#0#\r\n001#a#b#2#0#\r\n");
    EXPECT_TRUE(ZeileAnfuegen("002#c#d#0#0#", dir.filePath("neu.dvd"), 3));
    EXPECT_FALSE(QFile::exists(dir.filePath("neu.dvd"))); // not even created
}

TEST(DateiLoeschen, MissingFileIsSuccess)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvb");
    EXPECT_TRUE(DateiLoeschen(pfad));
    EXPECT_FALSE(QFile::exists(pfad));

    SchreibeBytes(pfad, "001#a#b#2#0#\r\n");
    EXPECT_TRUE(DateiLoeschen(pfad));
    EXPECT_FALSE(QFile::exists(pfad));
}

TEST(DateiLoeschen, FailuresKeepWhatIsThere)
{
    QTemporaryDir dir;
    // A folder named like the file cannot be deleted as a file, not even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir("x.dvb"));
    SchreibeBytes(dir.filePath("x.dvb/inhalt"), "bleibt");
    EXPECT_FALSE(DateiLoeschen(dir.filePath("x.dvb")));
    EXPECT_EQ(LiesBytes(dir.filePath("x.dvb/inhalt")), "bleibt");

    // A path below a regular file is a broken path, not a missing file.
    SchreibeBytes(dir.filePath("datei"), "x");
    EXPECT_FALSE(DateiLoeschen(dir.filePath("datei/x.dvb")));
    EXPECT_FALSE(DateiLoeschen(dir.filePath("fehlt/x.dvb")));
    EXPECT_EQ(LiesBytes(dir.filePath("datei")), "x");
}

TEST(DateiLoeschen, ReadOnlyFolderKeepsTheFileWhole)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    QTemporaryDir dir;
    const QString ordner = dir.filePath("ro");
    ASSERT_TRUE(QDir().mkdir(ordner));
    const QString pfad = ordner + "/x.dva";
    SchreibeBytes(pfad, "001#a#b#2#0#\r\n");
    ASSERT_TRUE(QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(DateiLoeschen(pfad));
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#2#0#\r\n"); // not emptied on the way
}

TEST(DateiUmbenennen, NeedsSourceAndRefusesExistingTarget)
{
    QTemporaryDir dir;
    const QString quelle = dir.filePath("x.dvd");
    const QString ziel = dir.filePath("x.dva");
    EXPECT_FALSE(DateiUmbenennen(quelle, ziel));

    SchreibeBytes(quelle, "neu\r\n");
    SchreibeBytes(ziel, "alt\r\n");
    EXPECT_FALSE(DateiUmbenennen(quelle, ziel));
    EXPECT_EQ(LiesBytes(ziel), "alt\r\n");
    EXPECT_EQ(LiesBytes(quelle), "neu\r\n");

    ASSERT_TRUE(QFile::remove(ziel));
    EXPECT_TRUE(DateiUmbenennen(quelle, ziel));
    EXPECT_EQ(LiesBytes(ziel), "neu\r\n");
    EXPECT_FALSE(QFile::exists(quelle));
}
