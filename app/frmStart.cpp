#include "app/frmStart.h"

#include "ui/LabelButton.h"
#include "ui/Module1.h"
#include "ui/modAussprache.h"
#include "lists/dlgListensprache.h"
#include "ui/PictureControl.h"
#include "ui/Twips.h"
#include "ui/Symbole.h"
#include "app/frmIntro.h"
#include "app/Heutezeile.h"
#include "ui/modBackground.h"
#include "app/modmkdir.h"
#include "app/modOptionen.h"
#include "editor/modBearbeiten.h"
#include "entry/modEingabe.h"
#include "lists/moddelfile.h"
#include "practice/modvokueb.h"
#include "lernstand/modLernstand.h"
#include "transfer/modtransfer.h"
#include "vocabtest/modVokTest.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>

namespace lerno {

frmStart::frmStart()
{
    setWindowTitle(QStringLiteral("Lerno language"));
    setWindowIcon(Fenstersymbol());
    auto* flaeche = new QWidget(this);
    flaeche->setMouseTracking(true);
    setCentralWidget(flaeche);
    setMouseTracking(true);
    // The designed size, or less on a screen too small for it (a high scale): the labels
    // then move closer together (Form_Resize). A window manager still maximizes it.
    QSize groesse(Px(12315), Px(8475) + menuBar()->sizeHint().height());
    if (const QScreen* s = screen())
        groesse = groesse.boundedTo(s->availableGeometry().size() - QSize(Px(240), Px(600)));
    resize(groesse);

    ImgBackground = new PictureControl(flaeche);
    connect(ImgBackground, &PictureControl::mausBewegt, this, &frmStart::LabelsZuruecksetzen);
    // Audio is prepared only once the window is on screen: it never delays the first paint.
    connect(ImgBackground, &PictureControl::gezeichnet, this, &Module1::SoundsVorbereiten,
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    // The voice connects only when a window that can speak opens (practice, editor).

    lblEingabe = new LabelButton(QStringLiteral("Vokabeln eingeben"), flaeche, 360, 840, 3165, 300);
    lblUeben1 = new LabelButton(QStringLiteral("Vokabeln üben 1"), flaeche, 960, 1920, 2775, 300);
    lblUeben2 = new LabelButton(QStringLiteral("Vokabeln üben 2"), flaeche, 1200, 3120, 2655, 300);
    lblUeben3 = new LabelButton(QStringLiteral("Vokabeln üben 3"), flaeche, 2040, 4200, 2595, 300);
    lblLoeschen = new LabelButton(QStringLiteral("Vokabeln löschen"), flaeche, 2880, 5280, 2625, 300);
    lblBearbeiten = new LabelButton(QStringLiteral("Vokabeln bearbeiten"), flaeche, 3960, 6240, 2835, 300);
    lblTest = new LabelButton(QStringLiteral("Vokabeltest"), flaeche, 5520, 7080, 2595, 300);
    lblEnde = new LabelButton(QStringLiteral("Programm beenden"), flaeche, 7440, 7800, 2895, 300);
    // Right of the staircase's top step, where no other label is.
    lblHeute = new LabelButton(QString(), flaeche, 4200, 840, 7800, 300);
    for (size_t i = 0; i < entwurf_.size(); ++i) {
        LabelButton* l = labels()[i];
        entwurf_[i] = l->entwurf();
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
    }
    heuteEntwurf_ = lblHeute->entwurf();
    connect(lblHeute, &LabelButton::mausBewegt, this, [this] { labelMausBewegt(lblHeute); });
    connect(lblHeute, &LabelButton::clicked, this, [this] { modvokueb::HeuteUeben(this); });
    heutezeile = new Heutezeile(this, lblHeute, ImgBackground);

    connect(lblEingabe, &LabelButton::clicked, this, &frmStart::lblEingabe_Click);
    connect(lblUeben1, &LabelButton::clicked, this, [this] { lblUeben_Click(1); });
    connect(lblUeben2, &LabelButton::clicked, this, [this] { lblUeben_Click(2); });
    connect(lblUeben3, &LabelButton::clicked, this, [this] { lblUeben_Click(3); });
    connect(lblLoeschen, &LabelButton::clicked, this, &frmStart::lblLoeschen_Click);
    connect(lblBearbeiten, &LabelButton::clicked, this, &frmStart::lblBearbeiten_Click);
    connect(lblTest, &LabelButton::clicked, this, &frmStart::lblTest_Click);
    connect(lblEnde, &LabelButton::clicked, this, &frmStart::lblEnde_Click);

    menueAnlegen();
    Form_Load();
}

std::array<LabelButton*, 8> frmStart::labels() const
{
    return {lblEingabe, lblUeben1, lblUeben2, lblUeben3, lblLoeschen, lblBearbeiten, lblTest, lblEnde};
}

void frmStart::menueAnlegen()
{
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuVokEingabe = mnuDatei->addAction(QStringLiteral("&Vokabeln Eingeben"));
    mnuVokUeb = mnuDatei->addMenu(QStringLiteral("Vokabeln &Üben"));
    mnuUebe1 = mnuVokUeb->addAction(QStringLiteral("Vokabeln üben &1"));
    mnuUebe2 = mnuVokUeb->addAction(QStringLiteral("Vokabeln üben &2"));
    mnuUebe3 = mnuVokUeb->addAction(QStringLiteral("Vokabeln üben &3"));
    mnuHeute = mnuDatei->addAction(QStringLiteral("&Heute üben"));
    mnuDelFiles = mnuDatei->addAction(QStringLiteral("Vokabeln &löschen"));
    mnuVokBearn = mnuDatei->addAction(QStringLiteral("Vokabeln &bearbeiten"));
    mnuVokTest = mnuDatei->addAction(QStringLiteral("Vokabel &Test"));
    mnuImport = mnuDatei->addAction(QStringLiteral("Vokabeln &importieren …"));
    mnuExport = mnuDatei->addAction(QStringLiteral("Vokabeln e&xportieren …"));
    mnuDrucken = mnuDatei->addAction(QStringLiteral("Vokabeln &drucken …"));
    mnuLernstand = mnuDatei->addAction(QStringLiteral("Lern&stand …"));
    mnuKlassenarbeit = mnuDatei->addAction(QStringLiteral("&Klassenarbeit planen …"));
    mnuEnde = mnuDatei->addAction(QStringLiteral("&Programm beenden"));
    mnuOptionen = menuBar()->addMenu(QStringLiteral("&Optionen"));
    mnuSound = mnuOptionen->addMenu(QStringLiteral("&Sound"));
    mnuSoundan = mnuSound->addAction(QStringLiteral("Sound &an"));
    mnuSoundaus = mnuSound->addAction(QStringLiteral("Sound a&us"));
    mnuAussprache = mnuOptionen->addMenu(QStringLiteral("&Aussprache"));
    mnuAusspracheAn = mnuAussprache->addAction(QStringLiteral("Aussprache &an"));
    mnuAusspracheAus = mnuAussprache->addAction(QStringLiteral("Aussprache a&us"));
    for (QAction* a : {mnuSoundan, mnuSoundaus, mnuAusspracheAn, mnuAusspracheAus})
        a->setCheckable(true);
    mnuListenSprache = mnuOptionen->addAction(QStringLiteral("Sprache einer &Liste …"));
    mnuGrosszuegig = modOptionen::GrosszuegigAnlegen(mnuOptionen, this);
    mnuInfo = menuBar()->addMenu(QStringLiteral("&Info"));
    mnuIntro = mnuInfo->addAction(QStringLiteral("&Über das Programm"));

    // Each menu item does exactly what its label's click does.
    const std::pair<QAction*, LabelButton*> paare[] = {
        {mnuVokEingabe, lblEingabe}, {mnuUebe1, lblUeben1},     {mnuUebe2, lblUeben2},
        {mnuUebe3, lblUeben3},       {mnuDelFiles, lblLoeschen}, {mnuVokBearn, lblBearbeiten},
        {mnuVokTest, lblTest},       {mnuEnde, lblEnde},         {mnuHeute, lblHeute}};
    for (auto [aktion, label] : paare)
        connect(aktion, &QAction::triggered, label, &LabelButton::clicked);

    connect(mnuSoundan, &QAction::triggered, this, &frmStart::mnuSoundan_Click);
    connect(mnuSoundaus, &QAction::triggered, this, &frmStart::mnuSoundaus_Click);
    connect(mnuAusspracheAn, &QAction::triggered, this, &frmStart::mnuAusspracheAn_Click);
    connect(mnuAusspracheAus, &QAction::triggered, this, &frmStart::mnuAusspracheAus_Click);
    connect(mnuListenSprache, &QAction::triggered, this, &frmStart::mnuListenSprache_Click);
    connect(mnuIntro, &QAction::triggered, this, &frmStart::mnuIntro_Click);
    // Lists in and out, the overview and the class-test plan: no label of their own, each
    // returns to the start screen.
    const std::pair<QAction*, void (*)(QWidget*)> transfer[] = {
        {mnuImport, &modtransfer::VokabelnImportieren},
        {mnuExport, &modtransfer::VokabelnExportieren},
        {mnuDrucken, &modtransfer::VokabelnDrucken},
        {mnuLernstand, &modLernstand::LernstandZeigen},
        {mnuKlassenarbeit, &modLernstand::KlassenarbeitPlanen}};
    for (auto [aktion, ablauf] : transfer)
        connect(aktion, &QAction::triggered, this, [this, ablauf] { ablauf(this); });
}

void frmStart::Form_Load()
{
    modBackground::HintergrundPfade();
    ImgBackground->laden(modBackground::Hintergrund2Pfad);
    mnuSoundan_Click();
    // On at start. Until a speaking window loads the voice the items trust an installed
    // voice; once loaded they follow its engine, and go disabled if it fails.
    modAussprache::Ausspracheok = true;
    AusspracheMenueSetzen();
    modAussprache::WennGeladen(this, [this] { AusspracheMenueSetzen(); });
    bereit_ = modmkdir::VerzeichnisAnlegen(this);
    modOptionen::EinstellungenLesen(mnuGrosszuegig);
    HilfetexteSetzen();
    Form_Resize();
}

void frmStart::HilfetexteSetzen()
{
    lblEingabe->setToolTip(QStringLiteral("Gib hier die Vokabeln ein, die du später üben möchtest"));
    lblUeben1->setToolTip(QStringLiteral("Hier kannst du die von dir eingegebenen Vokabeln üben"));
    lblUeben2->setToolTip(QStringLiteral(
        "Hier kannst du die Vokabeln üben, die dir beim ersten Üben Schwierigkeiten gemacht haben"));
    lblUeben3->setToolTip(QStringLiteral(
        "Hier kannst du die Vokabeln üben, die dir auch beim zweiten Üben noch Schwierigkeiten gemacht haben"));
}

void frmStart::Form_Resize()
{
    // The picture always covers the whole client area. The labels keep their places where
    // they fit; in a smaller area the staircase is pressed together so that each stays
    // whole inside it, at its own size.
    const QRect flaeche = centralWidget()->rect();
    ImgBackground->setGeometry(flaeche);
    ImgBackground->lower();
    constexpr int Rand = 8;
    double fx = 1.0;
    double fy = 1.0;
    for (const QRect& r : entwurf_) {
        if (r.left() > 0)
            fx = std::min(fx, double(flaeche.width() - Rand - r.width()) / r.left());
        if (r.top() > 0)
            fy = std::min(fy, double(flaeche.height() - Rand - r.height()) / r.top());
    }
    for (size_t i = 0; i < entwurf_.size(); ++i)
        labels()[i]->verschieben(QPoint(int(entwurf_[i].left() * std::max(fx, 0.0)),
                                        int(entwurf_[i].top() * std::max(fy, 0.0))));
    // Today's line follows the top step and narrows rather than leave the window.
    const int x = int(heuteEntwurf_.left() * std::max(fx, 0.0));
    lblHeute->einpassen(QRect(x, int(heuteEntwurf_.top() * std::max(fy, 0.0)),
                              std::clamp(flaeche.width() - Rand - x, 0, heuteEntwurf_.width()), heuteEntwurf_.height()));
}

void frmStart::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void frmStart::mouseMoveEvent(QMouseEvent* e)
{
    QMainWindow::mouseMoveEvent(e);
    LabelsZuruecksetzen();
}

void frmStart::LabelsZuruecksetzen()
{
    Hoverok = true;
    for (LabelButton* l : labels())
        l->zuruecksetzenWennFett();
    lblHeute->zuruecksetzenWennFett();
}

void frmStart::labelMausBewegt(LabelButton* label)
{
    HoverLabel(label, Hoverok, true);
}

void frmStart::lblEingabe_Click() { modEingabe::EingabeStarten(this); }

void frmStart::lblUeben_Click(qint16 stufe) { modvokueb::UebenStarten(stufe, this); }

void frmStart::lblLoeschen_Click()
{
    moddelfile::ListeLoeschen(this);
    Module1::SoundAbspielen(Module1::Klang::Wusch);
}

void frmStart::lblBearbeiten_Click()
{
    // Plays its own sound after the editor closes.
    modBearbeiten::BearbeitenStarten(this);
}

void frmStart::lblTest_Click()
{
    modVokTest::TestStarten(this);
    Module1::SoundAbspielen(Module1::Klang::Wusch);
}

void frmStart::lblEnde_Click()
{
    Module1::SoundAbspielen(Module1::Klang::Tusch);
    auto beenden = [] {
        if (Programmende)
            Programmende();
        else
            QCoreApplication::exit(0);
    };
    // Every window goes at once, without its own closing handlers.
    if (!Programmende)
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    // Nobody hears a fanfare with sound off or without a device: end at once. Otherwise
    // end when it has finished, and never later than its length.
    const int laenge = Module1::Nachklang(Module1::Klang::Tusch);
    if (laenge <= 0) {
        beenden();
        return;
    }
    auto* uhr = new QTimer(qApp);
    auto seit = std::make_shared<QElapsedTimer>();
    seit->start();
    auto gehoert = std::make_shared<bool>(false);
    connect(uhr, &QTimer::timeout, qApp, [uhr, seit, gehoert, laenge, beenden] {
        const bool spielt = Module1::SpieltNoch();
        *gehoert = *gehoert || spielt; // it may take a moment to start
        if ((*gehoert && !spielt) || seit->elapsed() >= laenge) {
            uhr->stop();
            uhr->deleteLater();
            beenden();
        }
    });
    uhr->start(20);
}

void frmStart::mnuIntro_Click()
{
    frmIntro intro(this);
    intro.exec();
}

void frmStart::mnuSoundan_Click()
{
    mnuSoundan->setChecked(true);
    mnuSoundaus->setChecked(false);
    Module1::Soundok = true;
}

void frmStart::mnuSoundaus_Click()
{
    mnuSoundaus->setChecked(true);
    mnuSoundan->setChecked(false);
    Module1::Soundok = false;
}

void frmStart::AusspracheMenueSetzen()
{
    const bool da = modAussprache::EngineDa();
    mnuAusspracheAn->setEnabled(da);
    mnuAusspracheAus->setEnabled(da);
    mnuAusspracheAn->setChecked(da && modAussprache::Ausspracheok);
    mnuAusspracheAus->setChecked(da && !modAussprache::Ausspracheok);
}

void frmStart::mnuAusspracheAn_Click()
{
    modAussprache::Ausspracheok = true;
    AusspracheMenueSetzen();
}

void frmStart::mnuAusspracheAus_Click()
{
    modAussprache::Ausspracheok = false;
    AusspracheMenueSetzen();
}

void frmStart::mnuListenSprache_Click()
{
    ListenspracheFestlegen(this);
}

} // namespace lerno
