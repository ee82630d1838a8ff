#include "editor/modBearbeiten.h"
#include "lists/Listensprache.h"

#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/Twips.h"
#include "editor/Editorliste.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "lists/Dateizugriff.h"
#include "lists/Listenwahl.h"

namespace lerno::modBearbeiten {

namespace {

const QString NichtGespeichert = QStringLiteral("Nicht gespeichert");
const QString Dateifehler = QStringLiteral("Dateifehler");

QString Ablehnung(const EingabePruefung& p)
{
    return QStringLiteral("%1 (Zeile %2). Es wurde nichts gespeichert.").arg(PaarMeldung(p.Urteil)).arg(p.Zeile);
}

QString Speicherfehler(const QString& liste, const EditorSpeicherErgebnis& e)
{
    const QString name = ListenName(liste);
    const QString was = e.NichtErsetzt.contains(liste)
        ? QStringLiteral("Die Liste \u201E%1\u201C wurde nicht gespeichert.").arg(name)
        : QStringLiteral("Die Liste \u201E%1\u201C wurde gespeichert, ihre Stufenlisten aber nicht.").arg(name);
    const QString ursache =
        e.FehlerPfad.isEmpty() ? FehlerUrsache(liste, 0) : FehlerUrsache(e.FehlerPfad, e.Fehlernummer);
    return was + u' ' + ursache + QStringLiteral("\nDeine Änderungen sind noch da.");
}

} // namespace

void BearbeitenStarten(QWidget* parent)
{
    const auto gewaehlt = ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du bearbeiten ?"));
    if (!gewaehlt)
        return;
    const QString liste = *gewaehlt;
    if (IstHilfsdatei(liste)) {
        // The save writes its scratch files under this name: it cannot be the list too.
        MeldungZeigen(parent,
                      QStringLiteral("Die Datei \u201E%1\u201C ist eine Hilfsdatei von Lerno und kann "
                                     "nicht bearbeitet werden.")
                          .arg(liste.section(u'/', -1)),
                      QStringLiteral("Vokabeln Bearbeiten"));
        return;
    }
    if (!ListeLaden(liste, parent))
        return;
    // Told once, before any editing: the pupil's work could never be saved.
    if (ListeSchreibgeschuetzt(liste)) {
        MeldungZeigen(parent, SchreibschutzText(liste), Dateifehler);
        return;
    }
    {
        frmVokBearbeiten fenster(liste, Zeilen, ListeSpeichern, parent);
        fenster.Sprache = Listensprache(liste);
        fenster.exec();
    }
    Module1::SoundAbspielen(Module1::Klang::Wusch);
}

bool ListeLaden(const QString& liste, QWidget* parent)
{
    Zeilen.clear();
    if (liste.isEmpty()) {
        Zeilen.emplace_back();
        return true;
    }
    GeladeneListe geladen = EditorListeLesen(liste);
    if (geladen.Stand == LadeStand::Unlesbar) {
        MeldungZeigen(parent,
                      QStringLiteral("Die Liste \u201E%1\u201C kann nicht gelesen werden. %2\n"
                                     "Sie wird nicht geöffnet, damit nichts verloren geht.")
                          .arg(ListenName(liste), FehlerUrsache(liste, geladen.Fehlernummer, Zugriff::Lesen)),
                      Dateifehler);
        return false;
    }
    Zeilen = std::move(geladen.Zeilen);
    // An empty list shows one empty row to type the first pair into.
    if (Zeilen.empty())
        Zeilen.emplace_back();
    if (!geladen.Gelesen || geladen.Unlesbar > 0)
        DateifehlerMelden(parent);
    return true;
}

bool ListeSpeichern(frmVokBearbeiten& fenster)
{
    const QString liste = fenster.liste();
    const EditorSpeicherErgebnis e = EditorListeSchreiben(liste, Zeilen);
    switch (e.Stand) {
    case EditorSpeicherStand::Gespeichert:
        return true;
    case EditorSpeicherStand::Abgelehnt: {
        // Show the pupil where: the refused row comes into view, selected.
        VokabelGrid* grid = fenster.GrdVok;
        const int row = int(e.Pruefung.Zeile) - 1;
        grid->setCurrentCell(row, 1);
        grid->scrollTo(grid->model()->index(row, 1));
        MeldungZeigen(&fenster, Ablehnung(e.Pruefung), NichtGespeichert);
        return false;
    }
    case EditorSpeicherStand::Schreibgeschuetzt:
        MeldungZeigen(&fenster, SchreibschutzText(liste), Dateifehler);
        return false;
    case EditorSpeicherStand::Dateifehler:
        // The window stays open with everything typed: nothing is lost, "Ja" may be
        // tried again once the cause is gone.
        MeldungZeigen(&fenster, Speicherfehler(liste, e), Dateifehler);
        return false;
    }
    return false;
}

} // namespace lerno::modBearbeiten
