#include "lernstand/modLernstand.h"

#include "lernstand/frmLernstand.h"

#include <QDir>

namespace lerno::modLernstand {

void LernstandZeigen(QWidget* parent)
{
    // The list folder is the current folder for the whole run.
    frmLernstand fenster(QDir::currentPath(), parent);
    fenster.exec();
}

} // namespace lerno::modLernstand
