#include "editor/modBearbeiten.h"

#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/Twips.h"
#include "editor/Editorliste.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "lists/Listenwahl.h"

namespace lerno::modBearbeiten {

namespace {

const QString NichtGespeichert = QStringLiteral("Nicht gespeichert");

QString Ablehnung(const EingabePruefung& p)
{
    QString grund;
    switch (p.Fehler) {
    case EingabeFehler::Raute:
        grund = QStringLiteral("Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen");
        break;
    case EingabeFehler::Zeilenumbruch:
        grund = QStringLiteral("Vokabel und Bedeutung dürfen keinen Zeilenumbruch enthalten");
        break;
    case EingabeFehler::KeinCp1252:
        grund = QStringLiteral("Das Zeichen \u201E%1\u201C kann nicht gespeichert werden").arg(p.Zeichen);
        break;
    case EingabeFehler::Keiner:
        break;
    }
    return QStringLiteral("%1 (Zeile %2). Es wurde nichts gespeichert.").arg(grund).arg(p.Zeile);
}

} // namespace

void BearbeitenStarten(QWidget* parent)
{
    const auto gewaehlt = ListeWaehlen(parent, QStringLiteral("Welche Vokabeln möchtest du bearbeiten ?"));
    BearbeitenDatei = gewaehlt.value_or(QString());
    if (!gewaehlt)
        return;
    if (IstHilfsdatei(BearbeitenDatei)) {
        // The save writes its scratch files under this name: it cannot be the list too.
        MeldungZeigen(parent,
                      QStringLiteral("Die Datei \u201E%1\u201C ist eine Hilfsdatei von Lerno und kann "
                                     "nicht bearbeitet werden.")
                          .arg(BearbeitenDatei.section(u'/', -1)),
                      QStringLiteral("Vokabeln Bearbeiten"));
        return;
    }
    {
        frmVokBearbeiten fenster(parent);
        fenster.exec();
    }
    Module1::SoundAbspielen(2);
}

void ListeLaden(frmVokBearbeiten& fenster)
{
    VokabelGrid* grid = fenster.GrdVok;
    const int halb = Px(HalbeGridbreite(Tw(grid->width())));
    grid->SetColWidth(0, 0);
    grid->SetColWidth(3, 0);
    grid->SetColWidth(1, halb);
    grid->SetColWidth(2, halb);
    if (BearbeitenDatei.isEmpty())
        return;
    const GeladeneListe liste = EditorListeLesen(BearbeitenDatei);
    grid->Fuellen(liste.Zeilen);
    if (!liste.Gelesen || liste.Unlesbar > 0)
        DateifehlerMelden(&fenster);
}

bool ListeSpeichern(frmVokBearbeiten& fenster)
{
    const EditorSpeicherErgebnis e = EditorListeSchreiben(BearbeitenDatei, fenster.GrdVok->Zeilen());
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
    case EditorSpeicherStand::Dateifehler:
        DateifehlerMelden(&fenster);
        return true;
    }
    return true;
}

} // namespace lerno::modBearbeiten
