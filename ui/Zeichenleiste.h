#pragma once
// The character bar ("Sonderzeichen"): one button per letter of the list's language that a
// German keyboard lacks, under the boxes it types into. A letter goes in at the cursor of
// the box that had the focus last. Upper case: the toggle "⇧" at its end (Alt+0), or a
// click with Shift held for the other case of one letter. Alt+1 … Alt+9 type the first
// nine letters; Tab reaches the bar as one stop, the arrow keys, Home and End move along
// it and Space types the letter. Every button is named for screen readers ("é einfügen").
// Without letters (German, English, no language) the bar is hidden. Typing with the
// system's own keyboard layouts is left alone.
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class QToolButton;

namespace lerno {

class Zeichenleiste : public QWidget {
    Q_OBJECT
public:
    // felder: the boxes it types into; the first counts as last focused until one was.
    Zeichenleiste(QWidget* parent, QList<QLineEdit*> felder);

    // The letters, lower case, one each; their upper case is QString::toUpper's where that
    // is one other character (ı gives I, ς none of its own). None hides the bar.
    void setZeichen(const QStringList& klein);
    QStringList zeichen() const { return klein_; }

    // Lays the buttons out in rows within bereich's width, centred, from its top; the bar
    // is as high as its rows. Done again whenever the letters change.
    void anordnen(const QRect& bereich);

    bool gross() const { return gross_; }
    void setGross(bool gross);

    // Types the n-th letter on show (from 0) into the box that had the focus last, in
    // the case shown, or the other case with andererFall. Nothing when that box is
    // hidden, disabled or read-only.
    void einfuegen(int n, bool andererFall = false);

    // Tab reaches the bar right after nach (kept when the letters change).
    void folgtAuf(QWidget* nach);

    // The box a letter goes into now.
    QLineEdit* ziel() const { return qobject_cast<QLineEdit*>(ziel_.data()); }
    // The letter buttons on show, in order, and the case toggle.
    QList<QToolButton*> knoepfe() const;
    QToolButton* grossKnopf() const { return grossKnopf_; }

signals:
    // Letters or layout changed: the window may move what lies below.
    void angeordnet();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aufbauen();
    void setzen(int index, bool andererFall);
    void fokusWeiter(QToolButton* von, int schritt);
    QString zeichenText(int index, bool gross) const;
    bool zuSehen(int index) const;
    QList<QToolButton*> reihe() const; // the buttons on show and the toggle, for the keys

    QList<QLineEdit*> felder_;
    // A QWidget pointer: focus changes still arrive while a box is being destroyed, when
    // it is no QLineEdit any more.
    QPointer<QWidget> ziel_;
    QPointer<QWidget> nach_;
    QStringList klein_;
    QList<QToolButton*> alle_; // one per letter, shown or not in the current case
    QToolButton* grossKnopf_ = nullptr;
    QRect bereich_;
    int proReihe_ = 1;
    int cursor_ = 0; // where the next letter goes in ziel_ while the focus is in the bar
    bool gross_ = false;
    bool umschalt_ = false; // the click or key that presses a button came with Shift
};

// The bar of a window, in one call: made for felder with the letters, laid out in
// bereich, and reached by Tab right after `nach`.
Zeichenleiste* ZeichenleisteAnlegen(QWidget* parent, QList<QLineEdit*> felder, const QStringList& zeichen,
                                    const QRect& bereich, QWidget* nach);

} // namespace lerno
