// The settings kept across starts: what a file beside the lists says, whatever state it is
// in; a change written back with the keys another version wrote; a failed write.
#include "lists/DateiErsetzen.h"
#include "lists/Einstellungen.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

TEST(Einstellungen, ADamagedFileGivesTheDefaultsForWhatItCannotSay)
{
    const struct { const char* name; QByteArray datei; bool grosszuegig; } faelle[] = {
        {"keine Datei", {}, false},
        {"an, mit Byte-Order-Mark und Leerzeichen", "\xEF\xBB\xBF GrosszuegigPruefen = ja\n", true},
        {"die letzte Zeile gilt", "GrosszuegigPruefen=ja\r\nGrosszuegigPruefen=nein\r\n", false},
        {"unbekannter Wert", "GrosszuegigPruefen=1", false},
        {"Binärmüll", QByteArray("\x00\xFF\xFE\x01=\x80", 6), false},
        {"kaputte Zeilen kosten nur sich", "\xFF=x\r\nohne Gleichheitszeichen\r\n=ja\r\nGrosszuegigPruefen=ja", true},
        {"kein UTF-8 in der Zeile", "GrosszuegigPruefen=ja\xC3\r\n", false},
        {"ein Ordner statt der Datei", "/", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir dir;
        if (f.datei == "/")
            ASSERT_TRUE(QDir(dir.path()).mkdir(Einstellungen::Dateiname));
        else if (!f.datei.isEmpty())
            SchreibeBytes(dir.filePath(Einstellungen::Dateiname), f.datei);
        EXPECT_EQ(Einstellungen::Lesen(dir.path()).Schalter(Einstellungen::GrosszuegigPruefen), f.grosszuegig);
    }
}

TEST(Einstellungen, AChangeIsWrittenWholeWithTheKeysItDoesNotKnow)
{
    const QString& g = Einstellungen::GrosszuegigPruefen;
    QTemporaryDir dir;
    const QString datei = dir.filePath(Einstellungen::Dateiname);
    // A line that is no UTF-8 is not carried along mangled.
    SchreibeBytes(datei, "Fremd=Wert = mit Gleichheitszeichen\r\nKaputt=\xFF\r\nGrosszuegigPruefen=nein\r\nLeer=\r\n");
    Einstellungen e = Einstellungen::Lesen(dir.path());
    e.SchalterSetzen(g, true);
    ASSERT_TRUE(e.Schreiben(dir.path()));
    const QByteArray an = "Fremd=Wert = mit Gleichheitszeichen\r\nGrosszuegigPruefen=ja\r\nLeer=\r\n";
    EXPECT_EQ(LiesBytes(datei), an);
    EXPECT_TRUE(Einstellungen::Lesen(dir.path()).Schalter(g)) << "read back as written";

    // A full disk: the old file stays as it was, no temporary is left, the result says why.
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) {
        errno = ENOSPC;
        return s != ErsetzenSchritt::Schreiben;
    });
    e.SchalterSetzen(g, false);
    const DateiErgebnis voll = e.Schreiben(dir.path());
    EXPECT_FALSE(voll);
    EXPECT_EQ(voll.Fehlernummer(), ENOSPC);
    SetzeErsetzenFehlerHook(nullptr);
    EXPECT_EQ(LiesBytes(datei), an);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{Einstellungen::Dateiname});
    EXPECT_FALSE(e.Schalter(g)) << "the choice holds for this run";
}
