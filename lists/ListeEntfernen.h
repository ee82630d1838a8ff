#pragma once
// Deleting a whole list, without any window: the caller reports what failed.
#include <QString>
#include <QStringList>
#include <functional>

namespace lerno {

// Removes the list liste (its .dva path) with everything that belongs to it: first its side
// data (its language line; its words' memory once there is one), then the practice scratch
// (.dvd) and the stage lists (.dvc, .dvb), and the .dva last. A kill at any instant thus
// leaves the whole list, or no list that any chooser offers (a stage list left without its
// .dva is offered by none and removed at the next start). A member that cannot be removed
// stops nothing: the others still go.
// Returns the paths that could not be removed (the list file of the languages for the
// language line); empty when the list is gone. vorJedem, when set, is called before each
// file is removed (a test slows the deletion with it).
QStringList ListeEntfernen(const QString& liste, const std::function<void(const QString&)>& vorJedem = {});

} // namespace lerno
