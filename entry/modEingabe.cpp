#include "entry/modEingabe.h"

#include "entry/frmVokEingabe.h"
#include "lists/Listenwahl.h"

namespace lerno::modEingabe {

void EingabeStarten(QWidget* parent)
{
    const auto wahl = NeuOderVorhanden(parent);
    if (!wahl)
        return;
    frmVokEingabe eingabe(wahl->Pfad, parent);
    eingabe.exec();
}

} // namespace lerno::modEingabe
