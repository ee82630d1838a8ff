#include "practice/UebenTeile.h"

#include "lists/Listensprache.h"
#include "ui/LabelButton.h"
#include "ui/Schriften.h"
#include "ui/modAussprache.h"

#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace lerno {

QLineEdit* Textfeld(QWidget* parent, QRect lage)
{
    auto* t = new QLineEdit(parent);
    t->setFont(TimesNewRoman(14.25, true));
    t->setGeometry(lage);
    return t;
}

void GrauUndGesperrt(QLineEdit* t)
{
    static const QColor hellgrau{224, 224, 224};
    QPalette p = t->palette();
    for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppe, QPalette::Base, hellgrau);
        p.setColor(gruppe, QPalette::Text, Qt::black);
    }
    t->setPalette(p);
    t->setEnabled(false);
}

QLabel* Rueckmeldung(const QString& text, QWidget* parent, QPoint ort)
{
    auto* l = GelbeBeschriftung(text, parent, MsSansSerif(12, true));
    l->move(ort);
    l->adjustSize();
    l->hide();
    return l;
}

VokabelAnhoeren::VokabelAnhoeren(QWidget* fenster, QWidget* flaeche, int left, int top, int width, int height)
    : QObject(fenster)
{
    knopf = new LabelButton(QStringLiteral("Anhören"), flaeche, left, top, width, height);
    knopf->setToolTip(QStringLiteral("Das Wort noch einmal hören (F5)"));
    connect(knopf, &LabelButton::clicked, this, &VokabelAnhoeren::NochmalSagen);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), fenster);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &VokabelAnhoeren::NochmalSagen);
}

void VokabelAnhoeren::Sagen(const QString& liste, const QString& fremdwort)
{
    wort_ = fremdwort;
    sprache_ = SprachCode(Listensprache(liste));
    NochmalSagen();
}

void VokabelAnhoeren::NochmalSagen()
{
    modAussprache::Aussprechen(wort_, sprache_);
}

} // namespace lerno
