#include "lists/dlgWasTun.h"

#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"
#include "lists/dlgFilewahl.h"

namespace lerno {

dlgWasTun::dlgWasTun(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Was möchtest du tun ???"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(5340), Px(3690));
    setMouseTracking(true);
    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &dlgWasTun::Form_MouseMove);

    lblNewFile = new LabelButton(QStringLiteral("Eine neue Datei erstellen"), this, 600, 600, 3915, 300);
    lbloldFile = new LabelButton(QStringLiteral("Eine vorhandene Datei erweitern"), this, 600, 1560, 4095, 300);
    lblCancle = new LabelButton(QStringLiteral("Abbrechen"), this, 1425, 2640, 2190, 300);
    connect(lblNewFile, &LabelButton::clicked, this, &dlgWasTun::lblNewFile_Click);
    connect(lbloldFile, &LabelButton::clicked, this, &dlgWasTun::lbloldFile_Click);
    connect(lblCancle, &LabelButton::clicked, this, &dlgWasTun::reject);
    for (LabelButton* l : {lblNewFile, lbloldFile, lblCancle})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
}

void dlgWasTun::lblNewFile_Click() { waehlen(Dateiwahl::Neu); }
void dlgWasTun::lbloldFile_Click() { waehlen(Dateiwahl::Vorhanden); }

void dlgWasTun::waehlen(Dateiwahl wahl)
{
    // Only one of the two dialogs is on screen: this one goes before the chooser opens.
    hide();
    neu_ = wahl == Dateiwahl::Neu;
    dlgFilewahl chooser(1, wahl, parentWidget());
    chooser.exec();
    filename_ = chooser.Filename();
    neu_ = chooser.Neu(); // a taken name the pupil chose to add to is no new list
    setResult(QDialog::Accepted);
}

void dlgWasTun::reject()
{
    filename_.clear();
    QDialog::reject();
}

void dlgWasTun::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void dlgWasTun::Form_MouseMove()
{
    HoverHintergrund(Hoverok, {lblNewFile, lbloldFile, lblCancle});
}

void dlgWasTun::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok);
}

} // namespace lerno
