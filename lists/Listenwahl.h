#pragma once
// The ways a function asks for a list: an existing list of one stage, or, where new words
// go, a new list or an existing one. Each returns what was chosen and keeps nothing.
#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

namespace lerno {

// Shows the chooser for the lists of stage `stufe` (1 .dva, 2 .dvb, 3 .dvc) under the
// title `frage` and returns the chosen path; nothing on cancel or an empty choice.
std::optional<QString> ListeWaehlen(QWidget* parent, const QString& frage, qint16 stufe = 1);

struct Listenwahl {
    QString Pfad;      // full path of the .dva list
    bool Neu = false;  // named anew in the chooser, and no list had that name
};

// Asks whether new words go into a new list or an existing one, then names or picks it
// in the chooser; nothing on cancel or an empty name. A new name that is taken asks
// whether to add to that list or to choose another name.
std::optional<Listenwahl> NeuOderVorhanden(QWidget* parent);

} // namespace lerno
