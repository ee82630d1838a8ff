#include "app/Schriften.h"

namespace lerno {

void SchriftenEinrichten()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QFont MsSansSerif(double punkt, bool fett)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

QFont TimesNewRoman(double punkt, bool fett)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

} // namespace lerno
