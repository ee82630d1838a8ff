#include "entry/frmVokEingabe.h"

#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/Zeichenleiste.h"
#include "ui/modBackground.h"
#include "entry/VokabelSpeichern.h"
#include "lists/Listendateien.h"
#include "lists/Dateizugriff.h"
#include "lists/Paarpruefung.h"
#include "lists/Listensprache.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lerno {

namespace {

constexpr int Breite = 10140;
constexpr int Hoehe = 6630;

} // namespace

QString frmVokEingabe::FuellMeldung()
{
    return QStringLiteral(
        "Du musst beide Eingabefelder füllen, damit sie gespeichert werden können !!!");
}

frmVokEingabe::frmVokEingabe(const QString& liste, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinMaxButtonsHint),
      liste_(liste)
{
    setWindowTitle(QStringLiteral("Vokabeln eingeben"));
    setWindowIcon(Fenstersymbol());
    resize(Px(Breite), Px(Hoehe));
    setMinimumSize(Px(Breite), Px(Hoehe));
    setMouseTracking(true);

    imgbackground = new PictureControl(this);
    connect(imgbackground, &PictureControl::mausBewegt, this, &frmVokEingabe::Form_MouseMove);

    lblVokabel = GelbeBeschriftung(QStringLiteral("Vokabel"), this, MsSansSerif(12));
    lblVokabel->move(Px(4200), Px(960));
    lblVokabel->adjustSize();
    txtVokabel = new QLineEdit(this);
    txtVokabel->setFont(TimesNewRoman(14.25, true));
    txtVokabel->setGeometry(TwRect(840, 1320, 8535, 495));
    txtVokabel->installEventFilter(this);

    lblBedeutung = GelbeBeschriftung(QStringLiteral("Bedeutung"), this, MsSansSerif(12));
    lblBedeutung->move(Px(4080), Px(2400));
    lblBedeutung->adjustSize();
    txtBedeutung = new QLineEdit(this);
    txtBedeutung->setFont(TimesNewRoman(14.25, true));
    txtBedeutung->setGeometry(TwRect(840, 2760, 8535, 495));
    setTabOrder(txtVokabel, txtBedeutung);

    lblMeldung = GelbeBeschriftung(FuellMeldung(), this, MsSansSerif(12, true));
    lblMeldung->setGeometry(TwRect(3105, 3600, 4125, 900));
    lblMeldung->setAlignment(Qt::AlignCenter);
    lblMeldung->setWordWrap(true);
    lblMeldung->hide();

    // Between "Ende" and "ok": it covers neither a box nor a message.
    lblGespeichert = GelbeBeschriftung(QString(), this, MsSansSerif(12, true));
    lblGespeichert->setGeometry(TwRect(3300, 5160, 4260, 300));
    lblGespeichert->setAlignment(Qt::AlignCenter);
    // Light green, not the buttons' yellow: a sign, nothing to click.
    QPalette gruen = lblGespeichert->palette();
    gruen.setColor(QPalette::WindowText, QColor(150, 240, 150));
    lblGespeichert->setPalette(gruen);
    lblGespeichert->setAccessibleDescription(QStringLiteral("Speicherhinweis"));
    lblGespeichert->hide();
    TimerGespeichert.setSingleShot(true);
    TimerGespeichert.setInterval(2500);
    connect(&TimerGespeichert, &QTimer::timeout, lblGespeichert, &QLabel::hide);

    lblok = new LabelButton(QStringLiteral("ok"), this, 7680, 5160, 1395, 300);
    lblEnde = new LabelButton(QStringLiteral("Ende"), this, 1800, 5160, 1395, 300);
    connect(lblok, &LabelButton::clicked, this, &frmVokEingabe::cmdok_Click);
    connect(lblEnde, &LabelButton::clicked, this, &frmVokEingabe::cmdEnde_Click);
    for (LabelButton* l : {lblok, lblEnde})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
    // Read top to bottom, left to right; the captions above name the boxes.
    Tabfolge({txtVokabel, txtBedeutung, lblEnde, lblok});
    lblVokabel->setBuddy(txtVokabel);
    lblBedeutung->setBuddy(txtBedeutung);
    // The letters of the list's language under the boxes; the message keeps clear of them.
    leiste = ZeichenleisteAnlegen(this, {txtVokabel, txtBedeutung}, ListenZeichen(liste_), TwRect(600, 3330, 8940, 750), txtBedeutung);
    const auto platz = [this] { lblMeldung->move(lblMeldung->x(), std::max(Px(3600), leiste->isHidden() ? 0 : leiste->geometry().bottom() + Px(45))); };
    connect(leiste, &Zeichenleiste::angeordnet, this, platz);
    platz();

    // Push buttons beyond the designed width: Enter saves, as "ok" does.
    cmdok = KnopfAusserhalb(QStringLiteral("ok"), this, 10920, 5160, true);
    connect(cmdok, &QPushButton::clicked, this, &frmVokEingabe::cmdok_Click);
    cmdEnde = KnopfAusserhalb(QStringLiteral("Ende"), this, 11280, 5160, false);
    connect(cmdEnde, &QPushButton::clicked, this, &frmVokEingabe::cmdEnde_Click);

    // Ticks every 3 s from the start and is never restarted: a message stays up to 3 s.
    TimerMeldung.setInterval(3000);
    connect(&TimerMeldung, &QTimer::timeout, this, &frmVokEingabe::TimerMeldung_Timer);
    TimerMeldung.start();

    Form_Load();
}

