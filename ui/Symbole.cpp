#include "ui/Symbole.h"

#include "ui/SymbolBild.h"

#include <QPixmap>

namespace lerno {

QIcon Fenstersymbol()
{
    QIcon icon;
    for (int groesse : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(SymbolBild(groesse)));
    return icon;
}

} // namespace lerno
