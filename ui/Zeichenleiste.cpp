#include "ui/Zeichenleiste.h"

#include "ui/Schriften.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace lerno {

namespace {

constexpr int Abstand = 2; // between two buttons, in pixels

QString Einfuegen(const QString& zeichen) { return zeichen + QStringLiteral(" einfügen"); }

} // namespace

Zeichenleiste::Zeichenleiste(QWidget* parent, QList<QLineEdit*> felder)
    : QWidget(parent), felder_(std::move(felder)), ziel_(felder_.value(0))
{
    setAccessibleName(QStringLiteral("Sonderzeichen"));
    setFont(TimesNewRoman(12, true));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* vorher, QWidget* jetzt) {
        auto* feld = qobject_cast<QLineEdit*>(jetzt);
        if (!feld || !felder_.contains(feld)) {
            if (QLineEdit* z = ziel(); z && vorher == z && isAncestorOf(jetzt))
                cursor_ = z->cursorPosition();
            return;
        }
        // Back from the bar by Shift+Tab the box would select all it holds, and the next
        // letter would replace it: the cursor goes on where the letters went in.
        if (feld == ziel_ && isAncestorOf(vorher)) {
            feld->setCursorPosition(cursor_); // and no selection
        }
        ziel_ = feld;
    });
    // Active only while the bar is on show: a list without letters keeps Alt+digit free.
    for (int n = 0; n < 9; ++n) {
        auto* kurz = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + n)), this);
        kurz->setContext(Qt::WindowShortcut);
        connect(kurz, &QShortcut::activated, this, [this, n] { einfuegen(n); });
    }
    auto* umschalten = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_0), this);
    umschalten->setContext(Qt::WindowShortcut);
    connect(umschalten, &QShortcut::activated, this, [this] { setGross(!gross_); });
    hide();
}

void Zeichenleiste::setZeichen(const QStringList& klein)
{
    if (klein == klein_)
        return;
    klein_ = klein;
    aufbauen();
    anordnen(bereich_);
}

