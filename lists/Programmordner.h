#pragma once
// The program folder: where the executable, sounds, pictures and the list folder live.
#include <QString>

namespace lerno {

// The folder of the running executable, without a trailing separator,
// unless a test has pointed it elsewhere.
QString Programmordner();
void SetzeProgrammordner(const QString& ordner); // tests only; empty = back to default

} // namespace lerno
