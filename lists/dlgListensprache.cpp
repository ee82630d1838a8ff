#include "lists/dlgListensprache.h"

#include "lists/Dateizugriff.h"
#include "lists/Listensprache.h"
#include "lists/Listenwahl.h"
#include "ui/Meldungen.h"
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/modBackground.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

namespace lerno {

dlgListensprache::dlgListensprache(const QString& liste, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Sprache einer Liste"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(4680), Px(5400));

    hintergrund = PictureControl::alsFensterbild(this, modBackground::Hintergrund1Pfad);

    lblFrage = GelbeBeschriftung(
        QStringLiteral("Welche Sprache hat „%1“ ?").arg(QFileInfo(liste).completeBaseName()), this,
        MsSansSerif(12, true));
    lblFrage->setGeometry(TwRect(240, 240, 4200, 600));
    lblFrage->setAlignment(Qt::AlignCenter);
    lblFrage->setWordWrap(true);

    lstSprachen = new QListWidget(this);
    lstSprachen->setGeometry(TwRect(960, 960, 2760, 3480));
    lstSprachen->setFont(MsSansSerif(10));
    const QString jetzt = Listensprache(liste);
    for (const Sprachangabe& s : BekannteSprachen()) {
        lstSprachen->addItem(s.name);
        if (s.name == jetzt)
            lstSprachen->setCurrentRow(lstSprachen->count() - 1);
    }
    if (lstSprachen->currentRow() < 0)
        lstSprachen->setCurrentRow(0);

    lblCancle = new LabelButton(QStringLiteral("Abbrechen"), this, 600, 4680, 1545, 300);
    lblok = new LabelButton(QStringLiteral("ok"), this, 3120, 4680, 675, 300);
    connect(lblCancle, &LabelButton::clicked, this, &QDialog::reject);
    connect(lblok, &LabelButton::clicked, this, &QDialog::accept);
    connect(lstSprachen, &QListWidget::itemActivated, this, &QDialog::accept);
    setTabOrder(lstSprachen, lblok);
    setTabOrder(lblok, lblCancle);
    lstSprachen->setFocus();
}

QString dlgListensprache::Sprache() const
{
    const QListWidgetItem* item = lstSprachen->currentItem();
    return item ? item->text() : QString();
}

void ListenspracheFestlegen(QWidget* parent)
{
    const auto liste = ListeWaehlen(parent, QStringLiteral("Welche Liste spricht welche Sprache ?"));
    if (!liste)
        return;
    dlgListensprache dialog(*liste, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const DateiErgebnis e = ListenspracheSetzen(*liste, dialog.Sprache()); !e)
        MeldungZeigen(parent,
                      QStringLiteral("Die Sprache wurde nicht gespeichert. %1")
                          .arg(FehlerUrsache(ListensprachenDatei(*liste), e)),
                      QStringLiteral("Dateifehler"));
}

} // namespace lerno
