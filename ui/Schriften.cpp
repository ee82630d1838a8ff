#include "ui/Schriften.h"

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
    // These labels show words from lists and imports: "<b>fett</b>" must show as typed.
    l->setTextFormat(Qt::PlainText);
    l->setFont(schrift);
    // Moves over the text stay with the label: only the window and its picture re-arm
    // the hover rule, so going from a text onto a label button neither grows nor sounds.
    l->setMouseTracking(true);
    l->setAttribute(Qt::WA_NoMousePropagation);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Gelb);
    l->setPalette(p);
    return l;
}

} // namespace lerno
