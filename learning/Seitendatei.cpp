#include "learning/Seitendatei.h"

#include "lists/TextDatei.h"

#include <QFileInfo>

namespace lerno {

bool SeitendateiLesen(const QString& pfad, const std::function<void(QByteArrayView)>& zeile)
{
    if (!QFileInfo::exists(pfad))
        return true;
    const auto bytes = BytesLesen(pfad);
    if (!bytes)
        return false;
    for (const Zeilenstelle& s : ZeilenStellen(*bytes))
        if (s.laenge > 0)
            zeile(QByteArrayView(*bytes).sliced(s.anfang, s.laenge));
    return true;
}

} // namespace lerno
