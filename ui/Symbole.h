#pragma once
#include <QIcon>

namespace lerno {
// The window icon: drawn here, no image file needed.
QIcon Fenstersymbol();
}
