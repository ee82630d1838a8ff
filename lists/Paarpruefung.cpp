#include "lists/Paarpruefung.h"

#include "lists/TextDatei.h"

namespace lerno {

namespace {

PaarUrteil FeldPruefen(const QString& feld, bool bedeutung)
{
    const auto urteil = [bedeutung](PaarGrund g, char32_t c) { return PaarUrteil{g, c, bedeutung}; };
    if (feld.contains(u'#'))
        return urteil(PaarGrund::Raute, U'#');
    for (QChar c : feld)
        if (c == u'\r' || c == u'\n')
            return urteil(PaarGrund::Zeilenumbruch, c.unicode());
    for (QChar c : feld)
        if (c.category() == QChar::Other_Control)
            return urteil(PaarGrund::Steuerzeichen, c.unicode());
    if (const auto fremd = ErstesFremdesZeichen(feld))
        return urteil(PaarGrund::KeinCp1252, *fremd);
    return {};
}

// Format characters (byte order mark, zero-width and direction marks) and blanks other
// than the plain one show nothing a pupil could name.
bool IstUnsichtbar(char32_t zeichen)
{
    switch (QChar::category(zeichen)) {
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

PaarUrteil PaarPruefen(const QString& vokabel, const QString& bedeutung)
{
    if (vokabel.isEmpty())
        return {PaarGrund::Leer, 0, false};
    if (bedeutung.isEmpty())
        return {PaarGrund::Leer, 0, true};
    const PaarUrteil wort = FeldPruefen(vokabel, false);
    return wort.ok() ? FeldPruefen(bedeutung, true) : wort;
}

QString UnsichtbaresEntfernen(const QString& feld)
{
    QString out = feld;
    out.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0xFEFF || u == 0x200B || u == 0x200E || u == 0x200F;
    });
    return out;
}

QString ZeichenText(char32_t zeichen)
{
    // By hand: QString::fromUcs4 drops a U+FEFF.
    if (QChar::requiresSurrogates(zeichen)) {
        const QChar paar[2] = {QChar(QChar::highSurrogate(zeichen)), QChar(QChar::lowSurrogate(zeichen))};
        return QString(paar, 2);
    }
    if (QChar::isSurrogate(zeichen))
        return {};
    return QString(QChar(static_cast<char16_t>(zeichen)));
}

QString ZeichenCode(char32_t zeichen)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(zeichen), 4, 16, QLatin1Char('0')).toUpper();
}

QString PaarMeldung(const PaarUrteil& u)
{
    switch (u.Grund) {
    case PaarGrund::Keiner:
        return {};
    case PaarGrund::Leer:
        return u.InBedeutung ? QStringLiteral("Bedeutung ist leer") : QStringLiteral("Vokabel ist leer");
    case PaarGrund::Raute:
        return QStringLiteral("Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen");
    case PaarGrund::Zeilenumbruch:
        return QStringLiteral("Vokabel und Bedeutung dürfen keinen Zeilenumbruch enthalten");
    case PaarGrund::Steuerzeichen:
        if (u.Zeichen == U'\t')
            return QStringLiteral("Vokabel und Bedeutung dürfen keinen Tabulator enthalten");
        return QStringLiteral("Vokabel und Bedeutung dürfen kein Steuerzeichen (%1) enthalten")
            .arg(ZeichenCode(u.Zeichen));
    case PaarGrund::KeinCp1252:
        // The character itself, which a pupil can read; its code only where there is
        // nothing to see.
        if (IstUnsichtbar(u.Zeichen))
            return QStringLiteral("Ein unsichtbares Zeichen (%1) kann in dieser Liste nicht gespeichert werden")
                .arg(ZeichenCode(u.Zeichen));
        return QStringLiteral("\u201E%1\u201C kann in dieser Liste nicht gespeichert werden").arg(ZeichenText(u.Zeichen));
    }
    return {};
}

} // namespace lerno
