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

ListenPaare PaareAusZeilen(const QStringList& zeilen)
{
    ListenPaare l;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (const auto paar = EintragLesen(zeilen[i])) {
            l.paare.append(*paar);
            l.fehler.append(FehlerstandLesen(zeilen[i]));
        } else {
            l.unlesbar.append(static_cast<int>(i + 1));
        }
    }
    return l;
}

ExportInhalt ExportBauen(const QStringList& zeilen, char trenner)
{
    const ListenPaare l = PaareAusZeilen(zeilen);
    ExportInhalt e;
    e.bytes = QByteArray("\xEF\xBB\xBF") + "Vokabel" + trenner + "Bedeutung" + trenner + "Fehler\r\n";
    for (qsizetype i = 0; i < l.paare.size(); ++i) {
        FeldAnhaengen(e.bytes, l.paare[i].Vokabel, trenner);
        e.bytes += trenner;
        FeldAnhaengen(e.bytes, l.paare[i].Bedeutung, trenner);
        e.bytes += trenner;
        e.bytes += QByteArray::number(l.fehler[i]);
        e.bytes += "\r\n";
    }
    e.paare = static_cast<int>(l.paare.size());
    e.unlesbar = l.unlesbar;
    return e;
}

} // namespace lerno
