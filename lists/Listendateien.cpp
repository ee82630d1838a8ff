#include "lists/Listendateien.h"

#include "lists/DateiErsetzen.h"
#include "lists/Dateizugriff.h"
#include "lists/Listenname.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QFileInfo>

#include <cerrno>

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
    const qsizetype anfang = bytes.lastIndexOf('\n', ende - 1) + 1;
    qsizetype laenge = ende - anfang;
    if (laenge > 0 && bytes[anfang + laenge - 1] == '\r')
        --laenge;
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
    const auto neu = AnhangBytes(daten_, stapel_);
    ok_ = neu.has_value();
    if (ok_)
        daten_ += *neu;
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
    return DateiErsetzen(liste, *neu);
}

} // namespace lerno
