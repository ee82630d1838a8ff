#pragma once
// "Lernstand …" from the start screen's menu.
class QWidget;

namespace lerno::modLernstand {

// Shows the overview of the current list folder modally.
void LernstandZeigen(QWidget* parent);

} // namespace lerno::modLernstand
