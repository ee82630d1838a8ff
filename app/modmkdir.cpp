#include "app/modmkdir.h"

#include "lists/Listenordner.h"
#include "ui/Meldungen.h"
#include "lists/Programmordner.h"

#include <QDir>

namespace lerno::modmkdir {

bool VerzeichnisAnlegen(QWidget* parent)
{
    const ListenordnerErgebnis e = ListenordnerEinrichten(Programmordner());
    for (int i = 0; i < e.nichtGeloescht.size(); ++i)
        DateifehlerMelden(parent);
    for (const QString& quelle : e.nichtKopiert)
        MeldungZeigen(parent,
                      QStringLiteral("Die Beispielliste konnte nicht in den Ordner für deine "
                                     "Vokabeln kopiert werden:\n%1")
                          .arg(QDir::toNativeSeparators(quelle)),
                      QStringLiteral("Dateifehler"));
    if (!e.ordnerBereit) {
        MeldungZeigen(parent,
                      QStringLiteral("Der Ordner für deine Vokabeln konnte nicht angelegt werden:\n%1\n\n"
                                     "Lerno wird jetzt beendet.")
                          .arg(QDir::toNativeSeparators(Programmordner() + "/Vokabeln")),
                      QStringLiteral("Ordnerfehler"));
        return false;
    }
    return true;
}

} // namespace lerno::modmkdir
