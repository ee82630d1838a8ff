#include "practice/modvokueb.h"

#include "ui/Meldungen.h"
#include "ui/frmMiniMeldung.h"
#include "lists/Dateizugriff.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/GewaehlteListe.h"
#include "lists/Listenwahl.h"
#include "practice/frmVokUeben.h"

#include <QLabel>

namespace lerno::modvokueb {

void UebenStarten(qint16 stufe, QWidget* parent)
{
    const auto gewaehlt = ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du üben ?"), stufe);
    Datei = gewaehlt.value_or(QString());
    // The practice window still reads list and stage from here; the chooser keeps nothing.
    GewaehlteListe::Wahl = 2;
    GewaehlteListe::FileNr = stufe;
    GewaehlteListe::Neu = false;
    GewaehlteListe::Filename = Datei;
    if (!gewaehlt)
        return;

    const auto anzahl = ZeilenZaehlen(Datei);
    if (!anzahl) {
        // Nothing of the list is touched: a practice must not rewrite what it could not read.
        DateifehlerMelden(parent);
        return;
    }
    // The end of a practice writes the list: a pupil must not practise for nothing.
    if (ListeSchreibgeschuetzt(Datei)) {
        MeldungZeigen(parent, SchreibschutzText(Datei), QStringLiteral("Dateifehler"));
        return;
    }
    Zeilenzahl = *anzahl;
    // All four siblings exist from here on; the .dvd is the practice's scratch file.
    for (QChar b : {u'a', u'b', u'c', u'd'}) {
        if (!DateiAnlegen(StufenDatei(Datei, b))) {
            DateifehlerMelden(parent);
            return;
        }
    }

    if (Zeilenzahl >= 2) {
        frmVokUeben ueben(parent);
        ueben.exec();
    } else {
        frmMiniMeldung meldung(parent);
        meldung.lblMeldung->setText(ZuWenig);
        meldung.exec();
    }
}

} // namespace lerno::modvokueb
