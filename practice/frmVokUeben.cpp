#include "practice/frmVokUeben.h"

#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/Zeichenleiste.h"
#include "ui/modAussprache.h"
#include "ui/modBackground.h"
#include "practice/UebenTeile.h"
#include "lists/Einstellungen.h"
#include "lists/Listensprache.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace lerno {

namespace {

constexpr int Breite = 10500, Hoehe = 6660;

} // namespace

frmVokUeben::frmVokUeben(Uebung&& sitzung, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinMaxButtonsHint),
      sitzung_(std::move(sitzung))
{
    setWindowTitle(QStringLiteral("Vokabeln üben"));
    setWindowIcon(Fenstersymbol());
    modAussprache::AusspracheVorbereiten(); // a window that speaks: the voice connects now

    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    menue = new QMenuBar(this);
    aufbau->setMenuBar(menue);
    flaeche = new QWidget(this);
    flaeche->setMinimumSize(Px(Breite), Px(Hoehe));
    flaeche->setMouseTracking(true);
    aufbau->addWidget(flaeche);

    mnuVorgabe = menue->addMenu(QStringLiteral("&Vorgabe"));
    mnuFremd = mnuVorgabe->addAction(QStringLiteral("Fremdsprache"));
    mnuDeutsch = mnuVorgabe->addAction(QStringLiteral("Landessprache"));
    mnumisch = mnuVorgabe->addAction(QStringLiteral("Durcheinander"));
    for (QAction* a : {mnuFremd, mnuDeutsch, mnumisch})
        a->setCheckable(true);
    mnuFremd->setChecked(true);
    connect(mnuFremd, &QAction::triggered, this, [this] { richtungWaehlen(mnuFremd, 2); });
    connect(mnuDeutsch, &QAction::triggered, this, [this] { richtungWaehlen(mnuDeutsch, 1); });
    connect(mnumisch, &QAction::triggered, this, [this] { richtungWaehlen(mnumisch, 3); });

    ImgBackground = new PictureControl(flaeche);
    connect(ImgBackground, &PictureControl::mausBewegt, this, &frmVokUeben::ImgBackground_MouseMove);

    txtVokabel = Textfeld(flaeche, TwRect(2400, 1080, 5415, 615));
    GrauUndGesperrt(txtVokabel);
    TxtVok2 = Textfeld(flaeche, txtVokabel->geometry());
    GrauUndGesperrt(TxtVok2);
    txtBedeutung = Textfeld(flaeche, TwRect(2400, 1920, 5415, 650));
    TxtLoesung = Loesungsfeld(flaeche, txtBedeutung->geometry());
    lblLoesungMarkiert = MarkierteLoesung(flaeche, txtBedeutung->geometry());
    txthelp = Textfeld(flaeche, TwRect(2400, 3600, 5415, 615));
    GrauUndGesperrt(txthelp);
    txthelp->hide();

    lblRichtig = Rueckmeldung(QStringLiteral("Bravo"), flaeche, QPoint(Px(8280), Px(2280)));
    lblFalsch = Rueckmeldung(QStringLiteral("Noch ein bisschen üben"), flaeche, QPoint(Px(8145), Px(2520)));
    lblFalsch->setWordWrap(true);
    lblFalsch->setGeometry(TwRect(8145, 2520, 2055, 600));
    // Room below for a reason of several words; the window's right edge is at 10500.
    lblFastRichtig = Rueckmeldung(QString(), flaeche, TwRect(8145, 2520, 2280, 1500));
    lblGrund = Rueckmeldung(QString(), flaeche, TwRect(8145, 3300, 2280, 1200));

    lblHelp = new LabelButton(QStringLiteral("?"), flaeche, 4800, 4800, 975, 975, 36);
    lblHelp->setToolTip(QStringLiteral("klick here for help"));
    lblok = new LabelButton(QStringLiteral("ok"), flaeche, 7200, 5160, 1395, 300);
    lblEnde = new LabelButton(QStringLiteral("Ende"), flaeche, 2040, 5160, 1395, 300);
    connect(lblHelp, &LabelButton::clicked, this, &frmVokUeben::lblHelp_Click);
    connect(lblok, &LabelButton::clicked, this, &frmVokUeben::cmdok_Click);
    connect(lblEnde, &LabelButton::clicked, this, &frmVokUeben::cmdEnde_Click);
    connect(lblHelp, &LabelButton::mausBewegt, this, [this] { labelMausBewegt(lblHelp, 48); });
    connect(lblok, &LabelButton::mausBewegt, this, [this] { labelMausBewegt(lblok, 14); });
    connect(lblEnde, &LabelButton::mausBewegt, this, [this] { labelMausBewegt(lblEnde, 14); });
    // Beside the question box, clear of the feedback below it.
    anhoeren_ = new VokabelAnhoeren(this, flaeche, sitzung_.Sprachcode());
    lblAnhoeren = anhoeren_->knopf;
    lblSprache = anhoeren_->hinweis;
    connect(lblAnhoeren, &LabelButton::mausBewegt, this, [this] { labelMausBewegt(lblAnhoeren, 14); });
    // The answer box, then the row below it from left to right; the boxes and the
    // feedback carry names a screen reader can read out.
    Tabfolge({txtBedeutung, lblEnde, lblHelp, lblok, lblAnhoeren});
    leiste = UebenZeichenleiste(flaeche, txtBedeutung, sitzung_.Liste());
    txtVokabel->setAccessibleName(QStringLiteral("Frage"));
    TxtVok2->setAccessibleName(QStringLiteral("Frage"));
    txtBedeutung->setAccessibleName(QStringLiteral("Antwort"));
    TxtLoesung->setAccessibleName(QString::fromUtf8("Lösung"));
    txthelp->setAccessibleName(QStringLiteral("Hilfe"));
    lblRichtig->setAccessibleDescription(QStringLiteral("Ergebnis"));
    lblFalsch->setAccessibleDescription(QStringLiteral("Ergebnis"));
    lblFastRichtig->setAccessibleDescription(QStringLiteral("Ergebnis"));
    lblGrund->setAccessibleDescription(QStringLiteral("Grund"));

    // Push buttons outside the client area: Enter checks the answer.
    cmdok = KnopfAusserhalb(QStringLiteral("ok"), flaeche, 12000, 5160, true);
    connect(cmdok, &QPushButton::clicked, this, &frmVokUeben::cmdok_Click);
    cmdEnde = KnopfAusserhalb(QStringLiteral("Ende"), flaeche, 12600, 5160, false);
    cmdEnde->hide();
    connect(cmdEnde, &QPushButton::clicked, this, &frmVokUeben::cmdEnde_Click);

    Timerueben.setInterval(1500);
    connect(&Timerueben, &QTimer::timeout, this, &frmVokUeben::Timerueben_Timer);
    Timerueben.start();

    resize(Px(Breite), Px(Hoehe) + menue->sizeHint().height());
    Form_Load();
}

