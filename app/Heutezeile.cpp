#include "app/Heutezeile.h"

#include "learning/Klassenarbeit.h"
#include "learning/Tagesplan.h"
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"

#include <QDate>
#include <QDir>
#include <QEvent>
#include <QShortcut>
#include <QTimer>

namespace lerno {

Heutezeile::Heutezeile(QWidget* fenster, LabelButton* label, PictureControl* bild)
    : QObject(fenster), label_(label)
{
    label_->hide();
    label_->setToolTip(QStringLiteral("Heute üben (Alt+H)"));
    auto* taste = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), fenster);
    connect(taste, &QShortcut::activated, label_, &LabelButton::druecken);
    connect(bild, &PictureControl::gezeichnet, this, [this] {
        gezeichnet_ = true;
        Aktualisieren();
    }, static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    fenster->installEventFilter(this);
}

void Heutezeile::Aktualisieren()
{
    geplant_ = false;
    const QDate heute = QDate::currentDate();
    // A list deleted since takes its class test with it.
    Klassenarbeit::VerwaisteEntfernen(QDir::currentPath());
    label_->setText(Tagesplan::Startzeile(Tagesplan::Berechnen(QDir::currentPath(), heute), heute));
    // The label keeps its designed centre; its width follows the new text.
    label_->setSchrift(label_->punkt(), label_->istFett());
    label_->show();
}

bool Heutezeile::eventFilter(QObject*, QEvent* e)
{
    // Worked out from the event loop, once however many activations come at once.
    if (e->type() == QEvent::WindowActivate && gezeichnet_ && !geplant_) {
        geplant_ = true;
        QTimer::singleShot(0, this, &Heutezeile::Aktualisieren);
    }
    return false;
}

} // namespace lerno
