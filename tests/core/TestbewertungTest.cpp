// Grading a test: the grade table, the result sentence and the exact comparison.
#include "vocabtest/Testbewertung.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace lerno::Testbewertung;

namespace {

// Twenty answers of which exactly `richtig` match, spread over the rows.
Bewertung MitRichtigen(int richtig)
{
    std::array<QString, Testzeilen> antworten, loesungen;
    for (int i = 0; i < Testzeilen; ++i) {
        loesungen[i] = QStringLiteral("Wort%1").arg(i);
        antworten[i] = (i * 7) % Testzeilen < richtig ? loesungen[i] : QStringLiteral("falsch");
    }
    return Bewerten(antworten, loesungen);
}

} // namespace

TEST(Testbewertung, GradeTableAndSentenceForAll21CountsInCAndGermanSettings)
{
    const struct { int richtig; const char* note; int sound; } tabelle[] = {
        {0, "6", 4},    {1, "6", 4},    {2, "5.9", 4},  {3, "5.8", 4},  {4, "5.7", 4},
        {5, "5.6", 4},  {6, "5.4", 4},  {7, "5.2", 4},  {8, "5", 7},    {9, "4.7", 7},
        {10, "4.4", 4}, {11, "4.1", 4}, {12, "3.9", 4}, {13, "3.6", 4}, {14, "3.2", 4},
        {15, "2.9", 1}, {16, "2.5", 1}, {17, "2", 1},   {18, "1.6", 1}, {19, "1.3", 1},
        {20, "1", 1},
    };
    const QLocale vorher;
    const QByteArray langVorher = qgetenv("LANG");
    for (const char* lang : {"C", "de_DE.UTF-8"}) {
        // A German pupil's settings write a comma as decimal separator; the grade keeps its point.
        qputenv("LANG", lang);
        QLocale::setDefault(QLocale(QString::fromLatin1(lang).section('.', 0, 0)));
        for (const auto& z : tabelle) {
            const Bewertung b = MitRichtigen(z.richtig);
            EXPECT_EQ(b.Richtige, z.richtig);
            EXPECT_EQ(b.Falsche, Testzeilen - z.richtig);
            EXPECT_EQ(b.Sound, z.sound) << z.richtig;
            EXPECT_EQ(b.Satz.toUtf8(), "Du hast  " + QByteArray::number(z.richtig)
                          + " Vokabeln richtig beantwortet,  " + QByteArray::number(20 - z.richtig)
                          + " Vokabeln waren falsch. Das entspricht einer Schulnote von  " + z.note)
                << lang;
        }
    }
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    QLocale::setDefault(vorher);
    qputenv("LANG", langVorher);
    EXPECT_EQ(MitRichtigen(15).Satz.toUtf8(), "Du hast  15 Vokabeln richtig beantwortet,  5 Vokabeln "
                                              "waren falsch. Das entspricht einer Schulnote von  2.9");
}

TEST(Testbewertung, AnswersMustMatchExactly)
{
    const struct { const char* antwort; const char* loesung; bool richtig; } faelle[] = {
        {"das Haus", "das Haus", true},   {"Das Haus", "das Haus", false},
        {"das Haus ", "das Haus", false}, {" das Haus", "das Haus", false},
        {"das  Haus", "das Haus", false}, {"", "das Haus", false},
        {"Straße", "Straße", true},       {"Strasse", "Straße", false},
        {"", "", true}, // an empty solution is matched only by an empty box
    };
    for (const auto& f : faelle) {
        std::array<QString, Testzeilen> antworten, loesungen;
        for (int i = 0; i < Testzeilen; ++i)
            antworten[i] = loesungen[i] = QStringLiteral("w%1").arg(i);
        antworten[7] = QString::fromUtf8(f.antwort);
        loesungen[7] = QString::fromUtf8(f.loesung);
        const Bewertung b = Bewerten(antworten, loesungen);
        EXPECT_EQ(b.Richtig[7], f.richtig) << '"' << f.antwort << '"';
        EXPECT_EQ(b.Richtige, f.richtig ? 20 : 19);
    }
}
