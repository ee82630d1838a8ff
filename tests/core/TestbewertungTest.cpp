// Grading a test: the grade table, the result sentence and the exact comparison.
#include "vocabtest/Testbewertung.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace lerno::modVokTest;

namespace {

// Twenty answers of which exactly `richtig` match, the right ones spread over the rows.
Bewertung MitRichtigen(int richtig)
{
    std::array<QString, Testzeilen> antworten, loesungen;
    for (int i = 0; i < Testzeilen; ++i) {
        loesungen[i] = QStringLiteral("Wort%1").arg(i);
        const bool treffer = (i * 7) % Testzeilen < richtig;
        antworten[i] = treffer ? loesungen[i] : QStringLiteral("falsch");
    }
    return Bewerten(antworten, loesungen);
}

// The regional settings a German pupil has: a comma as decimal separator.
class DeutschesGebietsschema {
public:
    DeutschesGebietsschema()
        : alt_(QLocale()), lang_(qgetenv("LANG")), lcAll_(qgetenv("LC_ALL"))
    {
        qputenv("LANG", "de_DE.UTF-8");
        qputenv("LC_ALL", "de_DE.UTF-8");
        std::setlocale(LC_ALL, "");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~DeutschesGebietsschema()
    {
        QLocale::setDefault(alt_);
        qputenv("LANG", lang_);
        qputenv("LC_ALL", lcAll_);
        std::setlocale(LC_ALL, "C");
    }
private:
    QLocale alt_;
    QByteArray lang_, lcAll_;
};

struct Zeile {
    int richtig;
    const char* note;
    int sound;
};

const Zeile Tabelle[] = {
    {0, "6", 4},    {1, "6", 4},    {2, "5.9", 4},  {3, "5.8", 4},  {4, "5.7", 4},
    {5, "5.6", 4},  {6, "5.4", 4},  {7, "5.2", 4},  {8, "5", 7},    {9, "4.7", 7},
    {10, "4.4", 4}, {11, "4.1", 4}, {12, "3.9", 4}, {13, "3.6", 4}, {14, "3.2", 4},
    {15, "2.9", 1}, {16, "2.5", 1}, {17, "2", 1},   {18, "1.6", 1}, {19, "1.3", 1},
    {20, "1", 1},
};

void PruefeTabelle()
{
    for (const Zeile& z : Tabelle) {
        const Bewertung b = MitRichtigen(z.richtig);
        EXPECT_EQ(b.Richtige, z.richtig);
        EXPECT_EQ(b.Falsche, Testzeilen - z.richtig);
        EXPECT_EQ(NoteSchreiben(b.Note), QString::fromLatin1(z.note)) << z.richtig;
        EXPECT_EQ(b.Sound, z.sound) << z.richtig;
        const QByteArray satz = QByteArray("Du hast  ") + QByteArray::number(z.richtig)
            + " Vokabeln richtig beantwortet,  " + QByteArray::number(Testzeilen - z.richtig)
            + " Vokabeln waren falsch. Das entspricht einer Schulnote von  " + z.note;
        EXPECT_EQ(b.Satz.toUtf8(), satz) << z.richtig;
    }
}

} // namespace

TEST(Testbewertung, GradeTableGivesGradeSoundAndSentenceForAll21Counts)
{
    PruefeTabelle();
}

TEST(Testbewertung, GermanRegionalSettingsStillWriteAPoint)
{
    DeutschesGebietsschema de;
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    PruefeTabelle();
}

TEST(Testbewertung, SentenceFor15RightIsByteExact)
{
    const Bewertung b = MitRichtigen(15);
    EXPECT_EQ(b.Satz.toUtf8(), QByteArray("Du hast  15 Vokabeln richtig beantwortet,  5 Vokabeln "
                                          "waren falsch. Das entspricht einer Schulnote von  2.9"));
    EXPECT_EQ(b.Satz, Ergebnissatz(15, 5, 2.9f));
}

TEST(Testbewertung, AnswersMustMatchExactly)
{
    const struct { const char* antwort; const char* loesung; bool richtig; } faelle[] = {
        {"das Haus", "das Haus", true},
        {"Das Haus", "das Haus", false},   // case counts
        {"das Haus ", "das Haus", false},  // trailing blank
        {" das Haus", "das Haus", false},  // leading blank
        {"das  Haus", "das Haus", false},
        {"", "das Haus", false},           // nothing typed
        {"Straße", "Straße", true},
        {"Strasse", "Straße", false},
        {"schon", "schön", false},
        {"", "", true},                    // an empty solution is matched by an empty box
    };
    for (const auto& f : faelle) {
        std::array<QString, Testzeilen> antworten, loesungen;
        for (int i = 0; i < Testzeilen; ++i)
            antworten[i] = loesungen[i] = QStringLiteral("w%1").arg(i);
        antworten[7] = QString::fromUtf8(f.antwort);
        loesungen[7] = QString::fromUtf8(f.loesung);
        const Bewertung b = Bewerten(antworten, loesungen);
        EXPECT_EQ(b.Richtig[7], f.richtig) << '"' << f.antwort << "\" vs \"" << f.loesung << '"';
        EXPECT_EQ(b.Richtige, f.richtig ? 20 : 19);
        EXPECT_EQ(b.Falsche, f.richtig ? 0 : 1);
    }
}
