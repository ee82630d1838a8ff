#include "lernstand/dlgKlassenarbeit.h"

#include "learning/Klassenarbeit.h"
#include "lists/Testverlauf.h"
#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

namespace lerno {

namespace {

constexpr int Breite = 6240;
constexpr int Hoehe = 4080;
const QString Titel = QStringLiteral("Klassenarbeit planen");

QString Tag(QDate d) { return QLocale(QLocale::German, QLocale::Germany).toString(d, QStringLiteral("dddd, dd.MM.yyyy")); }

QLabel* Beschriftung(const QString& text, QWidget* parent, QRect lage)
{
    auto* l = GelbeBeschriftung(text, parent, MsSansSerif(12));
    l->setGeometry(lage);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

} // namespace

dlgKlassenarbeit::dlgKlassenarbeit(const QString& liste, QWidget* parent, QDate heute)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      liste_(liste)
{
    setWindowTitle(Titel);
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(Breite), Px(Hoehe));
    setMouseTracking(true);
    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &dlgKlassenarbeit::Hintergrund_MouseMove);

    lblFrage = GelbeBeschriftung(QStringLiteral("Klassenarbeit über „%1“").arg(ListennameAus(liste)), this,
                                 MsSansSerif(12, true));
    lblFrage->setGeometry(TwRect(240, 240, Breite - 480, 600));
    lblFrage->setAlignment(Qt::AlignCenter);
    lblFrage->setWordWrap(true);

    const QLocale deutsch(QLocale::German, QLocale::Germany);
    lblDatum = Beschriftung(QStringLiteral("&am"), this, TwRect(480, 1080, 1320, 420));
    datDatum = new QDateEdit(this);
    datDatum->setLocale(deutsch);
    datDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    datDatum->setCalendarPopup(true);
    // Never in the past: a test today still has today's words.
    datDatum->setMinimumDate(heute);
    datDatum->setGeometry(TwRect(1920, 1050, 2040, 450));
    datDatum->setFont(MsSansSerif(12));
    datDatum->setAccessibleName(QStringLiteral("Tag der Klassenarbeit"));
    lblDatum->setBuddy(datDatum);

    lblHoechstens = Beschriftung(QStringLiteral("&höchstens"), this, TwRect(480, 1680, 1320, 420));
    spnHoechstens = new QSpinBox(this);
    spnHoechstens->setLocale(deutsch);
    spnHoechstens->setRange(1, 999);
    spnHoechstens->setGeometry(TwRect(1920, 1650, 1200, 450));
    spnHoechstens->setFont(MsSansSerif(12));
    spnHoechstens->setAccessibleName(QStringLiteral("höchstens so viele Wörter am Tag"));
    lblHoechstens->setBuddy(spnHoechstens);
    lblWoerter = Beschriftung(QStringLiteral("Wörter am Tag"), this, TwRect(3240, 1680, 2760, 420));

    lblStand = Beschriftung(QString(), this, TwRect(480, 2280, Breite - 720, 660));
    lblStand->setWordWrap(true);
    lblStand->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStand->setAccessibleDescription(QStringLiteral("Stand"));

    lblAbbrechen = new LabelButton(QStringLiteral("Abbrechen"), this, 240, 3360, 1500, 300);
    lblLoeschen = new LabelButton(QStringLiteral("Klassenarbeit löschen"), this, 1860, 3360, 2880, 300);
    lblok = new LabelButton(QStringLiteral("ok"), this, 4860, 3360, 1140, 300);
    connect(lblAbbrechen, &LabelButton::clicked, this, &QDialog::reject);
    connect(lblLoeschen, &LabelButton::clicked, this, &dlgKlassenarbeit::lblLoeschen_Click);
    connect(lblok, &LabelButton::clicked, this, &dlgKlassenarbeit::lblok_Click);
    for (LabelButton* l : {lblAbbrechen, lblLoeschen, lblok})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { HoverLabel(l, Hoverok); });
    cmdok = KnopfAusserhalb(QStringLiteral("ok"), this, 12000, 3360, true);
    connect(cmdok, &QPushButton::clicked, this, &dlgKlassenarbeit::lblok_Click);
    Tabfolge({datDatum, spnHoechstens, lblok, lblLoeschen, lblAbbrechen});

    // The plan as it stands, or a week from today with the usual number of words.
    const auto plan = Klassenarbeit::PlanLesen(liste);
    datDatum->setDate(plan && plan->datum >= heute ? plan->datum : heute.addDays(7));
    spnHoechstens->setValue(plan ? plan->hoechstens : Klassenarbeit::StandardHoechstens);
    lblLoeschen->setVisible(plan.has_value());
    if (!plan)
        lblStand->setText(QStringLiteral("Für diese Liste ist noch keine Klassenarbeit geplant."));
    else if (plan->datum < heute)
        lblStand->setText(QStringLiteral("Die Klassenarbeit am %1 ist vorbei.").arg(Tag(plan->datum)));
    else
        lblStand->setText(QStringLiteral("Geplant: %1, höchstens %2 Wörter am Tag.").arg(Tag(plan->datum)).arg(plan->hoechstens));
    datDatum->setFocus();
}

void dlgKlassenarbeit::lblok_Click()
{
    // The date box fixes up what was typed only when it loses the focus or takes Enter.
    datDatum->interpretText();
    if (!Klassenarbeit::PlanSetzen(liste_, {datDatum->date(), spnHoechstens->value()})) {
        MeldungZeigen(this, QStringLiteral("Die Klassenarbeit wurde nicht gespeichert."), QStringLiteral("Dateifehler"));
        return;
    }
    accept();
}

void dlgKlassenarbeit::lblLoeschen_Click()
{
    if (!Klassenarbeit::PlanEntfernen(liste_)) {
        MeldungZeigen(this, QStringLiteral("Die Klassenarbeit wurde nicht gelöscht."), QStringLiteral("Dateifehler"));
        return;
    }
    accept();
}

void dlgKlassenarbeit::Hintergrund_MouseMove() { HoverHintergrund(Hoverok, {lblAbbrechen, lblLoeschen, lblok}); }

void dlgKlassenarbeit::mouseMoveEvent(QMouseEvent*) { Hintergrund_MouseMove(); }

} // namespace lerno
