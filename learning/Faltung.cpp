#include "learning/Faltung.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace lerno::Faltung {

namespace {

// Base letter of a Latin letter with marks (from the canonical decomposition), or 0.
char16_t Grundbuchstabe(char16_t c)
{
    static const auto tabelle = [] {
        std::array<char16_t, 0x250 - 0xC0> t{};
        for (char16_t z = 0xC0; z < 0x250; ++z) {
            QChar q(z);
            while (q.decompositionTag() == QChar::Canonical)
                q = q.decomposition().at(0);
            t[z - 0xC0] = q.unicode() != z ? q.unicode() : 0;
        }
        return t;
    }();
    if (c >= 0xC0 && c < 0x250)
        return tabelle[c - 0xC0];
    QChar q(c);
    if (q.decompositionTag() != QChar::Canonical)
        return 0;
    while (q.decompositionTag() == QChar::Canonical)
        q = q.decomposition().at(0);
    return q.unicode();
}

} // namespace

QString Falten(QStringView s, unsigned faltung)
{
    QString r;
    r.reserve(s.size() + 4);
    const auto hinzu = [&](char16_t c) {
        if (!(faltung & Gross))
            r.append(QChar(c));
        else if (c < 0x80)
            r.append(QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c));
        else
            r.append(QChar(c).toCaseFolded());
    };
    for (QChar q : s) {
        const char16_t c = q.unicode();
        if (c < 0xC0) {
            hinzu(c);
            continue;
        }
        if (faltung & Umlaut) {
            const char16_t* ersatz = nullptr;
            switch (c) {
            case u'ä': ersatz = u"ae"; break;
            case u'ö': ersatz = u"oe"; break;
            case u'ü': ersatz = u"ue"; break;
            case u'Ä': ersatz = u"Ae"; break;
            case u'Ö': ersatz = u"Oe"; break;
            case u'Ü': ersatz = u"Ue"; break;
            case u'ß': ersatz = u"ss"; break;
            case u'\u1E9E': ersatz = u"SS"; break;
            default: break;
            }
            if (ersatz) {
                hinzu(ersatz[0]);
                hinzu(ersatz[1]);
                continue;
            }
        }
        if (faltung & Akzent) {
            switch (c) {
            case u'œ': hinzu(u'o'); hinzu(u'e'); continue;
            case u'Œ': hinzu(u'O'); hinzu(u'E'); continue;
            case u'æ': hinzu(u'a'); hinzu(u'e'); continue;
            case u'Æ': hinzu(u'A'); hinzu(u'E'); continue;
            case u'ø': hinzu(u'o'); continue;
            case u'Ø': hinzu(u'O'); continue;
            default: break;
            }
            if (q.isMark())
                continue;
            if (const char16_t g = Grundbuchstabe(c)) {
                hinzu(g);
                continue;
            }
        }
        hinzu(c);
    }
    return r;
}

int DamerauLevenshtein(QStringView a, QStringView b, int grenze)
{
    // What both begin and end with takes no edit.
    while (!a.isEmpty() && !b.isEmpty() && a.front() == b.front())
        a = a.sliced(1), b = b.sliced(1);
    while (!a.isEmpty() && !b.isEmpty() && a.back() == b.back())
        a.chop(1), b.chop(1);
    const qsizetype n = a.size(), m = b.size();
    if (std::abs(n - m) > grenze)
        return grenze + 1;
    // Far apart over a long stretch: no slip, and no table of that size.
    if (n > 1000 && m > 1000)
        return grenze + 1;
    if (n == 0 || m == 0)
        return int(std::min<qsizetype>(std::max(n, m), grenze + 1));
    // Lowrance-Wagner: the last row where each character was seen allows a transposition
    // with letters in between, as the unrestricted distance requires.
    const qsizetype breite = m + 2;
    const int unendlich = int(n + m);
    QVarLengthArray<int, 1024> h((n + 2) * breite);
    const auto H = [&](qsizetype i, qsizetype j) -> int& { return h[i * breite + j]; };
    H(0, 0) = unendlich;
    for (qsizetype i = 0; i <= n; ++i) {
        H(i + 1, 0) = unendlich;
        H(i + 1, 1) = int(i);
    }
    for (qsizetype j = 0; j <= m; ++j) {
        H(0, j + 1) = unendlich;
        H(1, j + 1) = int(j);
    }
    QVarLengthArray<std::pair<char16_t, qsizetype>, 32> zuletzt; // character -> last row in a
    const auto zeile = [&](char16_t c) -> qsizetype {
        for (const auto& [z, r] : zuletzt)
            if (z == c)
                return r;
        return 0;
    };
    for (qsizetype i = 1; i <= n; ++i) {
        qsizetype db = 0;
        for (qsizetype j = 1; j <= m; ++j) {
            const qsizetype i1 = zeile(b[j - 1].unicode());
            const qsizetype j1 = db;
            const int kosten = a[i - 1] == b[j - 1] ? 0 : 1;
            if (kosten == 0)
                db = j;
            H(i + 1, j + 1) = std::min({H(i, j) + kosten, H(i + 1, j) + 1, H(i, j + 1) + 1,
                                        H(i1, j1) + int(i - i1 - 1) + 1 + int(j - j1 - 1)});
        }
        const char16_t c = a[i - 1].unicode();
        auto it = std::find_if(zuletzt.begin(), zuletzt.end(), [c](const auto& p) { return p.first == c; });
        if (it != zuletzt.end())
            it->second = i;
        else
            zuletzt.append({c, i});
    }
    return std::min(H(n + 1, m + 1), grenze + 1);
}

int Buchstaben(QStringView s)
{
    return int(std::count_if(s.begin(), s.end(), [](QChar c) { return c.isLetter(); }));
}

int ErlaubteTippfehler(int buchstaben)
{
    return buchstaben <= 3 ? 0 : buchstaben <= 9 ? 1 : 2;
}

} // namespace lerno::Faltung