void frmVokUeben::Form_Load()
{
    ImgBackground->laden(modBackground::Hintergrund1Pfad);
    TxtLoesung->hide();
    TxtVok2->hide();
    Form_Resize();
    Module1::SoundAbspielen(Module1::Klang::Aus);
    Testart = 2;
}

void frmVokUeben::Form_Resize()
{
    ImgBackground->setGeometry(0, 0, std::max(width(), flaeche->width()),
                               std::max(height(), flaeche->height()));
    ImgBackground->lower();
}

void frmVokUeben::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Form_Resize();
}

void frmVokUeben::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // The first question is picked once, when the window first comes up; later
    // activations (after a message box, say) must not skip the question on screen.
    if (erstesZeigen_) {
        erstesZeigen_ = false;
        Form_Activate();
    }
}

void frmVokUeben::Form_Activate()
{
    Form_Resize();
    NaechsteVokabel();
}

void frmVokUeben::keyPressEvent(QKeyEvent* e)
{
    // Escape would close without recording the results; only "Ende" leaves.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmVokUeben::NaechsteVokabel()
{
    // Without a new question the one on screen stays.
    if (sitzung_.NaechsteFrage(Testart)) {
        const Uebung::Frage& frage = sitzung_.Aktuell();
        if (Testart == 3)
            gemisch = frage.gemisch;
        txtVokabel->setText(frage.Anzeige);
        Vok = frage.Vok;
        if (sitzung_.Liste().isEmpty()) // "Heute üben": the letters of this word's list
            leiste->setZeichen(ListenZeichen(sitzung_.ListeDerFrage()));
    }
    AnhoerwortSetzen();
    txtBedeutung->setFocus();
    // "Heute üben" ends once every word was right, after this answer's feedback.
    if (sitzung_.Geschafft())
        QMetaObject::invokeMethod(this, [this] {
            MeldungZeigen(this, HeuteGeschafftText, windowTitle());
            cmdEnde_Click();
        }, Qt::QueuedConnection);
    const QString meldung = sitzung_.MeldungAbholen();
    if (!meldung.isEmpty())
        MeldungZeigen(this, meldung, QStringLiteral("Lesefehler der Datei"));
}

void frmVokUeben::cmdok_Click()
{
    txthelp->hide();
    const Uebung::Auswertung a = sitzung_.Antworten(
        txtBedeutung->text(), Einstellungen::Lauf().Schalter(Einstellungen::GrosszuegigPruefen));
    if (a.Gefragt.Zeile == 0) {
        // No question could be asked: nothing to judge.
        NaechsteVokabel();
        txtBedeutung->clear();
        return;
    }
    if (a.Richtig) {
        lblRichtig->show();
        Module1::SoundAbspielen(Module1::Klang::Richtig);
    } else if (a.Ergebnis.urteil == Antwortpruefung::Urteil::FastRichtig) {
        FastRichtigZeigen(a);
        Module1::SoundAbspielen(Module1::Klang::Richtig);
    } else {
        // The previous answer's feedback gives way; only a lenient check gives a reason.
        lblFastRichtig->hide();
        lblLoesungMarkiert->hide();
        lblGrund->setText(a.Ergebnis.grund);
        lblGrund->setVisible(!a.Ergebnis.grund.isEmpty());
        lblFalsch->show();
        LoesungZeigen(a.Gefragt.Sollantwort, a.Gefragt.Anzeige);
        Module1::SoundAbspielen(Module1::Klang::Falsch);
    }
    NaechsteVokabel();
    txtBedeutung->clear();
    // The foreign word on the screen now: a missed pair's under its solution, or the
    // next question's when it shows one.
    anhoeren_->Sagen();
    // The review goes to the disk once the feedback is on screen: the pupil never waits for it.
    QTimer::singleShot(VermerkPause, this, [this] { sitzung_.VermerkeSchreiben(); });
}

void frmVokUeben::FastRichtigZeigen(const Uebung::Auswertung& a)
{
    lblFalsch->hide();
    lblGrund->hide();
    lblFastRichtig->setText(QString::fromUtf8("Fast richtig – ") + a.Ergebnis.grund);
    lblFastRichtig->show();
    LoesungZeigen(a.Gefragt.Sollantwort, a.Gefragt.Anzeige);
    // The marked solution lies over the plain one.
    LoesungMarkieren(lblLoesungMarkiert, a.Gefragt.Sollantwort, a.Unterschiede);
    TxtLoesung->hide();
    lblLoesungMarkiert->show();
    lblLoesungMarkiert->raise();
    nochEinTakt_ = true;
}

void frmVokUeben::AnhoerwortSetzen()
{
    anhoeren_->Wort(sitzung_.Anhoerwort(!TxtVok2->isHidden()), sitzung_.Sprachcode(!TxtVok2->isHidden()));
}

void frmVokUeben::LoesungZeigen(const QString& sollantwort, const QString& frage)
{
    // Stopping and starting again restarts the interval: the overlays stay a full 1.5 s.
    Timerueben.stop();
    nochEinTakt_ = false;
    TxtLoesung->show();
    TxtVok2->show();
    TxtLoesung->setText(sollantwort);
    TxtVok2->setText(frage);
    AnhoerwortSetzen();
    Timerueben.start();
}

void frmVokUeben::Timerueben_Timer()
{
    if (lblRichtig->isVisible())
        lblRichtig->hide();
    if (std::exchange(nochEinTakt_, false))
        return;
    if (lblFalsch->isVisible() || lblFastRichtig->isVisible()) {
        for (QWidget* w : std::initializer_list<QWidget*>{lblFalsch, lblFastRichtig, lblGrund, TxtLoesung,
                                                         lblLoesungMarkiert, TxtVok2})
            w->hide();
        AnhoerwortSetzen();
    }
}

void frmVokUeben::lblHelp_Click()
{
    Helptxt = Sollantwort();
    txthelp->setText(sitzung_.Hilfe());
    txthelp->show();
}

void frmVokUeben::richtungWaehlen(QAction* punkt, qint16 testart)
{
    for (QAction* a : {mnuFremd, mnuDeutsch, mnumisch})
        a->setChecked(a == punkt);
    Testart = testart;
    NaechsteVokabel();
}

void frmVokUeben::ErgebnisSichern()
{
    // One report for the whole save, naming its cause; the lists changed all or not at all.
    const QString meldung = SichernMeldung(sitzung_.Beenden());
    if (!meldung.isEmpty())
        MeldungZeigen(this, meldung, QStringLiteral("Dateifehler"));
}

void frmVokUeben::cmdEnde_Click()
{
    ErgebnisSichern();
    Module1::SoundAbspielen(Module1::Klang::Tusch);
    accept();
}

void frmVokUeben::ImgBackground_MouseMove()
{
    Hoverok = true;
    if (txthelp->isVisible())
        txthelp->hide();
    lblok->zuruecksetzenWennFett(12);
    lblEnde->zuruecksetzenWennFett(12);
    lblAnhoeren->zuruecksetzenWennFett(12);
    lblHelp->zuruecksetzenWennFett(36);
}

void frmVokUeben::labelMausBewegt(LabelButton* l, double punkt)
{
    HoverLabel(l, Hoverok, false, punkt);
}

} // namespace lerno
