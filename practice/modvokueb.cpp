#include "practice/modvokueb.h"

#include "ui/Meldungen.h"
#include "ui/frmMiniMeldung.h"
#include "lists/Dateizugriff.h"
#include "lists/TextDatei.h"
#include "lists/Listendateien.h"
#include "lists/Listenwahl.h"
#include "practice/frmVokUeben.h"

#include <QLabel>

namespace lerno::modvokueb {

void UebenStarten(qint16 stufe, QWidget* parent)
{
    const auto gewaehlt = ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du üben ?"), stufe);
    if (!gewaehlt)
        return;
    const QString& datei = *gewaehlt;

    const auto anzahl = ZeilenZaehlen(datei);
    if (!anzahl) {
        // Nothing of the list is touched: a practice must not rewrite what it could not read.
        DateifehlerMelden(parent);
        return;
    }
    // The end of a practice writes the list: a pupil must not practise for nothing.
    if (ListeSchreibgeschuetzt(datei)) {
        MeldungZeigen(parent, SchreibschutzText(datei), QStringLiteral("Dateifehler"));
        return;
    }
    // All four siblings exist from here on; the .dvd is the practice's scratch file.
    if (!ListeAnlegen(datei, Anlage::MitUebungsdatei)) {
        DateifehlerMelden(parent);
        return;
    }

    if (*anzahl >= 2) {
        frmVokUeben ueben(datei, stufe, parent);
        ueben.exec();
    } else {
        frmMiniMeldung meldung(parent);
        meldung.lblMeldung->setText(ZuWenig);
        meldung.exec();
    }
}

} // namespace lerno::modvokueb
