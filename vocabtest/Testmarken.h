#pragma once
// The two small marks of a graded row, painted here: no image file needed.
#include <QPixmap>

namespace lerno {

constexpr int MarkeBreite = 24;
constexpr int MarkeHoehe = 22;

// A green tick for a right answer.
QPixmap RichtigMarke();
// A red cross for a wrong answer.
QPixmap FalschMarke();

} // namespace lerno
