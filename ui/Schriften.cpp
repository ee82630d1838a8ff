#include "ui/Schriften.h"

#include <QFontMetrics>
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

void TextEinpassen(QLabel* l, const QString& text, const QRect& feld, const QFont& schrift)
{
    l->setGeometry(feld);
    l->setToolTip(QString());
    l->setAccessibleName(QString());
    QFont f = schrift;
    for (double punkt = schrift.pointSizeF(); punkt >= 9; punkt -= 0.5) {
        f.setPointSizeF(punkt);
        if (QFontMetrics(f).horizontalAdvance(text) < feld.width()) {
            l->setFont(f);
            l->setWordWrap(false);
            l->setText(text);
            return;
        }
    }
    for (double punkt : {8.0, 7.5, 7.0}) {
        f.setPointSizeF(punkt);
        const QRect zwei = QFontMetrics(f).boundingRect(QRect(0, 0, feld.width(), 4 * feld.height()),
                                                        Qt::TextWordWrap, text);
        if (zwei.width() <= feld.width() && zwei.height() <= feld.height()) {
            l->setFont(f);
            l->setWordWrap(true);
            l->setText(text);
            return;
        }
    }
    f.setPointSizeF(9);
    l->setFont(f);
    l->setWordWrap(false);
    l->setText(QFontMetrics(f).elidedText(text, Qt::ElideRight, feld.width() - 1));
    // The whole text for the pointer and for a screen reader; a tip is never read as markup.
    l->setToolTip(QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped()));
    l->setAccessibleName(text);
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
