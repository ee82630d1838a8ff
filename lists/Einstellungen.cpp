#include "lists/Einstellungen.h"

#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QStringDecoder>

#include <algorithm>

namespace lerno {

namespace {

QString Pfad(const QString& ordner) { return ordner + QLatin1Char('/') + Einstellungen::Dateiname; }

const QString Ja = QStringLiteral("ja"), Nein = QStringLiteral("nein");

} // namespace

Einstellungen Einstellungen::Lesen(const QString& ordner)
{
    Einstellungen e;
    const auto bytes = BytesLesen(Pfad(ordner));
    if (!bytes)
        return e;
    for (const Zeilenstelle& s : ZeilenStellen(*bytes)) {
        // Each line on its own: one broken line (not UTF-8, no "=") costs only itself.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString zeile = utf8(QByteArrayView(*bytes).sliced(s.anfang, s.laenge));
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (utf8.hasError() || gleich < 0)
            continue;
        const QString schluessel = zeile.left(gleich).trimmed();
        if (schluessel.isEmpty())
            continue;
        const QString wert = zeile.mid(gleich + 1).trimmed();
        auto it = std::find_if(e.eintraege_.begin(), e.eintraege_.end(),
                               [&](const auto& p) { return p.first == schluessel; });
        if (it != e.eintraege_.end())
            it->second = wert; // the last one counts, as it would for anyone reading along
        else
            e.eintraege_.append({schluessel, wert});
    }
    return e;
}

DateiErgebnis Einstellungen::Schreiben(const QString& ordner) const
{
    QByteArray inhalt;
    for (const auto& [schluessel, wert] : eintraege_)
        inhalt += (schluessel + QLatin1Char('=') + wert).toUtf8() + "\r\n";
    return DateiErsetzen(Pfad(ordner), inhalt);
}

bool Einstellungen::Schalter(const QString& schluessel) const
{
    for (const auto& [s, wert] : eintraege_)
        if (s == schluessel)
            return wert == Ja;
    return false;
}

void Einstellungen::SchalterSetzen(const QString& schluessel, bool an)
{
    for (auto& [s, wert] : eintraege_)
        if (s == schluessel) {
            wert = an ? Ja : Nein;
            return;
        }
    eintraege_.append({schluessel, an ? Ja : Nein});
}

} // namespace lerno
