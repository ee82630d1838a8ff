#include "transfer/ListeErweitern.h"

#include "entry/VokabelSpeichern.h"
#include "lists/DateiErsetzen.h"
#include "lists/Listenname.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QFileInfo>

namespace lerno {

namespace {

// The last line as the entry screen sees it (ZeilenLesen's last element): a final
// CR LF ends the last line, it does not start an empty one.
QString LetzteZeile(const QByteArray& bytes)
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

QStringList RecordsBauen(const QString& letzteZeile, const QList<ImportPaar>& paare)
{
    QStringList out;
    out.reserve(paare.size());
    QString letzte = letzteZeile;
    for (const ImportPaar& p : paare) {
        letzte = EintragSchreiben(NaechsteNummer(letzte), p.Vokabel, p.Bedeutung, 0);
        out.append(letzte);
    }
    return out;
}

namespace {

// The list's new bytes, old content first, records added in batches by the shared
// append rule (AnhangBytes); only the batch is held as text.
class Anhang {
public:
    explicit Anhang(QByteArray bisher) : daten_(std::move(bisher)), letzte_(LetzteZeile(daten_)) {}

    void Paar(const ImportPaar& p)
    {
        letzte_ = EintragSchreiben(NaechsteNummer(letzte_), p.Vokabel, p.Bedeutung, 0);
        stapel_.append(letzte_);
        if (stapel_.size() >= 4096)
            Leeren();
    }

    // nullopt when a record does not encode.
    std::optional<QByteArray> Ende()
    {
        Leeren();
        if (!ok_)
            return std::nullopt;
        return std::move(daten_);
    }

private:
    void Leeren()
    {
        if (!ok_ || stapel_.isEmpty())
            return;
        const auto neu = AnhangBytes(daten_, stapel_);
        ok_ = neu.has_value();
        if (ok_)
            daten_ += *neu;
        stapel_.clear();
    }

    QByteArray daten_;
    QString letzte_;
    QStringList stapel_;
    bool ok_ = true;
};

DateiErgebnis Anhaengen(const QString& liste, const std::function<void(Anhang&)>& fuellen)
{
    // The editor's scratch list is removed at the next start: pairs there would be lost.
    if (IstHilfsliste(liste))
        return DateiErgebnis::Fehler(0);
    QByteArray inhalt;
    if (QFileInfo::exists(liste)) {
        auto bisher = BytesLesen(liste);
        if (!bisher)
            return bisher.Ergebnis();
        inhalt = std::move(*bisher);
    }
    // The entry screen's append rule (a lone CR at the end only gets its LF); a record
    // that does not encode refuses the whole import before anything is written.
    Anhang anhang(std::move(inhalt));
    fuellen(anhang);
    const auto neu = anhang.Ende();
    if (!neu)
        return DateiErgebnis::Fehler(0);
    if (const DateiErgebnis e = DateiErsetzen(liste, *neu); !e)
        return e;
    // The pairs are in. A stage list that cannot be created now is created by the
    // entry screen or the practice loader when they need it, so it is no failure here.
    ListeAnlegen(liste);
    return {};
}

} // namespace

DateiErgebnis PaareAnhaengen(const QString& liste, const QList<ImportPaar>& paare)
{
    return Anhaengen(liste, [&paare](Anhang& a) {
        for (const ImportPaar& p : paare)
            a.Paar(p);
    });
}

DateiErgebnis PaareAnhaengen(const QString& liste, const ImportTabelle& tabelle, const ImportEinstellungen& einstellungen)
{
    return Anhaengen(liste, [&](Anhang& a) {
        PaareDurchgehen(tabelle, einstellungen, [&a](ImportPaar&& p) { a.Paar(p); });
    });
}

QString ImportZusammenfassung(const QString& listenname, qsizetype hinzugefuegt,
                              const ImportInhalt& inhalt, qsizetype listenlaenge)
{
    QString text = hinzugefuegt == 1
        ? QStringLiteral("1 Vokabel wurde in „%1“ aufgenommen.").arg(listenname)
        : QStringLiteral("%1 Vokabeln wurden in „%2“ aufgenommen.").arg(hinzugefuegt).arg(listenname);
    const qsizetype n = inhalt.ausgelassen.size();
    if (n == 0) {
        text += QStringLiteral("\nNichts wurde übersprungen.");
    } else {
        text += n == 1 ? QStringLiteral("\n1 Vokabel wurde übersprungen:")
                       : QStringLiteral("\n%1 Vokabeln wurden übersprungen:").arg(n);
        const QString art = inhalt.eintraege ? QStringLiteral("Eintrag") : QStringLiteral("Zeile");
        for (qsizetype i = 0; i < std::min<qsizetype>(n, 10); ++i)
            text += QStringLiteral("\n%1 %2: %3").arg(art).arg(inhalt.ausgelassen[i].stelle).arg(inhalt.ausgelassen[i].grund);
        if (n > 10)
            text += QStringLiteral("\n… und %1 weitere.").arg(n - 10);
    }
    if (listenlaenge > 500)
        text += QStringLiteral("\n\nDie Liste hat jetzt %1 Vokabeln. Beim Üben werden Fehler nur für "
                               "die ersten 500 gezählt.").arg(listenlaenge);
    return text;
}

} // namespace lerno
