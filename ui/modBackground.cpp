#include "ui/modBackground.h"

#include "lists/Programmordner.h"

namespace lerno::modBackground {

void HintergrundPfade()
{
    Programmpfad = Programmordner();
    Hintergrund2Pfad = Programmpfad + QStringLiteral("/Hintergrund2.bmp");
    Hintergrund1Pfad = Programmpfad + QStringLiteral("/Hintergrund1.bmp");
}

} // namespace lerno::modBackground
