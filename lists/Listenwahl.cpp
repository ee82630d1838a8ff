#include "lists/Listenwahl.h"

#include "lists/GewaehlteListe.h"
#include "lists/dlgFilewahl.h"

namespace lerno {

std::optional<QString> ListeWaehlen(QWidget* parent, const QString& frage, qint16 stufe)
{
    // The chooser reads all three when it is created: they come first.
    GewaehlteListe::Wahl = 2;
    GewaehlteListe::FileNr = stufe;
    GewaehlteListe::Neu = false;
    {
        dlgFilewahl chooser(parent);
        chooser.setWindowTitle(frage);
        chooser.exec();
    }
    if (GewaehlteListe::Filename.isEmpty())
        return std::nullopt;
    return GewaehlteListe::Filename;
}

} // namespace lerno
