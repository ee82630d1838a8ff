#pragma once
// Typing new words: a new list or an existing one, then the entry screen for it.
class QWidget;

namespace lerno::modEingabe {

// From the start screen; returns when the entry screen has closed or nothing was chosen.
void EingabeStarten(QWidget* parent);

} // namespace lerno::modEingabe
