#pragma once
// The program's symbol at any size: the window icon and the desktop icons (written by
// the asset generator) come from here. Qt Gui only and no fonts, so the generator can
// draw it without an application object.
#include <QImage>

namespace lerno {
QImage SymbolBild(int groesse);
}
