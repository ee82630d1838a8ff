#include "lists/Listendateien.h"

#include "lists/DateiErsetzen.h"
#include "lists/Dateizugriff.h"
#include "lists/Listenname.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace lerno {

DateiErgebnis ListeAnlegen(const QString& liste, Anlage anlage)
{
    for (QChar b : {u'a', u'b', u'c', u'd'}) {
        if (b == u'd' && anlage != Anlage::MitUebungsdatei)
            break;
        if (const DateiErgebnis e = DateiAnlegen(StufenDatei(liste, b)); !e)
            return e;
    }
    return {};
}

namespace {

// The last line as ZeilenLesen gives it: a final CR LF ends the last line, it does not
// start an empty one.
QString LetzteZeileAus(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    qsizetype ende = bytes.size();
    if (bytes.endsWith('\n'))
        --ende;
    qsizetype anfang = bytes.lastIndexOf('\n', ende - 1) + 1;
    // The mark is no part of the first line: with it, "001#" would be read as number 0.
    if (anfang == 0 && QByteArrayView(bytes).startsWith(Kopf(Listenkodierung::Utf8MitMarke)))
        anfang = std::min<qsizetype>(3, ende);
    qsizetype laenge = ende - anfang;
    if (laenge > 0 && bytes[anfang + laenge - 1] == '\r')
        --laenge;
    // Only its number is read, and digits are the same bytes in either encoding.
    return AusCp1252(bytes.mid(anfang, laenge));
}

} // namespace

Eintragsanhang::Eintragsanhang(QByteArray bisher) : daten_(std::move(bisher)), letzte_(LetzteZeileAus(daten_)) {}

void Eintragsanhang::Paar(const QString& vokabel, const QString& bedeutung)
{
    letzte_ = EintragSchreiben(NaechsteNummer(letzte_), vokabel, bedeutung, 0);
    stapel_.append(letzte_);
    if (stapel_.size() >= 4096)
        Leeren();
}

std::optional<QByteArray> Eintragsanhang::Ende()
{
    Leeren();
    if (!ok_)
        return std::nullopt;
    return std::move(daten_);
}

void Eintragsanhang::Leeren()
{
    if (!ok_ || stapel_.isEmpty())
        return;
    // A pair Windows-1252 lacks turns the whole list UTF-8 with mark.
    ok_ = InhaltErweitern(daten_, stapel_);
    stapel_.clear();
}

DateiErgebnis EintraegeAnhaengen(const QString& liste, const std::function<void(Eintragsanhang&)>& fuellen,
                                 FehlendeListe fehlt)
{
    // The editor's scratch list is removed at the next start: pairs there would be lost.
    if (IstHilfsliste(liste))
        return DateiErgebnis::Fehler(0);
    // A list marked read-only stays as it is, though the folder would allow the rename.
    if (ListeSchreibgeschuetzt(liste))
        return DateiErgebnis::Fehler(EACCES);
    QByteArray inhalt;
    if (fehlt == FehlendeListe::Fehler || QFileInfo::exists(liste)) {
        auto bytes = BytesLesen(liste);
        if (!bytes)
            return bytes.Ergebnis();
        inhalt = std::move(*bytes);
    }
    // A record that does not encode refuses the whole append before anything is written.
    Eintragsanhang anhang(std::move(inhalt));
    fuellen(anhang);
    const auto neu = anhang.Ende();
    if (!neu)
        return DateiErgebnis::Fehler(0);
    return ListeErsetzen(liste, *neu);
}

DateiErgebnis ListeErsetzen(const QString& liste, const QByteArray& inhalt)
{
    std::vector<std::pair<QString, QString>> stufen; // stage list, its new content's temporary
    const auto verwerfen = [&stufen] {
        for (const auto& s : stufen)
            ErsetzenVerwerfen(s.second);
    };
    if (QByteArrayView(inhalt).startsWith(Kopf(Listenkodierung::Utf8MitMarke))) {
        for (QChar b : {u'b', u'c'}) {
            const QString pfad = StufenDatei(liste, b);
            // One that cannot be read stays as it is: read by its own bytes it is still right.
            const auto bytes = BytesLesen(pfad);
            if (!bytes || bytes->isEmpty() || KodierungErkennen(*bytes) != Listenkodierung::Cp1252)
                continue;
            const auto t = ErsetzenVorbereiten(pfad, AlsUtf8(*bytes));
            if (!t) {
                verwerfen();
                return t.Ergebnis();
            }
            stufen.emplace_back(pfad, *t);
        }
    }
    const auto neu = ErsetzenVorbereiten(liste, inhalt);
    if (!neu) {
        verwerfen();
        return neu.Ergebnis();
    }
    for (size_t i = 0; i < stufen.size(); ++i)
        if (const DateiErgebnis r = ErsetzenAbschliessen(stufen[i].first, stufen[i].second); !r) {
            for (size_t j = i + 1; j < stufen.size(); ++j)
                ErsetzenVerwerfen(stufen[j].second);
            ErsetzenVerwerfen(*neu);
            return r;
        }
    return ErsetzenAbschliessen(liste, *neu);
}

} // namespace lerno
