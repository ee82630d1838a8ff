#pragma once
// "Lernstand …" and "Klassenarbeit planen …" from the start screen's menu.
class QWidget;

namespace lerno::modLernstand {

// Shows the overview of the current list folder modally.
void LernstandZeigen(QWidget* parent);

// Asks for a list, then for the day of its class test (dlgKlassenarbeit).
void KlassenarbeitPlanen(QWidget* parent);

} // namespace lerno::modLernstand
