// Record format: taking lines apart, building them, numbering and sibling paths.
#include "lists/Vokabeleintrag.h"

#include <gtest/gtest.h>

using namespace lerno;

TEST(Vokabeleintrag, NaechsteNummerReadsCharactersTwoToFour)
{
    const struct { const char* letzte; const char* erwartet; } faelle[] = {
        {"", "001"},                       // empty list
        {"009#a#b#0#0#", "010"},
        {"099#a#b#0#0#", "100"},
        {"100#a#b#0#0#", "001"},           // chars 2..4 are "00#"
        {"041#a#b#0#0#", "042"},
        {"007#", "008"},
        {"abc#x#y#0#0#", "001"},           // no leading digit
        {"x12", "013"},                    // shorter line: what is there is read
        {"5", "001"},
        {"1a9#", "001"},                   // stops at the first non-digit
        {"x998#", "999"},                  // a hand-edited number: the highest there is
        {"9999#a#b#0#0#", "001"},          // found by fuzzing: "1000" would break the number field
    };
    for (const auto& f : faelle)
        EXPECT_EQ(NaechsteNummer(QString::fromUtf8(f.letzte)), QString::fromUtf8(f.erwartet))
            << "last line: " << f.letzte;
}

TEST(Vokabeleintrag, NewRecordAfterNumber041)
{
    EXPECT_EQ(EintragSchreiben(NaechsteNummer("041#x#y#0#0#"), "the house", "das Haus", 0),
              "042#the house#das Haus#0#0#");
    // Blanks are kept as typed; the count never grows a second digit.
    EXPECT_EQ(EintragSchreiben("001", " a ", "b ", 12), "001# a #b #9#0#");
}

TEST(Vokabeleintrag, EintragLesenTakesTheTextBetweenTheFirstThreeHashes)
{
    auto p = EintragLesen("042#the house#das Haus#0#0#");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Vokabel, "the house");
    EXPECT_EQ(p->Bedeutung, "das Haus");

    p = EintragLesen("001#a#b#c#0#0#"); // a "#" typed into the meaning splits it
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Vokabel, "a");
    EXPECT_EQ(p->Bedeutung, "b");

    p = EintragLesen("001##b#");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Vokabel, "");
    EXPECT_EQ(p->Bedeutung, "b");

    EXPECT_FALSE(EintragLesen(""));
    EXPECT_FALSE(EintragLesen("001#a"));
    EXPECT_FALSE(EintragLesen("001#a#b")); // two "#" only
}

TEST(Vokabeleintrag, FehlerstandAndKeyComeFromTheLineEnd)
{
    EXPECT_EQ(FehlerstandLesen("005#a#b#7#0#"), 7);
    EXPECT_EQ(FehlerstandLesen("005#a#b#0#0#"), 0);
    EXPECT_EQ(FehlerstandLesen("005#a#b#x#0#"), 0);
    EXPECT_EQ(FehlerstandLesen(QString::fromUtf8("005#a#b#\u0663#0#")), 0); // non-ASCII digit
    EXPECT_EQ(FehlerstandLesen("9#0#"), 9);
    EXPECT_EQ(FehlerstandLesen("#0#"), 0);

    EXPECT_EQ(EintragSchluessel("007#a#b#3#0#"), "007#a#b#");
    EXPECT_EQ(EintragSchluessel("abcd"), "");
    EXPECT_EQ(EintragSchluessel("abc"), "");
}

TEST(Vokabeleintrag, StufenDateiReplacesTheLastCharacter)
{
    EXPECT_EQ(StufenDatei("D:\\Schule\\Vokabeln\\Englisch.dvc", u'a'),
              "D:\\Schule\\Vokabeln\\Englisch.dva");
    EXPECT_EQ(StufenDatei("/v/Demo.dva", u'd'), "/v/Demo.dvd");
    EXPECT_EQ(StufenDatei("", u'b'), "");
    // An upper-case list keeps upper-case siblings, so its stage lists are found again.
    EXPECT_EQ(StufenDatei("/v/X.DVA", u'b'), "/v/X.DVB");
    EXPECT_EQ(StufenDatei("/v/X.Dva", u'd'), "/v/X.Dvd");
}

TEST(Vokabeleintrag, IstWohlgeformt)
{
    for (const char* gut : {"005#a#b#1#0#", "100#the house#das Haus#9#0#", "001#a#b#c#0#0#"})
        EXPECT_TRUE(IstWohlgeformt(QString::fromUtf8(gut))) << gut;
    for (const char* schlecht : {"", "ab", "005#", "005#a#b#1#1#", "005#a#b#x#0#", "05#a#b#1#0#",
                                 "0005#a#b#1#0#", "005#a#b#1#0", "005##b#1#0#", "005#a##1#0#",
                                 "005#ab#1#0#", "005-a#b#1#0#"})
        EXPECT_FALSE(IstWohlgeformt(QString::fromUtf8(schlecht))) << schlecht;
}
