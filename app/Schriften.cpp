#include "app/Schriften.h"

#include <QLabel>

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

QLabel* GelbeBeschriftung(const QString& text, QWidget* parent, const QFont& schrift)
{
    auto* l = new QLabel(text, parent);
    l->setFont(schrift);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Gelb);
    l->setPalette(p);
    return l;
}

} // namespace lerno
