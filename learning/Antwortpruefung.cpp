#include "learning/Antwortpruefung.h"

namespace lerno::Antwortpruefung {

Ergebnis Pruefen(const QString& soll, const QString& eingabe, bool grosszuegig, const QStringList& andere)
{
    Q_UNUSED(grosszuegig);
    Q_UNUSED(andere);
    // Case and blanks count; nothing is trimmed.
    if (eingabe == soll)
        return {Urteil::Richtig, {}};
    return {Urteil::Falsch, {}};
}

} // namespace lerno::Antwortpruefung
