#include "transfer/Export.h"

#include "lists/Vokabeleintrag.h"

namespace lerno {

namespace {

void FeldAnhaengen(QByteArray& out, const QString& feld, char trenner)
{
    const QByteArray utf8 = feld.toUtf8();
    // Quoted when the field holds the separator, a quote or a line break, or starts or
    // ends with a blank that a spreadsheet might otherwise drop.
    const bool quoten = utf8.contains(trenner) || utf8.contains('"') || utf8.contains('\r')
        || utf8.contains('\n') || utf8.startsWith(' ') || utf8.endsWith(' ');
    if (!quoten) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

char TrennerFuer(const QString& dateiname)
{
    return dateiname.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive) ? '\t' : ';';
}

ExportInhalt ExportBauen(const QStringList& zeilen, char trenner)
{
    ExportInhalt e;
    e.bytes = QByteArray("\xEF\xBB\xBF") + "Vokabel" + trenner + "Bedeutung" + trenner + "Fehler\r\n";
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto paar = EintragLesen(zeilen[i]);
        if (!paar) {
            e.unlesbar.append(static_cast<int>(i + 1));
            continue;
        }
        FeldAnhaengen(e.bytes, paar->Vokabel, trenner);
        e.bytes += trenner;
        FeldAnhaengen(e.bytes, paar->Bedeutung, trenner);
        e.bytes += trenner;
        e.bytes += QByteArray::number(FehlerstandLesen(zeilen[i]));
        e.bytes += "\r\n";
        ++e.paare;
    }
    return e;
}

} // namespace lerno
