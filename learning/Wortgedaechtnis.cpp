#include "learning/Wortgedaechtnis.h"

#include "learning/Seitendatei.h"
#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>

namespace lerno::Wortgedaechtnis {

namespace {

constexpr double MinStabilitaet = 0.001;
constexpr double MaxStabilitaet = 36500;

bool Gueltig(const Eintrag& e)
{
    return e.zuletzt.isValid() && e.stand.stabilitaet >= MinStabilitaet
           && e.stand.stabilitaet <= MaxStabilitaet && e.stand.schwierigkeit >= 1
           && e.stand.schwierigkeit <= 10 && e.wiederholungen >= 1 && e.vergessen >= 0
           && e.vergessen <= e.wiederholungen;
}

template <typename T>
bool Zahl(QByteArrayView text, T& wert)
{
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
    return fehler == std::errc() && p == ende && !text.isEmpty();
}

// yyyy-MM-dd, digits only; read by hand because this runs for every word of every list.
QDate Datum(QByteArrayView t)
{
    if (t.size() != 10 || t[4] != '-' || t[7] != '-')
        return {};
    int j = 0, m = 0, d = 0;
    if (!Zahl(t.sliced(0, 4), j) || !Zahl(t.sliced(5, 2), m) || !Zahl(t.sliced(8, 2), d))
        return {};
    return QDate(j, m, d);
}

// One line without its line end; false for anything that is not such a line.
bool ZeileLesen(QByteArrayView zeile, QStringDecoder& utf8, QString& schluessel, Eintrag& e)
{
    QByteArrayView f[5];
    for (QByteArrayView& feld : f) {
        const qsizetype tab = zeile.indexOf('\t');
        if (tab < 0)
            return false;
        feld = zeile.first(tab);
        zeile = zeile.sliced(tab + 1);
    }
    e.zuletzt = Datum(f[0]);
    if (!Zahl(f[1], e.stand.stabilitaet) || !Zahl(f[2], e.stand.schwierigkeit)
        || !Zahl(f[3], e.wiederholungen) || !Zahl(f[4], e.vergessen) || !Gueltig(e)
        || zeile.isEmpty())
        return false;
    schluessel = utf8(zeile);
    if (!utf8.hasError())
        return true;
    utf8.resetState(); // the error sticks to the decoder otherwise
    return false;
}

QString Zahltext(double x) { return QString::number(x, 'g', QLocale::FloatingPointShortest); }

} // namespace

QString Datei(const QString& liste) { return StufenDatei(liste, u'g'); }

QString Schluessel(const WortPaar& paar) { return paar.Vokabel + u'#' + paar.Bedeutung; }

Inhalt Lesen(const QString& liste)
{
    Inhalt in;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    in.lesefehler = !SeitendateiLesen(Datei(liste), [&](QByteArrayView zeile) {
        QString schluessel;
        Eintrag e;
        if (ZeileLesen(zeile, utf8, schluessel, e))
            in.woerter.insert(schluessel, e);
        else
            ++in.uebersprungen;
    });
    return in;
}

QByteArray Text(const Woerter& woerter)
{
    QStringList schluessel = woerter.keys();
    schluessel.sort();
    QByteArray text;
    for (const QString& s : schluessel) {
        const Eintrag& e = woerter[s];
        if (!Gueltig(e) || s.isEmpty() || s.contains(u'\n') || s.contains(u'\r'))
            continue;
        text += (e.zuletzt.toString(Qt::ISODate) + u'\t' + Zahltext(e.stand.stabilitaet) + u'\t'
                 + Zahltext(e.stand.schwierigkeit) + u'\t' + QString::number(e.wiederholungen)
                 + u'\t' + QString::number(e.vergessen) + u'\t' + s)
                    .toUtf8()
                + "\r\n";
    }
    return text;
}

bool Schreiben(const QString& liste, const Woerter& woerter)
{
    return DateiErsetzen(Datei(liste), Text(woerter));
}

bool Entfernen(const QString& liste)
{
    QFile f(Datei(liste));
    return !f.exists() || f.remove();
}

int Bewertung(Antwortpruefung::Urteil urteil, bool nachHinweis)
{
    switch (urteil) {
    case Antwortpruefung::Urteil::Richtig:
        return nachHinweis ? 2 : 3;
    case Antwortpruefung::Urteil::FastRichtig:
        return 2;
    case Antwortpruefung::Urteil::Falsch:
        break;
    }
    return 1;
}

Eintrag Wiederholen(const std::optional<Eintrag>& vorher, int bewertung, QDate heute)
{
    Eintrag e;
    e.zuletzt = heute;
    if (!vorher) {
        e.stand = Gedaechtnis::NachWiederholung(std::nullopt, 0, bewertung);
        e.wiederholungen = 1;
        return e;
    }
    const int tage = vorher->zuletzt.isValid() ? int(std::max<qint64>(0, vorher->zuletzt.daysTo(heute))) : 0;
    e.stand = Gedaechtnis::NachWiederholung(vorher->stand, tage, bewertung);
    e.wiederholungen = vorher->wiederholungen + 1;
    e.vergessen = vorher->vergessen + (bewertung <= 1 && tage > 0 ? 1 : 0);
    return e;
}

bool AntwortVermerken(const QString& liste, const WortPaar& paar, int bewertung, QDate heute)
{
    return AntwortenVermerken(liste, {Antwort{paar, bewertung, heute}});
}

bool AntwortenVermerken(const QString& liste, const QList<Antwort>& antworten, const QSet<QString>* inListe)
{
    Inhalt in = Lesen(liste);
    if (in.lesefehler)
        return false;
    QSet<QString> beantwortet;
    for (const Antwort& a : antworten) {
        const QString schluessel = Schluessel(a.paar);
        const auto alt = in.woerter.constFind(schluessel);
        in.woerter.insert(schluessel, Wiederholen(alt == in.woerter.cend() ? std::nullopt : std::optional(*alt),
                                                  a.bewertung, a.tag));
        beantwortet.insert(schluessel);
    }
    // Pairs the editor changed or removed start afresh should they come back.
    QSet<QString> gelesen;
    if (!inListe) {
        if (const auto zeilen = ZeilenLesen(StufenDatei(liste, u'a'))) {
            for (const QString& z : *zeilen)
                if (const auto p = EintragLesen(z))
                    gelesen.insert(Schluessel(*p));
            inListe = &gelesen;
        }
    }
    if (inListe)
        in.woerter.removeIf([&](const auto& it) {
            return !inListe->contains(it.key()) && !beantwortet.contains(it.key());
        });
    return Schreiben(liste, in.woerter);
}

WortPaar PaarAus(const QString& schluessel)
{
    const qsizetype raute = schluessel.indexOf(u'#');
    return {schluessel.left(raute), raute < 0 ? QString() : schluessel.mid(raute + 1)};
}

Listenwoerter WoerterLesen(const QString& liste)
{
    Listenwoerter l;
    const Inhalt gedaechtnis = Lesen(liste);
    const auto zeilen = ZeilenLesen(StufenDatei(liste, u'a'));
    l.lesefehler = gedaechtnis.lesefehler || !zeilen;
    if (!zeilen)
        return l;
    l.schluessel.reserve(zeilen->size());
    l.zeilen.reserve(zeilen->size());
    l.woerter.reserve(zeilen->size());
    QSet<QString> gesehen;
    gesehen.reserve(zeilen->size());
    for (qsizetype i = 0; i < zeilen->size(); ++i) {
        // Vokabel "#" Bedeutung is the line between its first and third "#" (as EintragLesen
        // takes it apart), so the key is one slice of it.
        const QString& z = zeilen->at(i);
        const qsizetype p1 = z.indexOf(u'#');
        const qsizetype p2 = p1 < 0 ? -1 : z.indexOf(u'#', p1 + 1);
        const qsizetype p3 = p2 < 0 ? -1 : z.indexOf(u'#', p2 + 1);
        if (p3 < 0)
            continue;
        const QString s = z.mid(p1 + 1, p3 - p1 - 1);
        if (gesehen.contains(s))
            continue;
        gesehen.insert(s);
        Lernplan::Wort w;
        if (const auto e = gedaechtnis.woerter.constFind(s); e != gedaechtnis.woerter.cend()) {
            w.stand = e->stand;
            w.zuletzt = e->zuletzt;
        }
        l.schluessel.append(s);
        l.zeilen.append(int(i + 1));
        l.woerter.append(w);
    }
    return l;
}

} // namespace lerno::Wortgedaechtnis
