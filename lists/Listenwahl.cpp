#include "lists/Listenwahl.h"

#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"

namespace lerno {

std::optional<QString> ListeWaehlen(QWidget* parent, const QString& frage, qint16 stufe)
{
    dlgFilewahl chooser(stufe, Dateiwahl::Vorhanden, parent);
    chooser.setWindowTitle(frage);
    chooser.exec();
    if (chooser.Filename().isEmpty())
        return std::nullopt;
    return chooser.Filename();
}

std::optional<Listenwahl> NeuOderVorhanden(QWidget* parent)
{
    dlgWasTun frage(parent);
    frage.exec();
    if (frage.Filename().isEmpty())
        return std::nullopt;
    return Listenwahl{frage.Filename(), frage.Neu()};
}

} // namespace lerno
