#include "vocabtest/Testbewertung.h"

#include "learning/Antwortpruefung.h"

#include <cmath>

namespace lerno::Testbewertung {

QString NoteSchreiben(float note)
{
    // Whole tenths, written by hand: no locale can turn the point into a comma.
    const int zehntel = static_cast<int>(std::lround(note * 10.0f));
    const QString ganz = QString::number(zehntel / 10);
    if (zehntel % 10 == 0)
        return ganz;
    return ganz + QLatin1Char('.') + QString::number(zehntel % 10);
}

QString Ergebnissatz(int richtig, int falsch, float note)
{
    return QStringLiteral("Du hast ") + QLatin1Char(' ') + QString::number(richtig)
        + QStringLiteral(" Vokabeln richtig beantwortet, ") + QLatin1Char(' ') + QString::number(falsch)
        + QStringLiteral(" Vokabeln waren falsch. Das entspricht einer Schulnote von ")
        + QLatin1Char(' ') + NoteSchreiben(note);
}

Bewertung Bewerten(const std::array<QString, Testzeilen>& antworten,
                   const std::array<QString, Testzeilen>& loesungen, bool grosszuegig,
                   const QStringList& andere)
{
    Bewertung b;
    for (int i = 0; i < Testzeilen; ++i) {
        const auto e = Antwortpruefung::Pruefen(loesungen[i], antworten[i], grosszuegig, andere);
        b.Urteil[i] = e.urteil;
        b.Richtig[i] = e.urteil == Antwortpruefung::Urteil::Richtig;
        if (!b.Richtig[i])
            b.Grund[i] = e.grund;
        ++(b.Richtig[i] ? b.Richtige : b.Falsche);
    }
    b.Note = Notentabelle[b.Richtige].Note;
    b.Sound = Notentabelle[b.Richtige].Sound;
    b.Satz = Ergebnissatz(b.Richtige, b.Falsche, b.Note);
    return b;
}

} // namespace lerno::Testbewertung
