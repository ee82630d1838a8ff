// Lists in every script a pupil learns. One list per language goes through every writer
// (entry, import, the stage updates, the editor's save) and comes back from every reader
// byte for byte: Windows-1252 while it fits, else UTF-8 with mark, stage lists alike.
#include "editor/Editorliste.h"
#include "entry/VokabelSpeichern.h"
#include "learning/Wortgedaechtnis.h"
#include "lernstand/Uebersicht.h"
#include "lists/Listendateien.h"
#include "lists/Listensprache.h"
#include "lists/TextDatei.h"
#include "practice/Stufen.h"
#include "practice/Uebung.h"
#include "transfer/Export.h"
#include "transfer/import/ListeErweitern.h"
#include "transfer/import/ImportVorlage.h"

#include "common/ImportHilfen.h"
#include "common/TestHilfen.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

const QByteArray Marke = "\xEF\xBB\xBF";

struct Schrift {
    const char* name;
    const char* sprache; // what the script tells (German name), "" for nothing
    std::vector<std::pair<const char*, const char*>> paare; // foreign word, meaning
    bool utf8;
};

const Schrift Schriften[] = {
    {"de", "", {{"die Straße", "the street"}, {"Mädchen", "girl"}, {"5 €", "fünf Euro"}}, false},
    {"fr", "", {{"l'été", "der Sommer"}, {"garçon", "Junge"}, {"œuf", "Ei"}}, false},
    {"es", "", {{"¿Qué tal?", "Wie geht's?"}, {"mañana", "morgen"}, {"¡Hola!", "Hallo!"}}, false},
    {"pl", "Polnisch", {{"zażółć", "gelb färben"}, {"łódź", "Boot"}, {"gęś", "Gans"}}, true},
    {"ro", "Rumänisch", {{"mâine", "morgen"}, {"și", "und"}, {"țară", "Land"}}, true},
    {"tr", "Türkisch", {{"ağaç", "Baum"}, {"ılık", "lauwarm"}, {"İstanbul", "Istanbul"}}, true},
    {"ru", "Russisch", {{"дом", "Haus"}, {"ёж", "Igel"}, {"съесть", "aufessen"}}, true},
    {"el", "Griechisch", {{"σπίτι", "Haus"}, {"ψάρι", "Fisch"}, {"ώρα", "Stunde"}}, true},
    // Latin and Cyrillic in one list, in either column.
    {"gemischt", "Russisch", {{"кот (cat)", "Katze"}, {"Wi-Fi", "вайфай"}, {"Straße", "улица"}}, true},
};

// What the list's file must hold: these records in the row's encoding.
QByteArray Datei(const Schrift& s, const QStringList& zeilen)
{
    QByteArray out = s.utf8 && !zeilen.isEmpty() ? Marke : QByteArray();
    for (const QString& z : zeilen)
        out += (s.utf8 ? z.toUtf8() : Cp(z.toUtf8().constData())) + "\r\n";
    return out;
}

QString Satz(const Schrift& s, int i, int stand)
{
    return QStringLiteral("00%1#%2#%3#%4#0#")
        .arg(i + 1)
        .arg(QString::fromUtf8(s.paare[size_t(i)].first), QString::fromUtf8(s.paare[size_t(i)].second))
        .arg(stand);
}

class Listenschrift : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln")); }
    QString pfad(const char* name, char b = 'a') const
    {
        return ordner.datei(QStringLiteral("Vokabeln/%1.dv%2").arg(QString::fromUtf8(name)).arg(b));
    }
    testhilfen::TempProgrammordner ordner;
};

} // namespace

