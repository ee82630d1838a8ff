#include "app/modOptionen.h"

#include "lists/Dateizugriff.h"
#include "lists/Einstellungen.h"
#include "lists/Programmordner.h"
#include "ui/Meldungen.h"

#include <QAction>
#include <QMenu>

namespace lerno::modOptionen {

namespace {

QString Listenordner() { return Programmordner() + QStringLiteral("/Vokabeln"); }

void GrosszuegigWaehlen(bool an, QWidget* parent)
{
    Einstellungen& e = Einstellungen::Lauf();
    e.SchalterSetzen(Einstellungen::GrosszuegigPruefen, an);
    const DateiErgebnis ergebnis = e.Schreiben(Listenordner());
    if (ergebnis)
        return;
    MeldungZeigen(parent,
                  QStringLiteral("Die Einstellung wurde nicht gespeichert. %1\n\n"
                                 "Sie gilt, bis du Lerno beendest.")
                      .arg(FehlerUrsache(Listenordner() + QLatin1Char('/') + Einstellungen::Dateiname, ergebnis)),
                  QStringLiteral("Dateifehler"));
}

} // namespace

void EinstellungenLesen(QAction* grosszuegig)
{
    Einstellungen::Lauf() = Einstellungen::Lesen(Listenordner());
    grosszuegig->setChecked(Einstellungen::Lauf().Schalter(Einstellungen::GrosszuegigPruefen));
}

QAction* GrosszuegigAnlegen(QMenu* optionen, QWidget* parent)
{
    QAction* a = optionen->addAction(QStringLiteral("Antworten &großzügig prüfen"));
    a->setCheckable(true);
    // triggered, not toggled: setting the mark at start must not write anything.
    QObject::connect(a, &QAction::triggered, parent, [parent](bool an) { GrosszuegigWaehlen(an, parent); });
    return a;
}

} // namespace lerno::modOptionen
