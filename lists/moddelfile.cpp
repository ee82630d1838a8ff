#include "lists/moddelfile.h"

#include "lists/Listenwahl.h"
#include "lists/dlgFrage.h"

namespace lerno::moddelfile {

void ListeLoeschen(QWidget* parent)
{
    const auto liste = ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du löschen ?"));
    if (!liste)
        return;
    dlgFrage frage(*liste, parent);
    frage.exec();
}

} // namespace lerno::moddelfile
