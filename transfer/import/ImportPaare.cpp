#include "transfer/import/ImportPaare.h"

#include "lists/Paarpruefung.h"
#include "lists/TextDatei.h"

#include <QRegularExpression>

#include <libxml/HTMLparser.h>

namespace lerno {

namespace {

const QChar Ersatz(0xFFFD);

// A numeric character reference as HTML reads it: 0x80..0x9F as the Windows-1252
// characters old pages meant by them; empty for no character (0, a surrogate, beyond
// Unicode), so that the reference stays as it stands.
QString ZeichenAusNummer(uint code)
{
    if (code == 0 || code > 0x10FFFF || QChar::isSurrogate(code))
        return {};
    if (code >= 0x80 && code <= 0x9F)
        return AusCp1252(QByteArray(1, static_cast<char>(code)));
    return ZeichenText(code);
}

// A named reference through libxml2's table of every entity HTML defines; empty for a
// name it does not know.
QString ZeichenAusName(const QString& name)
{
    const QByteArray n = name.toLatin1();
    const htmlEntityDesc* e = htmlEntityLookup(reinterpret_cast<const xmlChar*>(n.constData()));
    return e ? ZeichenText(e->value) : QString();
}

QString HtmlZuText(const QString& feld)
{
    static const QRegularExpression br(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    QString t = feld;
    t.replace(br, QStringLiteral(" "));
    t.remove(tag);
    QString out;
    qsizetype von = 0;
    for (auto it = entity.globalMatch(t); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        QString ersatz;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name[1] == u'x' || name[1] == u'X';
            const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
            if (ok)
                ersatz = ZeichenAusNummer(code);
        } else {
            ersatz = ZeichenAusName(name);
        }
        out += QStringView(t).mid(von, m.capturedStart() - von);
        out += ersatz.isEmpty() ? m.captured(0) : ersatz;
        von = m.capturedEnd();
    }
    out += QStringView(t).mid(von);
    return out;
}

// One pair as read at stelle: invisible format characters (UnsichtbaresEntfernen) are
// removed, then the pair if PaarPruefen accepts it, else nullopt with PaarMeldung's
// reason in grund.
std::optional<ImportPaar> ImportPaarPruefen(int stelle, const QString& vokabel, const QString& bedeutung,
                                            QString* grund)
{
    ImportPaar paar{stelle, UnsichtbaresEntfernen(vokabel), UnsichtbaresEntfernen(bedeutung)};
    const PaarUrteil urteil = PaarPruefen(paar.Vokabel, paar.Bedeutung);
    if (urteil.ok())
        return paar;
    if (grund)
        *grund = PaarMeldung(urteil);
    return std::nullopt;
}

} // namespace

QString FeldNormalisieren(const QString& feld, bool html)
{
    QString t = html ? HtmlZuText(feld) : feld;
    QString out;
    out.reserve(t.size());
    for (QChar c : std::as_const(t)) {
        const char16_t u = c.unicode();
        if (u == 0xA0 || u == 0x202F || u == 0x2007 || u == u'\n' || u == u'\r')
            c = u' ';
        if (c == u' ' && (out.isEmpty() || out.back() == u' '))
            continue;
        out += c;
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

std::optional<QList<Ausgelassen>> PaareDurchgehen(const ImportTabelle& tab, const ImportEinstellungen& e,
                                                  const std::function<void(ImportPaar&&)>& paar,
                                                  const ImportFortschritt& fortschritt)
{
    QList<Ausgelassen> ausgelassen = tab.fehler;
    const bool utf8 = e.kodierung == Kodierung::Utf8 || e.kodierung == Kodierung::Utf8MitBom;
    QString grund;
    for (qsizetype r = e.kopfzeile ? 1 : 0; r < tab.zeilen.size(); ++r) {
        if (fortschritt && r % 4096 == 4095 && !fortschritt(r, tab.zeilen.size()))
            return std::nullopt;
        const int stelle = tab.zeilen[r].stelle;
        const QString vokabel = FeldNormalisieren(tab.Zelle(r, e.wortSpalte), e.html);
        const QString bedeutung = FeldNormalisieren(tab.Zelle(r, e.bedeutungSpalte), e.html);
        if (UnsichtbaresEntfernen(vokabel).isEmpty() && UnsichtbaresEntfernen(bedeutung).isEmpty()) {
            // Something only in other columns: a row, but no pair.
            ausgelassen.append({stelle, QStringLiteral("Vokabel und Bedeutung sind leer")});
            continue;
        }
        if (utf8 && (vokabel.contains(Ersatz) || bedeutung.contains(Ersatz))) {
            ausgelassen.append({stelle, QStringLiteral("Die Zeile enthält Bytes, die kein UTF-8 sind")});
            continue;
        }
        if (auto p = ImportPaarPruefen(stelle, vokabel, bedeutung, &grund))
            paar(std::move(*p));
        else
            ausgelassen.append({stelle, grund});
    }
    std::stable_sort(ausgelassen.begin(), ausgelassen.end(),
                     [](const Ausgelassen& a, const Ausgelassen& b) { return a.stelle < b.stelle; });
    return ausgelassen;
}

std::optional<ImportUebersicht> PaareZaehlen(const ImportTabelle& tab, const ImportEinstellungen& e,
                                             int ersteAnzahl, const ImportFortschritt& fortschritt)
{
    ImportUebersicht u;
    auto ausgelassen = PaareDurchgehen(
        tab, e,
        [&u, ersteAnzahl](ImportPaar&& p) {
            if (u.erste.size() < ersteAnzahl)
                u.erste.append(std::move(p));
            ++u.anzahl;
        },
        fortschritt);
    if (!ausgelassen)
        return std::nullopt;
    u.ausgelassen = std::move(*ausgelassen);
    return u;
}

ImportInhalt PaareBilden(const ImportTabelle& tab, const ImportEinstellungen& e)
{
    ImportInhalt inhalt;
    inhalt.eintraege = tab.eintraege;
    inhalt.ausgelassen = *PaareDurchgehen(tab, e, [&inhalt](ImportPaar&& p) { inhalt.paare.append(std::move(p)); });
    return inhalt;
}

} // namespace lerno
