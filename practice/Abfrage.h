#pragma once
// The practice's draws: which line comes next, which way round it is asked, and the hint
// mask. The practice session (practice/Uebung) asks them; answers are judged in learning/.
#include <QString>
#include <QtGlobal>

namespace lerno::Abfrage {

// Draws the next line (1..zeilenzahl) from the one random source; with more than two
// lines never the line asked last.
int ZeileZiehen(int zeilenzahl, int letzteZeile);

// One question: what is shown, what is expected, and which way round.
struct Frage {
    QString Anzeige;
    QString Sollantwort;
    bool Vok = true;     // the foreign word is shown; the meaning is expected
    qint16 gemisch = 0;  // direction 3 only: the draw of this question
};

// Direction testart: 1 meaning shown, 2 foreign word shown, 3 one of the two drawn per
// question (a draw of 1 asks as direction 2, a draw of 2 as direction 1).
Frage FrageStellen(const QString& vokabel, const QString& bedeutung, qint16 testart);

// Asterisks with the characters at three distinct drawn positions shown; three
// characters or fewer are shown whole.
QString HilfeMaske(const QString& antwort);

} // namespace lerno::Abfrage
