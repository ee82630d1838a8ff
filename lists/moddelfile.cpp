#include "lists/moddelfile.h"

#include "app/frmStart.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgFrage.h"
#include "lists/dlgWasTun.h"

namespace lerno::moddelfile {

void ListeLoeschen(QWidget* parent)
{
    // The chooser reads both on creation: set them first.
    dlgWasTun::Wahl = 2;
    frmStart::FileNr = 1;
    frmStart::Neu = false;
    {
        dlgFilewahl chooser(parent);
        chooser.setWindowTitle(QStringLiteral("Welche Vokabeln möchtest du löschen ?"));
        chooser.exec();
    }
    if (frmStart::Filename.isEmpty())
        return;
    dlgFrage frage(parent);
    frage.exec();
}

} // namespace lerno::moddelfile
