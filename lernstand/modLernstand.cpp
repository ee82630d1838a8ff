#include "lernstand/modLernstand.h"

#include "lernstand/dlgKlassenarbeit.h"
#include "lernstand/frmLernstand.h"
#include "lists/Listenwahl.h"

#include <QDir>

namespace lerno::modLernstand {

void LernstandZeigen(QWidget* parent)
{
    // The list folder is the current folder for the whole run.
    frmLernstand fenster(QDir::currentPath(), parent);
    fenster.exec();
}

void KlassenarbeitPlanen(QWidget* parent)
{
    const auto liste = ListeWaehlen(parent, QStringLiteral("Für welche Liste planst du eine Klassenarbeit ?"));
    if (!liste)
        return;
    dlgKlassenarbeit dialog(*liste, parent);
    dialog.exec();
}

} // namespace lerno::modLernstand
