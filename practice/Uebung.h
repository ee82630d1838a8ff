#pragma once
// One practice session: reads its list once, draws the questions, judges every answer
// through the one answer check, counts the wrong answers per line and records them by the
// stage rules at the end. The practice window asks it what to show and shows it.
// Every answer is also a review of its word: it goes into the memory file beside its list
// (Wortgedaechtnis) when the window asks for it (VermerkeSchreiben, right after the
// feedback is on screen), at the end, or at the latest when the session goes.
// "Heute üben" is a session over today's words of several lists (Tagesplan): asked in the
// plan's order, a word answered wrong comes back a few questions later until it is right,
// and at the end the wrong answers count in each list as in stage 1.
#include "learning/Abweichung.h"
#include "learning/Antwortpruefung.h"
#include "learning/Tagesplan.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/Vokabeleintrag.h"
#include "practice/Stufen.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace lerno {

class Uebung {
public:
    // How the list is read: ZeilenLesen unless a test counts the reads.
    using Leser = std::function<std::optional<QStringList>(const QString& pfad)>;

    // One question as the window shows it.
    struct Frage {
        int Zeile = 0;       // line of the list, from 1; 0: no question yet
        QString Vokabel;     // the foreign word
        QString Bedeutung;   // the German meaning
        QString Anzeige;     // what the question box shows
        QString Sollantwort; // what the answer must be
        bool Vok = true;     // the foreign word is shown and the meaning expected
        qint16 gemisch = 0;  // direction 3: this question's draw (1 asks as 2, 2 as 1)
        int Liste = 0;       // "Heute üben": which of the session's lists the word is from
    };

    // What the check said about one answer.
    struct Auswertung {
        Antwortpruefung::Ergebnis Ergebnis{Antwortpruefung::Urteil::Falsch, {}};
        bool Richtig = false; // "Bravo"; otherwise the solution is shown
        Frage Gefragt;        // the question that was answered
        // FastRichtig: the characters of the solution to mark (never counted as a miss).
        QList<Abweichung::Unterschied> Unterschiede;
    };

    // Reads the list (a .dva, .dvb or .dvc) once. stufe (1..3) decides what Beenden records.
    Uebung(const QString& liste, qint16 stufe, const Leser& leser = {});
    // "Heute üben" over the words of heute; reads each of its lists once (for the lenient
    // check's other answers).
    explicit Uebung(const Tagesplan::Heute& heute, const Leser& leser = {});
    Uebung(Uebung&&) = default;
    Uebung(const Uebung&) = delete;
    Uebung& operator=(const Uebung&) = delete;
    // Writes the reviews still pending.
    ~Uebung();

    // "Heute üben": every word has been answered right (or almost right).
    bool Geschafft() const { return heute_ && offen_.empty(); }
    // "Heute üben": the words still to be answered right, the current one first.
    int Offen() const { return int(offen_.size()); }

    const QString& Liste() const { return liste_; }
    // The list the current question is from ("Heute üben": one of the day's lists).
    const QString& ListeDerFrage() const;
    qint16 Stufe() const { return stufe_; }
    // Lines of the list as read; 0 when it could not be read.
    int Zeilenzahl() const { return static_cast<int>(paare_.size()); }

    // Draws the next question in direction testart (1 meaning shown, 2 foreign word shown,
    // 3 one of them drawn per question). With more than two lines never the line asked
    // last. A line that cannot be taken apart is skipped. False when no line can be asked;
    // the question before stays. "Heute üben": the first word still open; false when
    // none is left.
    bool NaechsteFrage(qint16 testart);
    const Frage& Aktuell() const { return aktuell_; }

    // A message for the pupil (German, title "Lesefehler der Datei"), handed out once:
    // the first time an unreadable line was drawn it names every such line; when the list
    // itself could not be read it is "Fehler". Empty when there is nothing (more) to say.
    QString MeldungAbholen();

    // Judges the answer to the current question; a wrong one is counted against its line.
    // Without a current question nothing is judged (Gefragt.Zeile is 0). grosszuegig: the
    // lenient check, with the list's other answers in the question's direction; an almost
    // right answer is not counted. The answer is a review of the word (Bewertung), kept
    // until VermerkeSchreiben.
    Auswertung Antworten(const QString& eingabe, bool grosszuegig = false);

    // The hint for the current question: its expected answer with three letters shown.
    // A right answer after it is a review rated 2, not 3.
    QString Hilfe();

    // Writes the pending reviews into the memory files of their lists, one write per list.
    // What cannot be written stays pending for the next call; false then.
    bool VermerkeSchreiben();
    int VermerkeOffen() const { return int(vermerke_.size()); }

    // The foreign word on the screen, which "Anhören" says: while the solution of a missed
    // question is shown, that pair's; otherwise the question's when it shows the foreign
    // word; empty while the foreign word is what is asked.
    QString Anhoerwort(bool loesungGezeigt) const;
    // The voice code of that word's list (its language looked up under its main list); may
    // be empty.
    const QString& Sprachcode(bool loesungGezeigt = false) const;

    // Wrong answers of this session per line of its (first) list; index 0 is line 1.
    const std::vector<int>& Fehlerzahl() const;

    // Records the wrong answers by the stage rules (UebenSichern; "Heute üben": stage 1 in
    // each list with a wrong answer, the others untouched) and the pending reviews.
    SichernErgebnis Beenden();

    // Line of the previous question, kept for the whole run: a new session does not start
    // with the line the last one ended on.
    static inline int LetzteZeile = 0;

private:
    // A list the session's words come from.
    struct Herkunft {
        QString pfad;
        QString sprachcode;
        QStringList vokabeln, bedeutungen; // every readable line's, for the lenient check
        std::vector<int> fehlerzahl;       // wrong answers per line; index 0 is line 1
        // The keys of the main list's pairs, for the memory writes: taken from the lines
        // above when they are the .dva's, else read once at the first write.
        std::optional<QSet<QString>> hauptschluessel;
    };
    // A word of "Heute üben" still to be answered right.
    struct Heutewort {
        int liste = 0;
        int zeile = 0;
        WortPaar paar;
    };

    Herkunft ListeLesen(const QString& pfad, const Leser& leser, std::vector<std::optional<WortPaar>>* paare);
    const QSet<QString>* Hauptschluessel(Herkunft& h);
    int ZeileZiehen();
    void Stellen(const WortPaar& paar, int zeile, int liste, qint16 testart);
    void Melden(const QString& text);
    QString UnlesbarText() const;

    Leser leser_;
    QString liste_;
    qint16 stufe_ = 1;
    bool heute_ = false;
    std::vector<Herkunft> listen_; // the practised list; "Heute üben": each list of the day
    std::vector<std::optional<WortPaar>> paare_; // per line; nullopt: cannot be taken apart
    std::vector<int> unlesbar_;                  // those lines, from 1
    std::deque<Heutewort> offen_;
    bool hinweis_ = false; // the hint was shown for the current question
    QList<std::pair<int, Wortgedaechtnis::Antwort>> vermerke_; // list, review
    Frage aktuell_;
    Frage verpasst_; // the last question answered wrong
    bool gemeldet_ = false;
    QString meldung_;
};

} // namespace lerno
