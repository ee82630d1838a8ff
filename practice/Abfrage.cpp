#include "practice/Abfrage.h"

#include "lists/Zufall.h"

namespace lerno::Abfrage {

int ZeileZiehen(int zeilenzahl, int letzteZeile)
{
    int zeile = Ziehung(zeilenzahl);
    if (zeilenzahl > 2) {
        while (zeile == letzteZeile)
            zeile = Ziehung(zeilenzahl);
    }
    return zeile;
}

Frage FrageStellen(const QString& vokabel, const QString& bedeutung, qint16 testart)
{
    Frage f;
    qint16 richtung = testart;
    if (testart == 3) {
        f.gemisch = static_cast<qint16>(Ziehung(2));
        richtung = f.gemisch == 1 ? 2 : 1;
    }
    if (richtung == 1) {
        f.Anzeige = bedeutung;
        f.Sollantwort = vokabel;
        f.Vok = false;
    } else {
        f.Anzeige = vokabel;
        f.Sollantwort = bedeutung;
        f.Vok = true;
    }
    return f;
}

QString HilfeMaske(const QString& antwort)
{
    const int laenge = static_cast<int>(antwort.size());
    // Three distinct positions cannot be drawn from three or fewer: show it all.
    if (laenge <= 3)
        return antwort;
    const int a = Ziehung(laenge);
    int b = Ziehung(laenge);
    while (b == a)
        b = Ziehung(laenge);
    int c = Ziehung(laenge);
    while (c == b || c == a)
        c = Ziehung(laenge);
    QString maske(laenge, QLatin1Char('*'));
    for (int pos : {a, b, c})
        maske[pos - 1] = antwort[pos - 1];
    return maske;
}

} // namespace lerno::Abfrage
