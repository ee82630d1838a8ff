#include "transfer/import/Spaltenwahl.h"

#include "lists/Listensprache.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <bit>

namespace lerno {

namespace {

// What a column title says about its column.
enum class Titel { Keiner, Deutsch, Bedeutung, Wort, Sprache, Nummer };

// A title as the list below knows it: additions like "(Unit 3)" gone, lower case, "ae" as "ä".
QString TitelWort(QString feld)
{
    static const QRegularExpression zusatz(QStringLiteral("\\(.*\\)|\\[.*\\]|[:.]$"));
    feld = feld.remove(zusatz).trimmed().toLower();
    feld.replace(QLatin1String("ae"), QStringLiteral("ä")).replace(QLatin1String("oe"), QStringLiteral("ö"));
    feld.replace(QLatin1String("ue"), QStringLiteral("ü"));
    return feld;
}

Titel TitelArt(const QString& roh)
{
    const QString feld = TitelWort(roh);
    static const QHash<QString, Titel> titel = [] {
        QHash<QString, Titel> t;
        for (const char* s : {"deutsch", "german", "de", "deu", "ger"})
            t.insert(QString::fromUtf8(s), Titel::Deutsch);
        for (const char* s : {"bedeutung", "bedeutungen", "übersetzung", "meaning", "translation", "definition",
                              "back", "rückseite", "antwort", "answer"})
            t.insert(QString::fromUtf8(s), Titel::Bedeutung);
        for (const char* s : {"vokabel", "vokabeln", "wort", "wörter", "begriff", "begriffe", "fremdwort",
                              "fremdsprache", "word", "words", "term", "vocabulary", "vocab", "front",
                              "vorderseite", "frage", "question"})
            t.insert(QString::fromUtf8(s), Titel::Wort);
        for (const char* s : {"englisch", "französisch", "spanisch", "italienisch", "latein", "lateinisch",
                              "russisch", "griechisch", "niederländisch", "portugiesisch", "polnisch", "türkisch",
                              "rumänisch", "ukrainisch", "tschechisch",
                              "english", "french", "français", "spanish", "español", "italian", "italiano", "latin",
                              "russian", "greek", "dutch", "portuguese", "polish", "turkish", "romanian", "ukrainian",
                              "czech", "en", "fr", "es", "it", "la"})
            t.insert(QString::fromUtf8(s), Titel::Sprache);
        for (const char* s : {"level", "stufe", "unit", "lektion", "kapitel", "chapter", "lesson", "page", "seite",
                              "nr", "nummer", "number", "no", "id", "#"})
            t.insert(QString::fromUtf8(s), Titel::Nummer);
        return t;
    }();
    return titel.value(feld, Titel::Keiner);
}

bool NurZahl(const QString& feld)
{
    static const QRegularExpression zahl(QStringLiteral("^[\\s0-9.,:/+-]*[0-9][\\s0-9.,:/+-]*$"));
    return zahl.match(feld).hasMatch();
}

// Signs of a German word: an article, an umlaut or ß, a capital first letter; never a
// word in another script (a Russian noun has a capital too).
bool SiehtDeutschAus(const QString& feld)
{
    if (!SpracheAusSchrift({feld}).isEmpty())
        return false;
    static const QRegularExpression zeichen(
        QStringLiteral("^(der|die|das|ein|eine|den|dem) |[äöüÄÖÜß]|^\\p{Lu}"));
    return zeichen.match(feld.trimmed()).hasMatch();
}

// Whether a first row is column titles. Two titles of different kinds are ("Deutsch;
// Englisch", "Vokabel;Bedeutung", "Nr;Deutsch"); two of the same kind are a word and its
// translation ("word;Wort", "German;Deutsch", "Seite;page") unless they name two
// different languages ("Englisch;Französisch").
bool IstKopfzeile(const QStringList& erste)
{
    int bekannt = 0;
    unsigned arten = 0;
    QSet<QString> sprachen;
    for (const QString& f : erste) {
        const Titel art = TitelArt(f);
        if (art == Titel::Keiner)
            continue;
        ++bekannt;
        arten |= 1u << static_cast<int>(art);
        if (art == Titel::Sprache || art == Titel::Deutsch) {
            const QString wort = TitelWort(f);
            const QString sprache = SpracheAusKennung(wort);
            sprachen.insert(sprache.isEmpty() ? wort : sprache);
        }
    }
    if (bekannt == 1)
        return erste.size() == 1;
    if (bekannt < 2)
        return false;
    if (std::popcount(arten) >= 2)
        return true;
    return arten == 1u << static_cast<int>(Titel::Sprache) && sprachen.size() >= 2;
}

} // namespace

void SpaltenErkennen(const ImportTabelle& tab, ImportEinstellungen& e)
{
    const int n = tab.spalten;
    e.wortSpalte = 0;
    e.bedeutungSpalte = n > 1 ? 1 : 0;
    e.kopfzeile = false;

    // Titles: the file's own (KVTML, Anki) or a first row made of at least two of them.
    QStringList titel = tab.titel;
    if (titel.isEmpty() && !tab.zeilen.isEmpty()) {
        const QStringList erste = tab.Zeile(0);
        if (IstKopfzeile(erste)) {
            e.kopfzeile = true;
            titel = erste;
        }
    }
    const qsizetype ab = e.kopfzeile ? 1 : 0;

    // Columns that may give a word or meaning: not number-only, not empty.
    QList<bool> moeglich(n, false);
    QList<int> deutsch(n, 0), gefuellt(n, 0);
    const qsizetype bis = std::min<qsizetype>(tab.zeilen.size(), ab + 200);
    QList<bool> nurZahl(n, true);
    for (qsizetype r = ab; r < bis; ++r) {
        const QStringList f = tab.Zeile(r);
        for (int c = 0; c < f.size(); ++c) {
            if (f[c].trimmed().isEmpty())
                continue;
            ++gefuellt[c];
            nurZahl[c] = nurZahl[c] && NurZahl(f[c]);
            deutsch[c] += SiehtDeutschAus(f[c]);
        }
    }
    for (int c = 0; c < n; ++c)
        moeglich[c] = gefuellt[c] > 0 && !nurZahl[c];
    if (bis <= ab) // nothing below the header: go by the titles alone
        moeglich.fill(true);
    // Three in five filled cells with signs of German.
    const auto siehtDeutsch = [&](int c) { return gefuellt[c] > 0 && deutsch[c] * 5 >= gefuellt[c] * 3; };

    int wort = -1, bedeutung = -1;
    bool sprachTitel = false; // a title names a language, not a role
    for (int c = 0; c < titel.size() && c < n; ++c) {
        const Titel art = TitelArt(titel[c]);
        sprachTitel = sprachTitel || art == Titel::Deutsch || art == Titel::Sprache;
        if (!moeglich[c] || art == Titel::Nummer)
            moeglich[c] = false;
        else if (bedeutung < 0 && (art == Titel::Deutsch || art == Titel::Bedeutung))
            bedeutung = c;
    }
    for (int c = 0; c < titel.size() && c < n && wort < 0; ++c)
        if (moeglich[c] && c != bedeutung && TitelArt(titel[c]) == Titel::Wort)
            wort = c;
    for (int c = 0; c < titel.size() && c < n && wort < 0; ++c)
        if (moeglich[c] && c != bedeutung && TitelArt(titel[c]) == Titel::Sprache)
            wort = c;
    if (wort < 0 || bedeutung < 0) {
        // The first two usable columns; the German-looking one gives the meaning.
        QList<int> frei;
        for (int c = 0; c < n; ++c)
            if (moeglich[c] && c != wort && c != bedeutung)
                frei.append(c);
        if (wort < 0 && bedeutung < 0 && frei.size() >= 2) {
            const int a = frei[0], b = frei[1];
            wort = siehtDeutsch(a) && !siehtDeutsch(b) ? b : a;
            bedeutung = wort == a ? b : a;
        } else if (wort < 0 && bedeutung >= 0 && !frei.isEmpty()) {
            wort = frei.first();
        } else if (bedeutung < 0 && wort >= 0 && !frei.isEmpty()) {
            bedeutung = frei.first();
        }
    }
    // Roles say nothing of the languages: a word column that plainly looks German beside
    // a meaning column that does not was named the wrong way round ("Begriff;Übersetzung"
    // over German terms).
    if (!sprachTitel && wort >= 0 && bedeutung >= 0 && siehtDeutsch(wort) && !siehtDeutsch(bedeutung))
        std::swap(wort, bedeutung);
    // Too few usable columns: the first other one beside a column the titles name,
    // else the first two as they stand.
    if (wort < 0 && bedeutung >= 0)
        wort = bedeutung == 0 ? 1 : 0;
    else if (bedeutung < 0 && wort >= 0)
        bedeutung = wort == 0 ? 1 : 0;
    else if (wort < 0 && bedeutung < 0) {
        wort = 0;
        bedeutung = 1; // with one column only, a column that is empty everywhere
    }
    if (wort >= 0)
        e.wortSpalte = wort;
    if (bedeutung >= 0 && bedeutung != wort)
        e.bedeutungSpalte = bedeutung;
    else if (wort == 0)
        e.bedeutungSpalte = 1;
}

} // namespace lerno
