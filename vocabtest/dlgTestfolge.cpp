#include "vocabtest/dlgTestfolge.h"

#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

namespace lerno {

dlgTestfolge::dlgTestfolge(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QString::fromUtf8("Wähle die Reihenfolge"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(5310), Px(3195));
    setMouseTracking(true);
    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &dlgTestfolge::Form_MouseMove);

    lblFremdsprache = new LabelButton(QStringLiteral("Fremdsprache -> Deutsch"), this, 720, 480, 3915, 300);
    LblDeutsch = new LabelButton(QStringLiteral("Deutsch -> Fremdsprache"), this, 480, 1800, 4275, 300);
    for (LabelButton* l : {lblFremdsprache, LblDeutsch}) {
        l->setSchrift(12, true); // designed bold; the first reset makes them regular
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
    }
    connect(lblFremdsprache, &LabelButton::clicked, this, &dlgTestfolge::lblFremdsprache_Click);
    connect(LblDeutsch, &LabelButton::clicked, this, &dlgTestfolge::LblDeutsch_Click);
}

void dlgTestfolge::LblDeutsch_Click()
{
    Fremdsprache = true;
    accept();
}

void dlgTestfolge::lblFremdsprache_Click()
{
    Fremdsprache = false;
    accept();
}

void dlgTestfolge::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void dlgTestfolge::Form_MouseMove()
{
    HoverHintergrund(Hoverok, {LblDeutsch, lblFremdsprache});
}

void dlgTestfolge::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok);
}

} // namespace lerno
