// The German cause of a failed file operation, and the write-protection check every
// function asks before it changes a list.
#include "lists/Dateizugriff.h"

#include "common/TestHilfen.h"
#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

const auto NurLesen = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

} // namespace

TEST(FehlerUrsache, NamesTheCauseInGerman)
{
    QTemporaryDir dir;
    const QString liste = dir.filePath("Englisch.dva");
    const QString geschuetzt = dir.filePath("Alt.dva");
    SchreibeBytes(liste, "");
    SchreibeBytes(geschuetzt, "");
    ASSERT_TRUE(QFile::setPermissions(geschuetzt, NurLesen));
    const QString ordner = QDir(dir.path()).absolutePath();
    struct Fall {
        const char* name;
        QString pfad;
        int fehlernummer;
        Zugriff zugriff;
        QFileDevice::FileError qt;
        QString text;
    };
    const Fall faelle[] = {
        {"disk full", liste, ENOSPC, Zugriff::Schreiben, QFileDevice::NoError, "Der Datenträger ist voll."},
        {"quota full", liste, EDQUOT, Zugriff::Schreiben, QFileDevice::NoError, "Der Datenträger ist voll."},
        {"read-only file", geschuetzt, EACCES, Zugriff::Schreiben, QFileDevice::NoError,
         "Keine Schreibberechtigung für „Alt.dva“."},
        {"read-only folder (the file itself may be written)", liste, EACCES, Zugriff::Schreiben,
         QFileDevice::NoError, "Keine Schreibberechtigung für den Ordner „" + ordner + "“."},
        {"read-only folder, new file", dir.filePath("afile.dva"), EPERM, Zugriff::Schreiben, QFileDevice::NoError,
         "Keine Schreibberechtigung für den Ordner „" + ordner + "“."},
        {"unreadable file", liste, EACCES, Zugriff::Lesen, QFileDevice::NoError,
         "Keine Leseberechtigung für „Englisch.dva“."},
        {"read-only disk", liste, EROFS, Zugriff::Schreiben, QFileDevice::NoError,
         "Der Datenträger ist schreibgeschützt."},
        {"gone", liste, ENOENT, Zugriff::Lesen, QFileDevice::NoError, "„Englisch.dva“ gibt es nicht (mehr)."},
        {"folder gone", dir.filePath("fehlt/x.dva"), ENOENT, Zugriff::Schreiben, QFileDevice::NoError,
         "Den Ordner „" + ordner + "/fehlt“ gibt es nicht (mehr)."},
        {"a folder", liste, EISDIR, Zugriff::Lesen, QFileDevice::NoError, "„Englisch.dva“ ist ein Ordner, keine Datei."},
        {"disk error", liste, EIO, Zugriff::Schreiben, QFileDevice::NoError, "Der Datenträger meldet einen Fehler."},
        {"only Qt's kind known", geschuetzt, 0, Zugriff::Schreiben, QFileDevice::PermissionsError,
         "Keine Schreibberechtigung für „Alt.dva“."},
        {"errno wins over Qt's kind", liste, ENOSPC, Zugriff::Schreiben, QFileDevice::WriteError,
         "Der Datenträger ist voll."},
        {"nothing known", liste, 0, Zugriff::Schreiben, QFileDevice::NoError, "Die Ursache ist nicht bekannt."},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FehlerUrsache(f.pfad, f.fehlernummer, f.zugriff, f.qt), f.text) << f.name;
}

TEST(ListeSchreibgeschuetzt, AnyMemberWithoutWriteRightProtectsTheList)
{
    struct Fall {
        const char* name;
        QString geschuetzt; // endings of members made read-only
        QString fehlt;      // endings of members that do not exist
        bool erwartet;
    };
    const Fall faelle[] = {
        {"all writable", "", "", false},
        {"members missing", "", "bcd", false},
        {"main list read-only", "a", "", true},
        {"stage 2 read-only", "b", "", true},
        {"stage 3 read-only", "c", "d", true},
        {"scratch file read-only", "d", "", true},
        {"read-only member missing", "", "a", false},
    };
    for (const Fall& f : faelle) {
        QTemporaryDir dir;
        const QString liste = dir.filePath("Englisch.dva");
        for (QChar b : QStringLiteral("abcd")) {
            const QString pfad = liste.chopped(1) + b;
            if (f.fehlt.contains(b))
                continue;
            SchreibeBytes(pfad, "001#a#b#0#0#\r\n");
            if (f.geschuetzt.contains(b))
                ASSERT_TRUE(QFile::setPermissions(pfad, NurLesen)) << f.name;
        }
        EXPECT_EQ(ListeSchreibgeschuetzt(liste), f.erwartet) << f.name;
    }
    EXPECT_EQ(SchreibschutzText("/x/Vokabeln/Englisch.dva"), "Die Liste „Englisch“ ist schreibgeschützt.");
}

