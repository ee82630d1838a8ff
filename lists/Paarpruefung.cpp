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
    if (const auto fremd = ErstesUnspeicherbaresZeichen(feld))
        return urteil(PaarGrund::Unspeicherbar, *fremd);
    return {};
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
    case PaarGrund::Unspeicherbar:
        // Nothing a pupil could recognise: named by its code, for whoever helps.
        if (QChar::isSurrogate(u.Zeichen))
            return QStringLiteral("Ein unvollständiges Zeichen (%1) kann nicht gespeichert werden")
                .arg(ZeichenCode(u.Zeichen));
        if (QChar::category(u.Zeichen) == QChar::Other_PrivateUse)
            return QStringLiteral("Ein Zeichen aus dem privaten Bereich (%1) kann nicht gespeichert werden")
                .arg(ZeichenCode(u.Zeichen));
        return QStringLiteral("Ein nicht vergebenes Zeichen (%1) kann nicht gespeichert werden")
            .arg(ZeichenCode(u.Zeichen));
    }
    return {};
}

} // namespace lerno
