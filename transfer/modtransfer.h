#pragma once
// The start screen's "Vokabeln importieren / exportieren / drucken": each asks for the
// files and the list, does its work and ends with one German message.
class QWidget;

namespace lerno::modtransfer {

void VokabelnImportieren(QWidget* parent);
void VokabelnExportieren(QWidget* parent);
void VokabelnDrucken(QWidget* parent);

} // namespace lerno::modtransfer
