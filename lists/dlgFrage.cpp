#include "lists/dlgFrage.h"

#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"
#include "lists/Dateizugriff.h"
#include "lists/ListeEntfernen.h"

#include <QLabel>

namespace lerno {

dlgFrage::dlgFrage(const QString& liste, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      liste_(liste)
{
    setWindowTitle(QStringLiteral("Bist du dir sicher ???"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(4680), Px(3195));
    setMouseTracking(true);

    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &dlgFrage::Form_MouseMove);

    lblMeldung = GelbeBeschriftung(
        QStringLiteral("Bist du dir sicher. daß du diese Datei löschen möchtest"), this,
        MsSansSerif(12, true));
    lblMeldung->setGeometry(TwRect(360, 840, 4035, 600));
    lblMeldung->setAlignment(Qt::AlignCenter);
    lblMeldung->setWordWrap(true);

    lblCancle = new LabelButton(QStringLiteral("Abbrechen"), this, 600, 2160, 1545, 300);
    lblok = new LabelButton(QStringLiteral("ok"), this, 3120, 2160, 675, 300);
    connect(lblCancle, &LabelButton::clicked, this, &QDialog::reject);
    connect(lblok, &LabelButton::clicked, this, &dlgFrage::lblok_Click);
    for (LabelButton* l : {lblCancle, lblok})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
}

void dlgFrage::lblok_Click()
{
    // Every member goes, whether it exists or not, the .dva last.
    if (ListeSchreibgeschuetzt(liste_)) {
        // A protected list is kept whole: no member goes.
        MeldungZeigen(this, SchreibschutzText(liste_), QStringLiteral("Dateifehler"));
        reject();
        return;
    }
    // Each file that could not be removed gets the file-error report.
    for (qsizetype i = ListeEntfernen(liste_).size(); i > 0; --i)
        DateifehlerMelden(this);
    accept();
}

void dlgFrage::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void dlgFrage::Form_MouseMove()
{
    HoverHintergrund(Hoverok, {lblCancle, lblok});
}

void dlgFrage::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok, true);
}

} // namespace lerno
