#pragma once
class QWidget;

namespace lerno::modmkdir {

// Makes Vokabeln in the program folder the current folder, creating it and moving the
// demo list in on the first start. Returns false when there is no list folder to work
// in; the message has then been shown and the caller ends the program.
bool VerzeichnisAnlegen(QWidget* parent = nullptr);

} // namespace lerno::modmkdir