void Zeichenleiste::folgtAuf(QWidget* nach)
{
    nach_ = nach;
    // setTabOrder leaves a widget without focus where it is: every button is placed while
    // it takes the focus, then only the bar's one stop keeps it.
    const QList<QToolButton*> r = reihe();
    QList<Qt::FocusPolicy> vorher;
    for (QToolButton* k : r) {
        vorher.append(k->focusPolicy());
        k->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* davor = nach;
    for (QToolButton* k : r) {
        if (davor)
            setTabOrder(davor, k);
        davor = k;
    }
    for (qsizetype i = 0; i < r.size(); ++i)
        r[i]->setFocusPolicy(vorher[i]);
}

QString Zeichenleiste::zeichenText(int index, bool gross) const
{
    const QString& klein = klein_[index];
    if (!gross)
        return klein;
    // One character for one: "ΐ" would become three, "ᾳ" two letters.
    const QString g = klein.toUpper();
    return g.size() == klein.size() ? g : klein;
}

bool Zeichenleiste::zuSehen(int index) const
{
    if (!gross_)
        return true;
    // ς and σ share Σ: it is shown once.
    const QString g = zeichenText(index, true);
    for (int i = 0; i < index; ++i)
        if (zeichenText(i, true) == g)
            return false;
    return true;
}

void Zeichenleiste::aufbauen()
{
    qDeleteAll(alle_);
    alle_.clear();
    delete grossKnopf_;
    grossKnopf_ = nullptr;
    const auto knopf = [this](const QString& text) {
        auto* k = new QToolButton(this);
        k->setText(text);
        k->setFocusPolicy(Qt::NoFocus);
        k->installEventFilter(this);
        return k;
    };
    for (int i = 0; i < klein_.size(); ++i) {
        QToolButton* k = knopf(klein_[i]);
        connect(k, &QToolButton::clicked, this, [this, i] { setzen(i, std::exchange(umschalt_, false)); });
        alle_.append(k);
    }
    // A toggle only where some letter has a case.
    const bool mitFall = std::any_of(klein_.cbegin(), klein_.cend(), [](const QString& z) {
        const QString g = z.toUpper();
        return g.size() == z.size() && g != z;
    });
    if (mitFall) {
        grossKnopf_ = knopf(QStringLiteral("\u21E7"));
        grossKnopf_->setCheckable(true);
        grossKnopf_->setAccessibleName(QStringLiteral("Großbuchstaben"));
        grossKnopf_->setToolTip(QStringLiteral("Großbuchstaben (Alt+0)"));
        connect(grossKnopf_, &QToolButton::toggled, this, &Zeichenleiste::setGross);
    }
    gross_ = false;
    if (!reihe().isEmpty())
        reihe().first()->setFocusPolicy(Qt::TabFocus); // the bar is one stop for Tab
    if (nach_)
        folgtAuf(nach_);
}

void Zeichenleiste::setGross(bool gross)
{
    if (!grossKnopf_ || gross == gross_)
        return;
    gross_ = gross;
    grossKnopf_->setChecked(gross);
    anordnen(bereich_);
}

QList<QToolButton*> Zeichenleiste::knoepfe() const
{
    QList<QToolButton*> sichtbar;
    for (int i = 0; i < alle_.size(); ++i)
        if (zuSehen(i))
            sichtbar.append(alle_[i]);
    return sichtbar;
}

QList<QToolButton*> Zeichenleiste::reihe() const
{
    QList<QToolButton*> r = knoepfe();
    if (grossKnopf_)
        r.append(grossKnopf_);
    return r;
}

void Zeichenleiste::anordnen(const QRect& bereich)
{
    bereich_ = bereich;
    const QList<QToolButton*> r = reihe();
    if (r.isEmpty() || bereich.width() <= 0) {
        hide();
        emit angeordnet();
        return;
    }
    // Square buttons that fit the widest letter of either case.
    const QFontMetrics fm(font());
    int seite = fm.height() + 6;
    for (int i = 0; i < klein_.size(); ++i)
        seite = std::max({seite, fm.horizontalAdvance(klein_[i]) + 8,
                          fm.horizontalAdvance(zeichenText(i, true)) + 8});
    for (int i = 0; i < alle_.size(); ++i) {
        const bool zeigen = zuSehen(i);
        const QString text = zeichenText(i, gross_);
        alle_[i]->setText(text);
        alle_[i]->setAccessibleName(Einfuegen(text));
        alle_[i]->setVisible(zeigen);
        if (!zeigen && alle_[i]->focusPolicy() == Qt::TabFocus) {
            alle_[i]->setFocusPolicy(Qt::NoFocus); // the stop moves to a button on show
            r.first()->setFocusPolicy(Qt::TabFocus);
        }
    }
    const QList<QToolButton*> sichtbar = knoepfe();
    for (int n = 0; n < std::min<qsizetype>(9, sichtbar.size()); ++n)
        sichtbar[n]->setToolTip(QStringLiteral("%1 (Alt+%2)").arg(Einfuegen(sichtbar[n]->text())).arg(n + 1));
    for (qsizetype n = 9; n < sichtbar.size(); ++n)
        sichtbar[n]->setToolTip(Einfuegen(sichtbar[n]->text()));

    proReihe_ = std::max(1, (bereich.width() + Abstand) / (seite + Abstand));
    const int anzahl = int(r.size());
    const int reihen = (anzahl + proReihe_ - 1) / proReihe_;
    const int breite = std::min(anzahl, proReihe_) * (seite + Abstand) - Abstand;
    for (int n = 0; n < anzahl; ++n)
        r[n]->setGeometry((n % proReihe_) * (seite + Abstand), (n / proReihe_) * (seite + Abstand), seite, seite);
    setGeometry(bereich.x() + (bereich.width() - breite) / 2, bereich.y(), breite,
                reihen * (seite + Abstand) - Abstand);
    show();
    emit angeordnet();
}

void Zeichenleiste::einfuegen(int n, bool andererFall)
{
    const QList<QToolButton*> sichtbar = knoepfe();
    if (n >= 0 && n < sichtbar.size())
        setzen(int(alle_.indexOf(sichtbar[n])), andererFall);
}

void Zeichenleiste::setzen(int index, bool andererFall)
{
    QLineEdit* feld = ziel();
    if (index < 0 || index >= klein_.size() || !feld || !feld->isVisible() || !feld->isEnabled()
        || feld->isReadOnly())
        return;
    feld->insert(zeichenText(index, gross_ != andererFall));
    cursor_ = feld->cursorPosition();
    // From the keyboard in the bar it stays there for the next letter; otherwise the
    // box goes on taking what is typed.
    if (!isAncestorOf(QApplication::focusWidget()))
        feld->setFocus();
}

void Zeichenleiste::fokusWeiter(QToolButton* von, int schritt)
{
    const QList<QToolButton*> r = reihe();
    const int i = int(r.indexOf(von));
    const int j = std::clamp(i + schritt, 0, int(r.size()) - 1);
    if (i < 0 || j == i)
        return;
    von->setFocusPolicy(Qt::NoFocus);
    r[j]->setFocusPolicy(Qt::TabFocus);
    r[j]->setFocus(Qt::TabFocusReason);
}

bool Zeichenleiste::eventFilter(QObject* o, QEvent* e)
{
    auto* knopf = qobject_cast<QToolButton*>(o);
    if (!knopf)
        return QWidget::eventFilter(o, e);
    if (e->type() == QEvent::MouseButtonRelease)
        umschalt_ = static_cast<QMouseEvent*>(e)->modifiers() & Qt::ShiftModifier;
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(o, e);
    auto* taste = static_cast<QKeyEvent*>(e);
    const int letzte = int(reihe().size());
    switch (taste->key()) {
    case Qt::Key_Left: fokusWeiter(knopf, -1); return true;
    case Qt::Key_Right: fokusWeiter(knopf, 1); return true;
    case Qt::Key_Up: fokusWeiter(knopf, -proReihe_); return true;
    case Qt::Key_Down: fokusWeiter(knopf, proReihe_); return true;
    case Qt::Key_Home: fokusWeiter(knopf, -letzte); return true;
    case Qt::Key_End: fokusWeiter(knopf, letzte); return true;
    case Qt::Key_Space: umschalt_ = taste->modifiers() & Qt::ShiftModifier; break;
    default: break;
    }
    return QWidget::eventFilter(o, e);
}

Zeichenleiste* ZeichenleisteAnlegen(QWidget* parent, QList<QLineEdit*> felder, const QStringList& zeichen,
                                    const QRect& bereich, QWidget* nach)
{
    auto* leiste = new Zeichenleiste(parent, std::move(felder));
    leiste->setZeichen(zeichen);
    leiste->anordnen(bereich);
    leiste->folgtAuf(nach);
    return leiste;
}

} // namespace lerno
