// The settings kept across starts: what a file beside the lists says, whatever state it is
// in; a change written back with the keys another version wrote; a failed write.
#include "lists/DateiErsetzen.h"
#include "lists/Einstellungen.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

const QString& G = Einstellungen::GrosszuegigPruefen;

QByteArray B(const char* s, qsizetype n = -1) { return n < 0 ? QByteArray(s) : QByteArray(s, n); }

} // namespace

TEST(Einstellungen, ADamagedFileGivesTheDefaultsForWhatItCannotSay)
{
    const struct {
        const char* name;
        std::optional<QByteArray> datei; // nullopt: no file; empty: a folder of that name
        bool grosszuegig;
    } faelle[] = {
        {"keine Datei", std::nullopt, false},
        {"an", B("GrosszuegigPruefen=ja\r\n"), true},
        {"aus, nur LF", B("GrosszuegigPruefen=nein\n"), false},
        {"Leerzeichen, ohne Zeilenende", B(" GrosszuegigPruefen = ja"), true},
        {"Byte-Order-Mark", B("\xEF\xBB\xBFGrosszuegigPruefen=ja\r\n"), true},
        {"unbekannter Wert", B("GrosszuegigPruefen=1\r\n"), false},
        {"die letzte Zeile gilt", B("GrosszuegigPruefen=ja\r\nGrosszuegigPruefen=nein\r\n"), false},
        {"Binärmüll", B("\x00\xFF\xFE\x01=\x80", 6), false},
        {"kaputte Zeilen kosten nur sich", B("\xFF\xFE=x\r\nohne Gleichheitszeichen\r\n=ja\r\nGrosszuegigPruefen=ja\r\n"), true},
        {"kein UTF-8 in der Zeile", B("GrosszuegigPruefen=ja\xC3\r\n"), false},
        {"ein Ordner statt der Datei", QByteArray(), false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir dir;
        if (f.datei && f.datei->isEmpty())
            ASSERT_TRUE(QDir(dir.path()).mkdir(Einstellungen::Dateiname));
        else if (f.datei)
            SchreibeBytes(dir.filePath(Einstellungen::Dateiname), *f.datei);
        EXPECT_EQ(Einstellungen::Lesen(dir.path()).Schalter(G), f.grosszuegig);
    }
}

TEST(Einstellungen, AChangeIsWrittenWholeWithTheKeysItDoesNotKnow)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(Einstellungen::Dateiname);
    Einstellungen neu;
    neu.SchalterSetzen(G, true);
    ASSERT_TRUE(neu.Schreiben(dir.path()));
    EXPECT_EQ(LiesBytes(datei), "GrosszuegigPruefen=ja\r\n");

    // A line that is no UTF-8 is not carried along mangled.
    SchreibeBytes(datei, "Fremd=Wert = mit Gleichheitszeichen\r\nKaputt=\xFF\r\nGrosszuegigPruefen=ja\r\nLeer=\r\n");
    Einstellungen e = Einstellungen::Lesen(dir.path());
    EXPECT_TRUE(e.Schalter(G));
    e.SchalterSetzen(G, false);
    ASSERT_TRUE(e.Schreiben(dir.path()));
    const QByteArray aus = "Fremd=Wert = mit Gleichheitszeichen\r\nGrosszuegigPruefen=nein\r\nLeer=\r\n";
    EXPECT_EQ(LiesBytes(datei), aus);
    EXPECT_FALSE(Einstellungen::Lesen(dir.path()).Schalter(G));

    // A full disk: the old file stays as it was, no temporary is left, errno says why.
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) {
        errno = ENOSPC;
        return s != ErsetzenSchritt::Schreiben;
    });
    e.SchalterSetzen(G, true);
    errno = 0;
    EXPECT_FALSE(e.Schreiben(dir.path()));
    EXPECT_EQ(errno, ENOSPC);
    SetzeErsetzenFehlerHook(nullptr);
    EXPECT_EQ(LiesBytes(datei), aus);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{Einstellungen::Dateiname});
    EXPECT_TRUE(e.Schalter(G)) << "the choice holds for this run";
}
