#include "app/frmIntro.h"

#include "ui/LabelButton.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

#include <QKeyEvent>
#include <QLabel>

namespace lerno {

namespace {
constexpr int FensterBreite = 11685;
constexpr int FensterHoehe = 8145;
constexpr int Schritt = 30; // twips per tick
} // namespace

QString frmIntro::Laufbandtext()
{
    return QStringLiteral("Lerno Vokabeltrainer\n\n"
                          "program by\ndas Lerno-Team\n\n"
                          "Dezember 2026\n\n"
                          "Vielen Dank an\nalle Testerinnen und Tester\n"
                          "und an unsere Familien\n\n"
                          "weitere Anregungen gerne\nan\ndas Lerno-Team");
}

frmIntro::frmIntro(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(Px(FensterBreite), Px(FensterHoehe));
    setMouseTracking(true);

    imgBackground = new PictureControl(this);
    imgBackground->setGeometry(TwRect(0, 0, 11700, 8160));
    imgBackground->laden(modBackground::Hintergrund1Pfad);
    connect(imgBackground, &PictureControl::mausBewegt, this, &frmIntro::Form_MouseMove);

    lbl1 = GelbeBeschriftung(Laufbandtext(), this, TimesNewRoman(21.75, true));
    lbl1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl1->setWordWrap(true);

    lblok = new LabelButton(QStringLiteral("ok"), this, 9360, 7320, 1395, 300);
    lblok->hide();
    connect(lblok, &LabelButton::clicked, this, &QDialog::accept);
    connect(lblok, &LabelButton::mausBewegt, this, &frmIntro::lblok_MouseMove);

    // Form_Load: the text starts just below the lower edge.
    Durchlauf_ = 0;
    setzeLbl1Top(Tw(height()));

    TimerLaufband.setTimerType(Qt::PreciseTimer);
    TimerLaufband.setInterval(5);
    connect(&TimerLaufband, &QTimer::timeout, this, &frmIntro::TimerLaufband_Timer);
    TimerLaufband.start();
}

int frmIntro::lbl1Hoehe() const { return 7335; }

void frmIntro::setzeLbl1Top(int twips)
{
    lbl1Top_ = twips;
    lbl1->setGeometry(Px(2880), Px(lbl1Top_), Px(5295), Px(lbl1Hoehe()));
}

void frmIntro::TimerLaufband_Timer()
{
    setzeLbl1Top(lbl1Top_ - Schritt);
    if (lbl1Top_ <= -lbl1Hoehe()) {
        Module1::SoundAbspielen(Module1::Klang::Applaus);
        ++Durchlauf_;
        if (Durchlauf_ >= 1)
            lblok->show();
        setzeLbl1Top(Tw(height()));
    }
}

void frmIntro::keyPressEvent(QKeyEvent* e)
{
    // The window sees every key first; only Escape does anything.
    if (e->key() == Qt::Key_Escape)
        close();
    e->accept();
}

void frmIntro::done(int r)
{
    // However the window closes: applause.
    TimerLaufband.stop();
    Module1::SoundAbspielen(Module1::Klang::Applaus);
    QDialog::done(r);
}

void frmIntro::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void frmIntro::Form_MouseMove()
{
    Hoverok = true;
    lblok->setSchrift(12, false);
}

void frmIntro::lblok_MouseMove()
{
    HoverLabel(lblok, Hoverok);
}

} // namespace lerno
