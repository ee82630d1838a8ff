#include "ui/frmMiniMeldung.h"

#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

#include <QLabel>

namespace lerno {

frmMiniMeldung::frmMiniMeldung(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Mitteilung"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(4680), Px(3195));
    setMouseTracking(true);

    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &frmMiniMeldung::Form_MouseMove);

    lblMeldung = GelbeBeschriftung(QStringLiteral("Meldung"), this, MsSansSerif(12, true));
    lblMeldung->setGeometry(TwRect(480, 480, 3645, 1500));
    lblMeldung->setAlignment(Qt::AlignCenter);
    lblMeldung->setWordWrap(true);
    lblMeldung->setAccessibleDescription(QStringLiteral("Mitteilung"));

    lblok = new LabelButton(QStringLiteral("ok"), this, 1680, 2520, 1395, 300);
    connect(lblok, &LabelButton::clicked, this, &QDialog::accept);
    connect(lblok, &LabelButton::mausBewegt, this, &frmMiniMeldung::lblok_MouseMove);
}

void frmMiniMeldung::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void frmMiniMeldung::Form_MouseMove()
{
    HoverHintergrund(Hoverok, {lblok});
}

void frmMiniMeldung::lblok_MouseMove()
{
    HoverLabel(lblok, Hoverok);
}

} // namespace lerno