void frmVokEingabe::Form_Load()
{
    imgbackground->laden(modBackground::Hintergrund1Pfad);
    Form_Resize();
    Module1::SoundAbspielen(Module1::Klang::Wusch);
    // Said once, before anything is typed that could not be kept.
    if (ListeSchreibgeschuetzt(liste_)) {
        schreibgeschuetzt_ = true;
        MeldungZeigen(parentWidget(), SchreibschutzText(liste_), QStringLiteral("Dateifehler"));
        return;
    }
    // The list and its stage siblings exist from now on; existing ones stay untouched.
    if (const DateiErgebnis e = ListeAnlegen(liste_); !e)
        MeldungZeigen(this, QStringLiteral("Die Liste \u201E%1\u201C kann nicht angelegt werden. %2")
                                .arg(ListenName(liste_), FehlerUrsache(liste_, e)),
                      QStringLiteral("Dateifehler"));
}

int frmVokEingabe::exec()
{
    return schreibgeschuetzt_ ? QDialog::Rejected : QDialog::exec();
}

void frmVokEingabe::Form_Resize()
{
    // Designed 120 twips above the window's top, reaching beyond the client area.
    imgbackground->setGeometry(0, Px(-120), width(), height() + Px(120));
    imgbackground->lower();
}

void frmVokEingabe::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Form_Resize();
}

bool frmVokEingabe::event(QEvent* e)
{
    // The word box gets the focus whenever the window comes (back) to the front. Not on
    // every repaint: a hovered label repaints the window under the meaning box.
    if (e->type() == QEvent::Show || e->type() == QEvent::WindowActivate)
        txtVokabel->setFocus();
    return QDialog::event(e);
}

bool frmVokEingabe::eventFilter(QObject* o, QEvent* e)
{
    // Enter in the word box goes on to the meaning box; only there does it save.
    if (o == txtVokabel && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            txtBedeutung->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void frmVokEingabe::keyPressEvent(QKeyEvent* e)
{
    // Escape is no cancel here: there is nothing to cancel, "Ende" closes.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmVokEingabe::meldungZeigen(const QString& text)
{
    lblGespeichert->hide(); // the last save is no longer the news
    lblMeldung->setText(text);
    lblMeldung->show();
}

void frmVokEingabe::gespeichertZeigen()
{
    const auto paare = PaareZaehlen(liste_);
    lblGespeichert->setText(!paare       ? QStringLiteral("gespeichert")
                            : *paare == 1 ? QStringLiteral("gespeichert (1 Vokabel)")
                                          : QStringLiteral("gespeichert (%1 Vokabeln)").arg(*paare));
    lblMeldung->hide(); // a refusal before is settled now
    lblGespeichert->show();
    TimerGespeichert.start();
}

void frmVokEingabe::cmdok_Click()
{
    if (schreibgeschuetzt_)
        return; // reported once when the list was chosen

    const QString vokabel = txtVokabel->text();
    const QString bedeutung = txtBedeutung->text();
    PaarUrteil urteil;
    DateiErgebnis fehler;
    switch (VokabelSpeichern(liste_, vokabel, bedeutung, &urteil, &fehler)) {
    case SpeicherErgebnis::Gespeichert:
        txtVokabel->clear();
        txtBedeutung->clear();
        gespeichertZeigen();
        leiste->setZeichen(ListenZeichen(liste_)); // the pair may have given the list its language
        break;
    // A refusal keeps the typed texts so the pupil can correct them.
    case SpeicherErgebnis::Leer:
        meldungZeigen(FuellMeldung());
        if (!vokabel.isEmpty()) {
            txtBedeutung->setFocus();
            return;
        }
        break;
    case SpeicherErgebnis::EnthaeltRaute:
    case SpeicherErgebnis::Zeilenumbruch:
    case SpeicherErgebnis::Steuerzeichen:
    case SpeicherErgebnis::Unspeicherbar:
        meldungZeigen(PaarMeldung(urteil) + QStringLiteral(" !!!"));
        return;
    case SpeicherErgebnis::Dateifehler:
        // Nothing was written; the pair stays in the boxes for another try.
        MeldungZeigen(this, QStringLiteral("Die Vokabel wurde nicht gespeichert. %1").arg(FehlerUrsache(liste_, fehler)),
                      QStringLiteral("Dateifehler"));
        break;
    }
    txtVokabel->setFocus();
}

void frmVokEingabe::cmdEnde_Click()
{
    Module1::SoundAbspielen(Module1::Klang::Tusch);
    accept();
}

void frmVokEingabe::TimerMeldung_Timer()
{
    if (lblMeldung->isVisible())
        lblMeldung->hide();
}

void frmVokEingabe::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void frmVokEingabe::Form_MouseMove()
{
    for (LabelButton* l : {lblok, lblEnde})
        l->zuruecksetzenWennFett();
}

void frmVokEingabe::labelMausBewegt(LabelButton* l)
{
    // No re-arm flag here: both labels may be enlarged at once.
    if (!l->istFett())
        l->vergroessern();
}

} // namespace lerno
