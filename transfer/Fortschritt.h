#pragma once
// Long work on an imported file behind Qt's progress dialog: shown only when the work
// takes longer than a moment, and cancellable.
#include "transfer/import/ImportTabelle.h"

#include <QString>
#include <functional>

class QProgressDialog;
class QWidget;

namespace lerno {

// Runs arbeit with a window-modal progress dialog (0..1000) that shows after nachMs; false
// when arbeit gave up, as it does when the pupil cancelled.
bool MitFortschritt(QWidget* parent, const QString& titel, const QString& text, int nachMs,
                    const std::function<bool(QProgressDialog&)>& arbeit);

// Progress of one part of the work, from von to bis per mille of the whole; false once the
// pupil cancelled.
ImportFortschritt FortschrittTeil(QProgressDialog& dialog, int von, int bis);

} // namespace lerno
