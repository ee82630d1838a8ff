#include "practice/UebenTeile.h"

#include "ui/LabelButton.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"
#include "ui/Zeichenleiste.h"
#include "ui/modAussprache.h"
#include "lists/Listensprache.h"

#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextDocument>

namespace lerno {

QLineEdit* Textfeld(QWidget* parent, QRect lage)
{
    auto* t = new QLineEdit(parent);
    t->setFont(TimesNewRoman(14.25, true));
    t->setGeometry(lage);
    return t;
}

QLineEdit* Loesungsfeld(QWidget* parent, QRect lage)
{
    auto* t = Textfeld(parent, lage);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    QPalette p = t->palette();
    p.setColor(QPalette::Text, Qt::red);
    t->setPalette(p);
    return t;
}

Zeichenleiste* UebenZeichenleiste(QWidget* flaeche, QLineEdit* antwort, const QString& liste)
{
    return ZeichenleisteAnlegen(flaeche, {antwort}, ListenZeichen(liste), TwRect(300, 2640, 7770, 900), antwort);
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

QLabel* Rueckmeldung(const QString& text, QWidget* parent, QRect lage)
{
    auto* l = Rueckmeldung(text, parent, lage.topLeft());
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->resize(lage.size());
    return l;
}

QLabel* MarkierteLoesung(QWidget* parent, QRect lage)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::RichText);
    l->setFont(TimesNewRoman(14.25, true));
    l->setGeometry(lage);
    l->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; border: 1px solid #7a7a7a;"
                                    " padding: 0px 2px; }"));
    l->setIndent(0); // the plain solution's text starts there too
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->hide();
    return l;
}

void LoesungMarkieren(QLabel* box, const QString& soll, const QList<Abweichung::Unterschied>& unterschiede)
{
    // Blanks as no-break spaces: rich text would fold a doubled blank into one.
    const auto text = [](const QString& s) {
        return s.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    };
    const QString markiert = QStringLiteral("<span style=\"color:#c00000; background-color:#ffe680;"
                                            " text-decoration:underline;\">%1</span>");
    const QString zuviel = QStringLiteral("<span style=\"color:#c00000; text-decoration:line-through;\">%1</span>");
    QString html;
    qsizetype bis = 0;
    for (const Abweichung::Unterschied& u : unterschiede) {
        html += text(soll.mid(bis, u.von - bis));
        if (u.laenge > 0)
            html += markiert.arg(text(soll.mid(u.von, u.laenge)));
        if (!u.zuviel.isEmpty())
            html += zuviel.arg(text(u.zuviel));
        bis = u.von + u.laenge;
    }
    html += text(soll.mid(bis));

    // A long solution gets a smaller font rather than being cut off at the box's edge.
    QFont schrift = TimesNewRoman(14.25, true);
    QTextDocument probe;
    probe.setDocumentMargin(0);
    probe.setHtml(html);
    const int platz = box->contentsRect().width() - 8;
    while (schrift.pointSizeF() > 8) {
        probe.setDefaultFont(schrift);
        if (probe.idealWidth() <= platz)
            break;
        schrift.setPointSizeF(schrift.pointSizeF() - 1);
    }
    box->setFont(schrift);
    box->setText(html);
    box->setAccessibleName(QString::fromUtf8("Lösung: ") + soll);
    box->setAccessibleDescription(Abweichung::Beschreibung(soll, unterschiede));
}

VokabelAnhoeren::VokabelAnhoeren(QWidget* fenster, QWidget* flaeche, const QString& sprachcode)
    : QObject(fenster), code_(sprachcode)
{
    knopf = new LabelButton(QStringLiteral("Anhören"), flaeche, 8040, 1200, 1800, 300);
    knopf->setToolTip(QStringLiteral("Das Wort hören (F5)"));
    // Disabled reads as dimmed, not as the same yellow.
    QPalette p = knopf->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 110));
    knopf->setPalette(p);
    knopf->setEnabled(false);
    connect(knopf, &LabelButton::clicked, this, &VokabelAnhoeren::Anhoeren);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), fenster);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &VokabelAnhoeren::Anhoeren);

    // Above the question box, where nothing else is.
    hinweis = GelbeBeschriftung(
        QStringLiteral("Diese Liste hat noch keine Sprache.\n"
                       "Im Startfenster einstellen: Optionen → Sprache einer Liste …"),
        flaeche, MsSansSerif(12, false));
    hinweis->setWordWrap(true);
    hinweis->setGeometry(TwRect(600, 240, 9300, 780));
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setAccessibleDescription(QStringLiteral("Hinweis"));
    hinweis->hide();
}

void VokabelAnhoeren::Wort(const QString& wort, const QString& sprachcode)
{
    wort_ = wort;
    code_ = sprachcode;
    knopf->setEnabled(!wort.isEmpty());
}

void VokabelAnhoeren::Sagen() { modAussprache::Aussprechen(wort_, code_); }

void VokabelAnhoeren::Anhoeren()
{
    if (wort_.isEmpty())
        return;
    if (code_.isEmpty() && modAussprache::Ausspracheok)
        hinweis->show();
    Sagen();
}

} // namespace lerno
