#include "practice/modvokueb.h"

#include "ui/Meldungen.h"
#include "ui/frmMiniMeldung.h"
#include "lists/Dateizugriff.h"
#include "lists/TextDatei.h"
#include "lists/Listendateien.h"
#include "lists/Listenwahl.h"
#include "practice/frmVokUeben.h"

#include <QDate>
#include <QDir>
#include <QLabel>

namespace lerno::modvokueb {

namespace {

void MiniMeldung(const QString& text, QWidget* parent)
{
    frmMiniMeldung meldung(parent);
    meldung.lblMeldung->setText(text);
    meldung.exec();
}

} // namespace

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
        MiniMeldung(ZuWenig, parent);
    }
}

void HeuteUeben(QWidget* parent)
{
    const Tagesplan::Heute heute = Tagesplan::Berechnen(QDir::currentPath(), QDate::currentDate());
    if (heute.woerter() == 0) {
        MiniMeldung(NichtsFaellig, parent);
        return;
    }
    // Its wrong answers count in each list as in stage 1, which needs the stage lists; one
    // that cannot be made is reported at the end, the words' memory is kept all the same.
    for (const Tagesplan::Liste& l : heute.listen)
        if (!l.paare.isEmpty())
            ListeAnlegen(l.pfad);
    frmVokUeben ueben(Uebung(heute), parent);
    ueben.setWindowTitle(QStringLiteral("Heute üben"));
    ueben.exec();
}

} // namespace lerno::modvokueb
