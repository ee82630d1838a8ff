#include "vocabtest/modVokTest.h"

#include "ui/Meldungen.h"
#include "ui/Zeichenleiste.h"
#include "lists/Einstellungen.h"
#include "lists/Testverlauf.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Listenwahl.h"
#include "lists/Listensprache.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"

#include <QDateTime>
#include <QFileInfo>

namespace lerno::modVokTest {

using namespace Testbewertung;
using namespace Testziehung;

namespace {

// The graded test goes into the pupil's record beside the list; the list itself is never
// written. A list that is gone by now has nothing to record.
void TestEintragen(const Bewertung& b, const QString& pfad, QWidget* parent)
{
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return;
    Testeintrag e;
    e.Zeitpunkt = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    e.Liste = ListennameAus(pfad);
    e.richtung = dlgTestfolge::Fremdsprache ? Richtung::DeutschNachFremd : Richtung::FremdNachDeutsch;
    e.Richtige = b.Richtige;
    e.Falsche = b.Falsche;
    e.Note = NoteSchreiben(b.Note);
    if (!TestVermerken(QFileInfo(pfad).absolutePath(), e))
        MeldungZeigen(parent, QStringLiteral("Der Test konnte nicht in den Lernstand eingetragen werden."),
                      QStringLiteral("Dateifehler"));
}

} // namespace

void TestStarten(QWidget* parent)
{
    TestZeilenzahl = 0;
    const auto gewaehlt =
        ListeWaehlen(parent, QStringLiteral("Aus welchen Vokabeln soll ein Test erstellt werden ?"));
    if (!gewaehlt)
        return;

    const auto anzahl = ZeilenZaehlen(*gewaehlt);
    if (!anzahl) {
        DateifehlerMelden(parent);
        return;
    }
    TestZeilenzahl = *anzahl;
    if (!GenugZeilen(TestZeilenzahl)) {
        MeldungZeigen(parent, ZuWenigText, ZuWenigTitel);
        return;
    }
    {
        dlgTestfolge folge(parent);
        folge.exec();
    }
    TestZusammenstellen(*gewaehlt, TestZeilenzahl, parent);
}

void TestZusammenstellen(const QString& pfad, qsizetype zeilenzahl, QWidget* parent)
{
    frmVokTest test(parent);
    for (int i = 0; i < Testzeilen; ++i) {
        const auto zeile = TestzeileZiehen(pfad, i, zeilenzahl);
        if (!zeile || !TestzeileFuellen(test, i, *zeile)) {
            DateifehlerMelden(parent);
            return;
        }
    }
    // The lenient check tells another word of the list from a slip: it needs the list's
    // answers in the test's direction.
    Testantworten.clear();
    if (Einstellungen::Lauf().Schalter(Einstellungen::GrosszuegigPruefen))
        for (const QString& z : ZeilenLesen(pfad).value_or(QStringList()))
            if (const auto paar = EintragLesen(z))
                Testantworten.append(dlgTestfolge::Fremdsprache ? paar->Vokabel : paar->Bedeutung);
    QObject::connect(&test, &frmVokTest::bewertet, &test,
                     [&test, pfad](const Bewertung& b) { TestEintragen(b, pfad, &test); });
    // Letters for answers in the foreign language; gone with the grading, whose sentence
    // takes their place.
    test.leiste->setZeichen(dlgTestfolge::Fremdsprache ? ListenZeichen(pfad) : QStringList());
    QObject::connect(&test, &frmVokTest::bewertet, test.leiste, &QWidget::hide);
    test.exec();
}

bool TestzeileFuellen(frmVokTest& test, int i, const QString& zeile)
{
    const auto paar = EintragLesen(zeile);
    if (!paar)
        return false;
    const bool fremd = dlgTestfolge::Fremdsprache;
    Testpaare[i] = fremd ? Testpaar{paar->Bedeutung, paar->Vokabel} : Testpaar{paar->Vokabel, paar->Bedeutung};
    test.ZeileZeigen(i, Testpaare[i]);
    return true;
}

} // namespace lerno::modVokTest
