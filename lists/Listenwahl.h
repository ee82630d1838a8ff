#pragma once
// The one way a function asks for an existing list: the chooser of one stage's lists,
// with the function's question as its title.
#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

namespace lerno {

// Shows the chooser for the lists of stage `stufe` (1 .dva, 2 .dvb, 3 .dvc) under the
// title `frage` and returns the chosen path; nothing on cancel or an empty choice. The
// choice is also left in GewaehlteListe, where the windows opened next read it.
std::optional<QString> ListeWaehlen(QWidget* parent, const QString& frage, qint16 stufe = 1);

} // namespace lerno