TEST(DateiErsetzen, AFailureComesBackWithItsCause)
{
    QTemporaryDir dir;
    const QString ziel = dir.filePath("x.dva");
    SchreibeBytes(ziel, "alt\r\n");
    struct Fall {
        const char* name;
        std::function<DateiErgebnis()> schreiben;
        ErsetzenSchritt schritt;
    };
    const Fall faelle[] = {
        {"DateiErsetzen, open", [&] { return DateiErsetzen(ziel, "neu\r\n"); }, ErsetzenSchritt::Oeffnen},
        {"DateiErsetzen, write", [&] { return DateiErsetzen(ziel, "neu\r\n"); }, ErsetzenSchritt::Schreiben},
        {"DateiErsetzen, flush", [&] { return DateiErsetzen(ziel, "neu\r\n"); }, ErsetzenSchritt::Flushen},
        {"DateiErsetzen, rename", [&] { return DateiErsetzen(ziel, "neu\r\n"); }, ErsetzenSchritt::Umbenennen},
        {"HilfsdateiSchreiben, write", [&] { return HilfsdateiSchreiben(dir.filePath("x.dvd"), "neu\r\n"); },
         ErsetzenSchritt::Schreiben},
        {"DateiErsetzenDurch, rename",
         [&] {
             SchreibeBytes(dir.filePath("x.dvd"), "neu\r\n");
             return DateiErsetzenDurch(ziel, dir.filePath("x.dvd"));
         },
         ErsetzenSchritt::Umbenennen},
    };
    for (const Fall& f : faelle) {
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) {
            if (s != f.schritt)
                return true;
            errno = ENOSPC; // a full disk, as the real call would report it
            return false;
        });
        const DateiErgebnis e = f.schreiben();
        SetzeErsetzenFehlerHook(nullptr);
        EXPECT_FALSE(e.ok()) << f.name;
        EXPECT_EQ(e.Fehlernummer(), ENOSPC) << f.name;
        EXPECT_EQ(LiesBytes(ziel), "alt\r\n") << f.name;
    }

    // Real failures keep theirs, whatever runs after them.
    ASSERT_TRUE(QDir(dir.path()).mkdir("y.dvd"));
    SetzeAnhaengenFehlerHook([](qint64) { return 0; }); // a full disk at the first byte
    const DateiErgebnis voll = ZeilenAnhaengen(ziel, {"001#a#b#0#0#"});
    SetzeAnhaengenFehlerHook(nullptr);
    const struct {
        const char* name;
        DateiErgebnis ergebnis;
        int fehlernummer;
    } echte[] = {
        {"replace, no folder for the temporary file", DateiErsetzen(dir.filePath("fehlt/x.dva"), "abc\r\n"), ENOENT},
        {"scratch file, a folder in its place", HilfsdateiSchreiben(dir.filePath("y.dvd"), "abc\r\n"), EISDIR},
        {"append, disk full", voll, ENOSPC},
        {"append, text no list can hold", ZeileAnhaengen(ziel, "001#" + QString(QChar(0xD800)) + "#x#0#0#"), 0},
        {"create, no folder", DateiAnlegen(dir.filePath("fehlt/x.dvb")), ENOENT},
        {"read, missing", BytesLesen(dir.filePath("fehlt.dva")).Ergebnis(), ENOENT},
        {"read, a folder", BytesLesen(dir.filePath("y.dvd")).Ergebnis(), EISDIR},
    };
    for (const auto& f : echte) {
        EXPECT_FALSE(f.ergebnis.ok()) << f.name;
        EXPECT_EQ(f.ergebnis.Fehlernummer(), f.fehlernummer) << f.name;
    }
    EXPECT_EQ(LiesBytes(ziel), "alt\r\n");
    EXPECT_EQ(FehlerUrsache(ziel, voll), QString::fromUtf8("Der Datenträger ist voll."));
}