TEST_F(Listenschrift, EveryWriterAndReaderByteForByte)
{
    for (const Schrift& s : Schriften) {
        SCOPED_TRACE(s.name);
        const QString dva = pfad(s.name);
        QStringList neu, paare;
        for (int i = 0; i < 3; ++i) {
            neu << Satz(s, i, 0);
            paare << QString::fromUtf8(s.paare[size_t(i)].first) + u'#' + QString::fromUtf8(s.paare[size_t(i)].second);
        }

        // Entry: typed into a new list, which takes the language its script shows.
        ASSERT_TRUE(ListeAnlegen(dva));
        for (const auto& [wort, bedeutung] : s.paare)
            ASSERT_EQ(VokabelSpeichern(dva, QString::fromUtf8(wort), QString::fromUtf8(bedeutung)),
                      SpeicherErgebnis::Gespeichert);
        const QByteArray eingegeben = Datei(s, neu);
        EXPECT_EQ(LiesBytes(dva), eingegeben);
        EXPECT_EQ(Listensprache(dva), QString::fromUtf8(s.sprache));

        // Import: the same pairs from a spreadsheet file give the same bytes.
        QByteArray csv = "Vokabel;Bedeutung\r\n";
        for (const auto& [wort, bedeutung] : s.paare)
            csv += QByteArray(wort) + ';' + bedeutung + "\r\n";
        auto vorlage = ImportVorlageAus(csv, false);
        ASSERT_TRUE(vorlage);
        vorlage->einstellungen.wortSpalte = 0; // "die Straße" would pass for the German column
        vorlage->einstellungen.bedeutungSpalte = 1;
        EXPECT_EQ(ImportSprache(*vorlage), QString::fromUtf8(s.sprache));
        const QString importiert = pfad(s.name) + ".import.dva";
        ASSERT_TRUE(PaareAnhaengen(importiert, vorlage->tabelle, vorlage->einstellungen));
        EXPECT_EQ(LiesBytes(importiert), eingegeben);

        // Readers: the whole list, one line, the practice, the editor, the overview, the
        // export and the words' memory.
        EXPECT_EQ(ZeilenLesen(dva), neu);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(ZeileLesen(dva, n), neu[n - 1]);
        Uebung uebung(dva, 1);
        ASSERT_TRUE(uebung.NaechsteFrage(1));
        EXPECT_TRUE(paare.contains(uebung.Aktuell().Vokabel + u'#' + uebung.Aktuell().Bedeutung));
        const GeladeneListe geladen = EditorListeLesen(dva);
        ASSERT_EQ(geladen.Zeilen.size(), 3u);
        EXPECT_EQ(geladen.Zeilen[2].Vokabel + u'#' + geladen.Zeilen[2].Bedeutung, paare[2]);
        EXPECT_EQ(WoerterZaehlen(dva).Woerter, 3);
        EXPECT_EQ(WoerterZaehlen(dva).Ungueltig, 0);
        SchreibeBytes(pfad("Marke"), Marke); // a UTF-8 list that has lost its last pair
        EXPECT_EQ(WoerterZaehlen(pfad("Marke")).Ungueltig, 0);
        EXPECT_TRUE(ExportBauen(*ZeilenLesen(dva), ';').bytes.contains(s.paare[1].first));
        EXPECT_EQ(Wortgedaechtnis::WoerterLesen(dva).schluessel, paare);

        // Stage 1: counts and copies in the list's encoding; stage 2 adds to the .dvc only;
        // stage 3 changes nothing.
        ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
        ASSERT_TRUE(Stufe1Sichern(dva, {2, 4, 0}).Fehlerfrei());
        EXPECT_EQ(LiesBytes(dva), Datei(s, {Satz(s, 0, 2), Satz(s, 1, 4), Satz(s, 2, 0)}));
        EXPECT_EQ(LiesBytes(pfad(s.name, 'b')), Datei(s, {Satz(s, 0, 2), Satz(s, 1, 4)}));
        EXPECT_EQ(LiesBytes(pfad(s.name, 'c')), Datei(s, {Satz(s, 1, 4)}));
        const QByteArray dvb = LiesBytes(pfad(s.name, 'b'));
        ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
        ASSERT_TRUE(Stufe2Sichern(pfad(s.name, 'b'), {2, 0}).Fehlerfrei());
        EXPECT_EQ(LiesBytes(pfad(s.name, 'b')), dvb);
        EXPECT_EQ(LiesBytes(pfad(s.name, 'c')), Datei(s, {Satz(s, 1, 4), Satz(s, 0, 4)}));
        const QByteArray vorher[3] = {LiesBytes(dva), dvb, LiesBytes(pfad(s.name, 'c'))};
        ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
        ASSERT_TRUE(Stufe3Beenden(pfad(s.name, 'c')).Fehlerfrei());
        EXPECT_EQ(LiesBytes(dva) + LiesBytes(pfad(s.name, 'b')) + LiesBytes(pfad(s.name, 'c')),
                  vorher[0] + vorher[1] + vorher[2]);

        // Editor: loaded and saved unchanged, the list stays byte for byte and the stage
        // lists are rebuilt from it, in its encoding.
        ASSERT_EQ(EditorListeSchreiben(dva, EditorListeLesen(dva).Zeilen).Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(LiesBytes(dva), vorher[0]);
        EXPECT_EQ(LiesBytes(pfad(s.name, 'b')), vorher[1]);
        EXPECT_EQ(LiesBytes(pfad(s.name, 'c')), Datei(s, {Satz(s, 1, 4)}));
    }
}

// A Windows-1252 list with every byte from 0x20 to 0xFF but "#" in its words stays byte
// for byte through an appended pair, practice in all three stages and an editor save.
TEST_F(Listenschrift, EveryWindows1252ByteSurvivesEveryWriter)
{
    QByteArray woerter[3];
    for (int b = 0x20; b <= 0xFF; ++b)
        if (b != '#')
            woerter[(b - 0x20) / 75] += char(b);
    QByteArray liste;
    for (int i = 0; i < 3; ++i)
        liste += "00" + QByteArray::number(i + 1) + '#' + woerter[i] + "#Wort " + QByteArray::number(i + 1) + "#5#0#\r\n";
    const QString dva = pfad("Alle Bytes");
    SchreibeBytes(dva, liste);
    ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
    ASSERT_EQ(KodierungErkennen(QByteArrayView(liste)), Listenkodierung::Cp1252);

    ASSERT_EQ(VokabelSpeichern(dva, "plain", "schlicht"), SpeicherErgebnis::Gespeichert);
    liste += "004#plain#schlicht#0#0#\r\n";
    EXPECT_EQ(LiesBytes(dva), liste);

    const QByteArray stufen = liste.left(liste.indexOf("004#"));
    ASSERT_TRUE(Stufe1Sichern(dva, {0, 0, 0, 1}).Fehlerfrei());
    liste.replace("004#plain#schlicht#0#0#", "004#plain#schlicht#1#0#");
    EXPECT_EQ(LiesBytes(dva), liste);
    EXPECT_EQ(LiesBytes(pfad("Alle Bytes", 'b')), stufen);
    EXPECT_EQ(LiesBytes(pfad("Alle Bytes", 'c')), stufen);
    ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
    ASSERT_TRUE(Stufe2Sichern(pfad("Alle Bytes", 'b'), {1, 1, 1}).Fehlerfrei());
    ASSERT_TRUE(ListeAnlegen(dva, Anlage::MitUebungsdatei));
    ASSERT_TRUE(Stufe3Beenden(pfad("Alle Bytes", 'c')).Fehlerfrei());
    EXPECT_EQ(LiesBytes(dva) + LiesBytes(pfad("Alle Bytes", 'b')) + LiesBytes(pfad("Alle Bytes", 'c')),
              liste + stufen + stufen);

    // The line with C1 controls is kept whole by the editor, and so goes to no stage list.
    ASSERT_EQ(EditorListeSchreiben(dva, EditorListeLesen(dva).Zeilen).Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(LiesBytes(dva), liste);
    const QList<QByteArray> z = stufen.split('\n');
    EXPECT_EQ(LiesBytes(pfad("Alle Bytes", 'b')), z[0] + '\n' + z[2] + '\n');
}

// A Windows-1252 list turns UTF-8 with mark only when a pair needs it, whichever writer
// adds it; its stage lists follow it, and the words keep their memory.
TEST_F(Listenschrift, AListTurnsUtf8WithItsStageListsWhenAPairNeedsIt)
{
    const QByteArray dva = Cp("001#Mädchen#girl#4#0#\r\n002#Straße#street#2#0#\r\n");
    const QByteArray dvb = Cp("001#Mädchen#girl#4#0#\r\n002#Straße#street#2#0#\r\n");
    const QByteArray dvc = Cp("001#Mädchen#girl#4#0#\r\n");
    const QByteArray utf8 = Marke + "001#Mädchen#girl#4#0#\r\n002#Straße#street#2#0#\r\n";
    const QByteArray neu = "003#țară#Land#0#0#\r\n";
    const struct {
        const char* name;
        std::function<bool(const QString&)> schreiben;
        QByteArray liste, stufe2, stufe3;
    } faelle[] = {
        {"Eingabe", [](const QString& l) { return VokabelSpeichern(l, "țară", "Land") == SpeicherErgebnis::Gespeichert; },
         utf8 + neu, utf8, Marke + "001#Mädchen#girl#4#0#\r\n"},
        {"Import in eine Liste", [](const QString& l) { return bool(PaareAnhaengen(l, {{1, "țară", "Land"}})); },
         utf8 + neu, utf8, Marke + "001#Mädchen#girl#4#0#\r\n"},
        {"Editor", [](const QString& l) {
             auto zeilen = EditorListeLesen(l).Zeilen;
             zeilen[1].Vokabel = "ștraße";
             return EditorListeSchreiben(l, zeilen).Stand == EditorSpeicherStand::Gespeichert;
         },
         Marke + "001#Mädchen#girl#4#0#\r\n002#ștraße#street#2#0#\r\n",
         Marke + "001#Mädchen#girl#4#0#\r\n002#ștraße#street#2#0#\r\n", Marke + "001#Mädchen#girl#4#0#\r\n"},
        {"Übung neben einer Liste, die schon UTF-8 ist", [](const QString& l) {
             SchreibeBytes(l, Marke + "001#Mädchen#girl#4#0#\r\n002#Straße#street#2#0#\r\n");
             return Stufe1Sichern(l, {0, 2}).Fehlerfrei();
         },
         // The .dvb gets nothing new and stays as it is: read by its own bytes it is right.
         Marke + "001#Mädchen#girl#4#0#\r\n002#Straße#street#4#0#\r\n", dvb,
         Marke + "001#Mädchen#girl#4#0#\r\n002#Straße#street#4#0#\r\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString l = pfad(f.name);
        SchreibeBytes(l, dva);
        SchreibeBytes(pfad(f.name, 'b'), dvb);
        SchreibeBytes(pfad(f.name, 'c'), dvc);
        SchreibeBytes(pfad(f.name, 'd'), {});
        ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(l, {"Mädchen", "girl"}, 3, QDate(2025, 3, 1)));

        ASSERT_TRUE(f.schreiben(l));
        EXPECT_EQ(LiesBytes(l), f.liste);
        EXPECT_EQ(LiesBytes(pfad(f.name, 'b')), f.stufe2);
        EXPECT_EQ(LiesBytes(pfad(f.name, 'c')), f.stufe3);
        EXPECT_EQ(ZeilenLesen(pfad(f.name, 'b'))->first(), QString::fromUtf8("001#Mädchen#girl#4#0#"));
        EXPECT_EQ(Wortgedaechtnis::WoerterLesen(l).woerter.first().zuletzt, QDate(2025, 3, 1));
        QStringList reste = QDir(ordner.datei("Vokabeln")).entryList(QDir::Hidden | QDir::Files);
        reste.removeIf([](const QString& n) { return !n.startsWith(u'.'); });
        EXPECT_EQ(reste, QStringList());
    }
    // Pure Windows-1252 pairs leave the encoding alone.
    SchreibeBytes(pfad("cp"), dva);
    ASSERT_TRUE(PaareAnhaengen(pfad("cp"), {{1, "Mädchen", "girl"}}));
    EXPECT_EQ(LiesBytes(pfad("cp")), dva + Cp("003#Mädchen#girl#0#0#\r\n"));
}
