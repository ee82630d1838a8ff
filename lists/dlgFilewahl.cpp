#include "lists/dlgFilewahl.h"

#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"
#include "lists/Listenname.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace lerno {

dlgFilewahl::dlgFilewahl(qint16 stufe, Dateiwahl modus, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("In welche Datei möchtest du deine Vokabeln speichern"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(7740), Px(5640));
    setMouseTracking(true);

    // Set-up, step 1: the common background at natural size.
    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);
    connect(hintergrund, &PictureControl::mausBewegt, this, &dlgFilewahl::Form_MouseMove);

    cboFilename = new QComboBox(this);
    cboFilename->setEditable(false);
    cboFilename->setFont(TimesNewRoman(12));
    cboFilename->setGeometry(Px(2040), Px(1200), Px(3375), cboFilename->sizeHint().height());
    cboFilename->hide();

    txtNewFile = new QLineEdit(this);
    txtNewFile->setFont(TimesNewRoman(12, true));
    txtNewFile->setGeometry(TwRect(2040, 1440, 3375, 375));
    txtNewFile->hide();
    cboFilename->setAccessibleName(QStringLiteral("Vorhandene Datei"));
    txtNewFile->setAccessibleName(QStringLiteral("Name der neuen Datei"));

    lblok = new LabelButton(QStringLiteral("ok"), this, 3000, 3360, 1395, 300);
    lblCancle = new LabelButton(QStringLiteral("Abbrechen"), this, 3000, 4200, 1425, 300);
    connect(lblok, &LabelButton::clicked, this, &dlgFilewahl::lblok_Click);
    connect(lblCancle, &LabelButton::clicked, this, &dlgFilewahl::reject);
    for (LabelButton* l : {lblok, lblCancle})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });

    // Default button outside the visible area: Enter accepts like "ok".
    cmdok = KnopfAusserhalb(QStringLiteral("ok"), this, 8160, 2280, true);
    connect(cmdok, &QPushButton::clicked, this, &dlgFilewahl::lblok_Click);

    // Set-up, steps 2 and 3: the stage's pattern, then the mode.
    ordner_ = QDir::currentPath();
    switch (stufe) {
    case 2: muster_ = QStringLiteral("*.dvb"); break;
    case 3: muster_ = QStringLiteral("*.dvc"); break;
    default: muster_ = QStringLiteral("*.dva"); break;
    }
    if (modus == Dateiwahl::Neu) {
        txtNewFile->show();
        txtNewFile->setFocus();
    } else {
        cboFilename->show();
        DateilisteFuellen();
        cboFilename->setFocus();
    }
    Module1::SoundAbspielen(Module1::Klang::Wusch);
}

QStringList dlgFilewahl::Dateiliste(const QString& ordner, const QString& muster)
{
    return Listenauswahl(ordner, muster);
}

void dlgFilewahl::DateilisteFuellen()
{
    cboFilename->clear();
    for (const QString& name : Dateiliste(ordner_, muster_)) {
        if (!name.isEmpty())
            cboFilename->addItem(name);
    }
    if (cboFilename->count() > 0)
        cboFilename->setCurrentIndex(0);
}

QString dlgFilewahl::MitEndungDva(const QString& name)
{
    return ListennameMitEndung(name);
}

QString dlgFilewahl::VorhandenFrage(const QString& name)
{
    return QStringLiteral("Die Liste \u201E%1\u201C gibt es schon. Möchtest du die neuen Vokabeln dort anfügen?")
        .arg(QFileInfo(name).completeBaseName());
}

std::optional<QString> dlgFilewahl::NamensFehler(const QString& name)
{
    return ListennameFehler(name);
}

void dlgFilewahl::lblok_Click()
{
    filename_.clear();
    QString name;
    if (txtNewFile->isVisibleTo(this)) {
        name = txtNewFile->text();
        neu_ = true;
        if (!name.isEmpty()) {
            if (const auto fehler = NamensFehler(name)) {
                // The chooser stays open with the typed name so it can be corrected.
                MeldungZeigen(this, *fehler, QStringLiteral("Ungültiger Name"));
                txtNewFile->setFocus();
                return;
            }
            name = MitEndungDva(name);
            // A name that is taken would silently add to that list: asked, not assumed.
            if (QFileInfo::exists(ordner_ + QLatin1Char('/') + name)) {
                if (!FrageStellen(this, VorhandenFrage(name), QStringLiteral("Die Liste gibt es schon"),
                                  QStringLiteral("Anfügen"), QStringLiteral("Anderen Namen wählen"))) {
                    txtNewFile->setFocus();
                    return;
                }
                neu_ = false;
            }
        }
    } else {
        name = cboFilename->currentText();
        neu_ = false;
    }
    if (!name.isEmpty())
        filename_ = ordner_ + QLatin1Char('/') + name;
    accept();
    Module1::SoundAbspielen(Module1::Klang::Wusch);
}

void dlgFilewahl::reject()
{
    filename_.clear();
    QDialog::reject();
}

void dlgFilewahl::mouseMoveEvent(QMouseEvent* e)
{
    QDialog::mouseMoveEvent(e);
    Form_MouseMove();
}

void dlgFilewahl::Form_MouseMove()
{
    HoverHintergrund(Hoverok, {lblok, lblCancle});
}

void dlgFilewahl::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok);
}

} // namespace lerno
