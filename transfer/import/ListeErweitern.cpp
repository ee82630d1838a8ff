#include "transfer/import/ListeErweitern.h"

#include "lists/Listendateien.h"

namespace lerno {

namespace {

DateiErgebnis Anhaengen(const QString& liste, const std::function<void(Eintragsanhang&)>& fuellen)
{
    if (const DateiErgebnis e = EintraegeAnhaengen(liste, fuellen); !e)
        return e;
    // The pairs are in. A stage list that cannot be created now is created by the
    // entry screen or the practice loader when they need it, so it is no failure here.
    ListeAnlegen(liste);
    return {};
}

} // namespace

DateiErgebnis PaareAnhaengen(const QString& liste, const QList<ImportPaar>& paare)
{
    return Anhaengen(liste, [&paare](Eintragsanhang& a) {
        for (const ImportPaar& p : paare)
            a.Paar(p.Vokabel, p.Bedeutung);
    });
}

DateiErgebnis PaareAnhaengen(const QString& liste, const ImportTabelle& tabelle, const ImportEinstellungen& einstellungen)
{
    return Anhaengen(liste, [&](Eintragsanhang& a) {
        PaareDurchgehen(tabelle, einstellungen, [&a](ImportPaar&& p) { a.Paar(p.Vokabel, p.Bedeutung); });
    });
}

QString ImportZusammenfassung(const QString& listenname, qsizetype hinzugefuegt, const ImportInhalt& inhalt)
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
    return text;
}

} // namespace lerno
