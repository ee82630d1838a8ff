#include "lists/Vokabeleintrag.h"

#include <algorithm>

namespace lerno {

namespace {

bool IstZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<WortPaar> EintragLesen(const QString& zeile)
{
    const qsizetype p1 = zeile.indexOf(u'#');
    if (p1 < 0)
        return std::nullopt;
    const qsizetype p2 = zeile.indexOf(u'#', p1 + 1);
    if (p2 < 0)
        return std::nullopt;
    const qsizetype p3 = zeile.indexOf(u'#', p2 + 1);
    if (p3 < 0)
        return std::nullopt;
    return WortPaar{zeile.mid(p1 + 1, p2 - p1 - 1), zeile.mid(p2 + 1, p3 - p2 - 1)};
}

QString EintragSchreiben(const QString& nummer, const QString& vokabel,
                         const QString& bedeutung, int fehlerstand)
{
    // The count field is one character wide; never let it grow a second digit.
    const int f = std::clamp(fehlerstand, 0, 9);
    return nummer + u'#' + vokabel + u'#' + bedeutung + u'#' + QChar(u'0' + f) + QStringLiteral("#0#");
}

QString NaechsteNummer(const QString& letzteZeile)
{
    // Characters 2..4, not 1..3: that is what makes 100 wrap round to 001.
    const QString teil = letzteZeile.mid(1, 3);
    int wert = 0;
    for (QChar c : teil) {
        if (!IstZiffer(c))
            break;
        wert = wert * 10 + (c.unicode() - u'0');
    }
    // A hand-edited last line can hold 999 there; the number field stays three digits.
    return QString::number(wert >= 999 ? 1 : wert + 1).rightJustified(3, u'0');
}

QString EintragSchluessel(const QString& zeile)
{
    if (zeile.size() < 4)
        return QString();
    return zeile.left(zeile.size() - 4);
}

int FehlerstandLesen(const QString& zeile)
{
    if (zeile.size() < 4)
        return 0;
    const QChar c = zeile.at(zeile.size() - 4);
    return IstZiffer(c) ? c.unicode() - u'0' : 0;
}

QString StufenDatei(const QString& pfad, QChar buchstabe)
{
    if (pfad.isEmpty())
        return QString();
    // X.DVA's siblings are X.DVB, X.DVC, X.DVD: the letter takes the case it replaces.
    return pfad.left(pfad.size() - 1) + (pfad.back().isUpper() ? buchstabe.toUpper() : buchstabe);
}

bool IstWohlgeformt(const QString& zeile)
{
    // ddd# Vokabel # Bedeutung #d#0#  with a non-empty word and meaning.
    const qsizetype n = zeile.size();
    if (n < 12)
        return false;
    if (!IstZiffer(zeile[0]) || !IstZiffer(zeile[1]) || !IstZiffer(zeile[2]) || zeile[3] != u'#')
        return false;
    if (zeile[n - 5] != u'#' || !IstZiffer(zeile[n - 4]) || zeile[n - 3] != u'#'
        || zeile[n - 2] != u'0' || zeile[n - 1] != u'#')
        return false;
    const QStringView mitte = QStringView(zeile).mid(4, n - 9);
    const qsizetype trenner = mitte.indexOf(u'#');
    return trenner > 0 && trenner < mitte.size() - 1;
}

bool HatZaehlerRahmen(const QString& zeile)
{
    // Like IstWohlgeformt, but the count and Reserve may be any single character.
    const qsizetype n = zeile.size();
    if (n < 12)
        return false;
    if (!IstZiffer(zeile[0]) || !IstZiffer(zeile[1]) || !IstZiffer(zeile[2]) || zeile[3] != u'#')
        return false;
    if (zeile[n - 5] != u'#' || zeile[n - 4] == u'#' || zeile[n - 3] != u'#'
        || zeile[n - 2] == u'#' || zeile[n - 1] != u'#')
        return false;
    const QStringView mitte = QStringView(zeile).mid(4, n - 9);
    const qsizetype trenner = mitte.indexOf(u'#');
    return trenner > 0 && trenner < mitte.size() - 1;
}

} // namespace lerno
