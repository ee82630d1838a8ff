// The language of a list: guessed from its name or an imported file, stored beside the
// lists in one file that survives a failed write and that no chooser or clean-up touches.
#include "lists/Listensprache.h"
#include "lists/DateiErsetzen.h"
#include "lists/Reste.h"
#include "transfer/import/ImportVorlage.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace lerno;
using namespace testhilfen;

namespace {

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

} // namespace

TEST(Listensprache, GuessFromTheListName)
{
    const struct { const char* zeile; const char* name; const char* sprache; } faelle[] = {
        {"German name", "Englisch.dva", "Englisch"},
        {"prefix with unit", "Englisch Unit 3.dva", "Englisch"},
        {"English spelling", "English vocab 5b.dva", "Englisch"},
        {"French with umlaut", "Französisch Lektion 2.dva", "Französisch"},
        {"French without umlaut", "Franzoesisch.dva", "Französisch"},
        {"French in English", "French 7.dva", "Französisch"},
        {"Latin glued to the word", "Lateinvokabeln.dva", "Latein"},
        {"Latin in English", "latin-words.dva", "Latein"},
        {"Spanish", "Spanisch_1.dva", "Spanisch"},
        {"Italian", "ITALIENISCH.dva", "Italienisch"},
        {"short form as a whole word", "Engl. Klasse 6.dva", "Englisch"},
        {"short form inside a word does not count", "Lattenzaun.dva", ""},
        {"German before the foreign language", "Deutsch-Englisch.dva", "Englisch"},
        {"German alone", "Deutsch Grammatik.dva", "Deutsch"},
        {"ancient Greek is not Greek", "Altgriechisch.dva", "Altgriechisch"},
        {"no language", "Vokabeln 7.dva", ""},
        {"empty", "", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SpracheAusName(QString::fromUtf8(f.name)), QString::fromUtf8(f.sprache)) << f.zeile;
}

TEST(Listensprache, GuessFromAnImportedFile)
{
    const struct { const char* zeile; const char* datei; bool kvtml; const char* sprache; } faelle[] = {
        {"KVTML ids, word column first",
         "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
         "<identifier id=\"0\"><name>Sprache 1</name><locale>fr</locale></identifier>"
         "<identifier id=\"1\"><name>Sprache 2</name><locale>de</locale></identifier></identifiers>"
         "<entries><entry id=\"0\"><translation id=\"0\"><text>chat</text></translation>"
         "<translation id=\"1\"><text>Katze</text></translation></entry></entries></kvtml>",
         true, "Französisch"},
        {"KVTML locale with region",
         "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
         "<identifier id=\"0\"><name>Deutsch</name><locale>de</locale></identifier>"
         "<identifier id=\"1\"><name>x</name><locale>en_GB</locale></identifier></identifiers>"
         "<entries><entry id=\"0\"><translation id=\"0\"><text>Hund</text></translation>"
         "<translation id=\"1\"><text>dog</text></translation></entry></entries></kvtml>",
         true, "Englisch"},
        {"CSV header in German", "Deutsch;Latein\nHaus;domus\nFrau;femina\n", false, "Latein"},
        {"CSV header in English", "Spanish,German\ncasa,Haus\nperro,Hund\n", false, "Spanisch"},
        {"CSV without header", "house;Haus\ndog;Hund\n", false, ""},
        {"KVTML Ukrainian locale",
         "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
         "<identifier id=\"0\"><name>a</name><locale>uk</locale></identifier>"
         "<identifier id=\"1\"><name>b</name><locale>de</locale></identifier></identifiers>"
         "<entries><entry id=\"0\"><translation id=\"0\"><text>\xD1\x96</text></translation>"
         "<translation id=\"1\"><text>und</text></translation></entry></entries></kvtml>",
         true, "Ukrainisch"},
        {"the script tells: Cyrillic with Ukrainian letters", "їжак;Igel\nхліб;Brot\n", false, "Ukrainisch"},
        {"the script tells: Cyrillic", "ёж;Igel\nхлеб;Brot\n", false, "Russisch"},
        {"the script tells: Greek with breathings", "ἀγαθός;gut\nλόγος;Wort\n", false, "Altgriechisch"},
        {"the script tells: Czech letters", "řeka;Fluss\nděkuji;danke\n", false, "Tschechisch"},
        {"the script tells: Romanian before Turkish", "şi ţară;und Land\năla;jener\n", false, "Rumänisch"},
        {"a header naming a language wins over the script", "Englisch;Deutsch\nдом;Haus\n", false, "Englisch"},
    };
    for (const auto& f : faelle) {
        QString fehler;
        const auto v = ImportVorlageAus(QByteArray(f.datei), f.kvtml, &fehler);
        ASSERT_TRUE(v.has_value()) << f.zeile << " " << fehler.toStdString();
        EXPECT_EQ(ImportSprache(*v), QString::fromUtf8(f.sprache)) << f.zeile;
    }
}

TEST(Listensprache, EveryOfferedLanguageHasAVoiceCodeAndIsFoundByItsName)
{
    ASSERT_GE(BekannteSprachen().size(), 5);
    for (const Sprachangabe& s : BekannteSprachen()) {
        EXPECT_FALSE(s.code.isEmpty()) << s.name.toStdString();
        EXPECT_EQ(SprachCode(s.name), s.code);
        EXPECT_EQ(SpracheAusKennung(s.code), s.name);
    }
    EXPECT_EQ(SprachCode(QStringLiteral("Klingonisch")), QString());
    // The character bar: a German keyboard has what German and English need.
    EXPECT_EQ(SprachZeichen("Deutsch"), QStringList());
    EXPECT_EQ(SprachZeichen("Englisch"), QStringList());
    EXPECT_EQ(SprachZeichen("Polnisch").join(QString()), QString::fromUtf8("ąćęłńóśźż"));
    EXPECT_EQ(SprachZeichen(QString::fromUtf8("Rumänisch")).join(QString()), QString::fromUtf8("ăâîșț"));
    EXPECT_EQ(SprachZeichen("Russisch").size(), 33);
}

TEST(Listensprache, StoredBesideTheListsAndReadBack)
{
    TempProgrammordner ordner;
    const QString englisch = ordner.datei("Englisch Unit 3.dva");
    const QString sieben = ordner.datei("Vokabeln 7.dva");
    // Guess first, stored value wins once set.
    EXPECT_EQ(Listensprache(englisch), "Englisch");
    EXPECT_EQ(Listensprache(sieben), "");
    ASSERT_TRUE(ListenspracheSetzen(englisch, QStringLiteral("Latein")));
    ASSERT_TRUE(ListenspracheSetzen(sieben, QStringLiteral("Französisch")));
    EXPECT_EQ(Listensprache(englisch), "Latein");
    EXPECT_EQ(Listensprache(sieben), QStringLiteral("Französisch"));
    EXPECT_EQ(LiesBytes(ordner.datei(LISTENSPRACHEN_DATEI)),
              QByteArray("Englisch Unit 3.dva\tLatein\r\nVokabeln 7.dva\tFranz\xc3\xb6sisch\r\n"));

    // Removing one entry keeps the other; removing a missing one writes nothing.
    ASSERT_TRUE(ListenspracheEntfernen(englisch));
    EXPECT_EQ(Listensprache(englisch), "Englisch");
    EXPECT_EQ(LiesBytes(ordner.datei(LISTENSPRACHEN_DATEI)), QByteArray("Vokabeln 7.dva\tFranz\xc3\xb6sisch\r\n"));
    SetzeErsetzenFehlerHook([](ErsetzenSchritt) { return false; });
    HookWeg weg;
    EXPECT_TRUE(ListenspracheEntfernen(englisch));
}

TEST(Listensprache, TheFileIsNeitherAListNorARemnant)
{
    TempProgrammordner ordner;
    ASSERT_TRUE(ListenspracheSetzen(ordner.datei("Englisch.dva"), QStringLiteral("Englisch")));
    EXPECT_TRUE(ResteEntfernen(ordner.pfad()).isEmpty());
    EXPECT_TRUE(QFile::exists(ordner.datei(LISTENSPRACHEN_DATEI)));
    for (const char* muster : {"*.dva", "*.dvb", "*.dvc", "*.dvd"})
        EXPECT_TRUE(QDir(ordner.pfad()).entryList({QString::fromLatin1(muster)}, QDir::Files).isEmpty()) << muster;
}

TEST(Listensprache, AFailedWriteLeavesTheOldFileWhole)
{
    TempProgrammordner ordner;
    const QString liste = ordner.datei("Englisch.dva");
    ASSERT_TRUE(ListenspracheSetzen(liste, QStringLiteral("Englisch")));
    const QByteArray vorher = LiesBytes(ordner.datei(LISTENSPRACHEN_DATEI));
    HookWeg weg;
    for (ErsetzenSchritt schritt : {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben, ErsetzenSchritt::Flushen,
                                    ErsetzenSchritt::Umbenennen}) {
        SetzeErsetzenFehlerHook([schritt](ErsetzenSchritt s) { return s != schritt; });
        EXPECT_FALSE(ListenspracheSetzen(liste, QStringLiteral("Latein"))) << static_cast<int>(schritt);
        EXPECT_EQ(LiesBytes(ordner.datei(LISTENSPRACHEN_DATEI)), vorher) << static_cast<int>(schritt);
        EXPECT_EQ(QDir(ordner.pfad()).entryList(QDir::Files | QDir::Hidden).size(), 1) << static_cast<int>(schritt);
        EXPECT_FALSE(ListenspracheEntfernen(liste));
        EXPECT_EQ(Listensprache(liste), "Englisch");
    }
    SetzeErsetzenFehlerHook(nullptr);
    ASSERT_TRUE(ListenspracheSetzen(liste, QStringLiteral("Latein")));
    EXPECT_EQ(LiesBytes(ordner.datei(LISTENSPRACHEN_DATEI)), QByteArray("Englisch.dva\tLatein\r\n"));
}
