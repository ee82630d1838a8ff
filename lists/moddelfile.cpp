#include "lists/moddelfile.h"

#include "lists/Listenwahl.h"
#include "lists/dlgFrage.h"

namespace lerno::moddelfile {

void ListeLoeschen(QWidget* parent)
{
    if (!ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du löschen ?")))
        return;
    // It deletes the list left in GewaehlteListe::Filename.
    dlgFrage frage(parent);
    frage.exec();
}

} // namespace lerno::moddelfile
