#include "lists/ListeEntfernen.h"

#include "lists/Listensprache.h"
#include "lists/Vokabeleintrag.h"
#include "lists/modfiles.h"

#include <QFileInfo>

namespace lerno {

QStringList ListeEntfernen(const QString& liste, const std::function<void(const QString&)>& vorJedem)
{
    QStringList fehlgeschlagen;
    // Side data first, so a new list of the same name inherits none of it: the language
    // line, then the words' memory (.dvg) with the scratch and stage files.
    const QString sprachen = QFileInfo(liste).absolutePath() + QLatin1Char('/') + QLatin1String(LISTENSPRACHEN_DATEI);
    if (vorJedem)
        vorJedem(sprachen);
    if (!ListenspracheEntfernen(liste))
        fehlgeschlagen << sprachen;

    for (QChar b : {u'g', u'd', u'c', u'b'}) {
        const QString pfad = StufenDatei(liste, b);
        if (vorJedem)
            vorJedem(pfad);
        if (!DateiLoeschen(pfad))
            fehlgeschlagen << pfad;
    }
    // The .dva goes last: it is what makes it a list. Should a stage list have stayed, no
    // chooser offers it without its .dva, and the next start removes it.
    if (vorJedem)
        vorJedem(liste);
    if (!DateiLoeschen(liste))
        fehlgeschlagen << liste;
    return fehlgeschlagen;
}

} // namespace lerno
