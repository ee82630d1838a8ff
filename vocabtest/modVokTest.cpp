#include "vocabtest/modVokTest.h"

#include "ui/Meldungen.h"
#include "learning/Wortgedaechtnis.h"
#include "ui/Zeichenleiste.h"
#include "lists/Einstellungen.h"
#include "lists/Dateizugriff.h"
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

// The refusal of a list that has twenty lines or more but fewer than twenty readable ones.
QString ZuWenigLesbarText(const QString& pfad, qsizetype lesbar, const std::vector<int>& unlesbar)
{
    return QStringLiteral("Die Liste \u201E%1\u201C hat nur %2 lesbare Vokabeln, ein Test braucht 20.\n")
               .arg(ListenName(pfad))
               .arg(lesbar)
           + UnlesbarText(pfad, unlesbar, false);
}

// Every answer of the test is a review of its word; the pairs are the drawn rows.
void WiederholungenVermerken(const Bewertung& b, const QString& pfad, QWidget* parent)
{
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return;
    QList<Wortgedaechtnis::Antwort> antworten;
    const QDate heute = QDate::currentDate();
    for (int i = 0; i < Testzeilen; ++i) {
        const Testpaar& t = Testpaare[i];
        antworten.append({dlgTestfolge::Fremdsprache ? WortPaar{t.Loesung, t.Frage} : WortPaar{t.Frage, t.Loesung},
                          Wortgedaechtnis::Bewertung(b.Urteil[i], false), heute});
    }
    if (!Wortgedaechtnis::AntwortenVermerken(pfad, antworten))
        MeldungZeigen(parent, QStringLiteral("Die Antworten konnten nicht für den Lernplan gespeichert werden."),
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

    // Read once: the size checks, the draw and every row use these lines.
    const auto zeilen = ZeilenLesen(*gewaehlt);
    if (!zeilen) {
        DateifehlerMelden(parent);
        return;
    }
    TestZeilenzahl = zeilen->size();
    if (!GenugZeilen(TestZeilenzahl)) {
        MeldungZeigen(parent, ZuWenigText, ZuWenigTitel);
        return;
    }
    const std::vector<int> unlesbar = UnlesbareZeilen(*zeilen);
    const qsizetype lesbar = TestZeilenzahl - qsizetype(unlesbar.size());
    if (lesbar < Testzeilen) {
        MeldungZeigen(parent, ZuWenigLesbarText(*gewaehlt, lesbar, unlesbar), ZuWenigTitel);
        return;
    }
    {
        // Closed by its frame or Escape: no direction, no test.
        dlgTestfolge folge(parent);
        if (folge.exec() != QDialog::Accepted)
            return;
    }
    TestZusammenstellen(*gewaehlt, *zeilen, unlesbar, parent);
}

void TestZusammenstellen(const QString& pfad, const QStringList& zeilen, const std::vector<int>& unlesbar,
                         QWidget* parent)
{
    std::vector<int> uebersprungen;
    if (!TestZiehen(zeilen.size(), unlesbar, uebersprungen)) {
        MeldungZeigen(parent, ZuWenigText, ZuWenigTitel);
        return;
    }
    // The lenient check tells another word of the list from a slip: it needs the list's
    // answers in the test's direction.
    Testantworten.clear();
    if (Einstellungen::Lauf().Schalter(Einstellungen::GrosszuegigPruefen))
        for (const QString& z : zeilen)
            if (const auto paar = EintragLesen(z))
                Testantworten.append(dlgTestfolge::Fremdsprache ? paar->Vokabel : paar->Bedeutung);
    frmVokTest test(parent);
    for (int i = 0; i < Testzeilen; ++i)
        TestzeileFuellen(test, i, zeilen[GezogeneZeilen[i] - 1]);
    if (!uebersprungen.empty())
        MeldungZeigen(parent, UnlesbarText(pfad, uebersprungen), QStringLiteral("Lesefehler der Datei"));
    QObject::connect(&test, &frmVokTest::bewertet, &test,
                     [&test, pfad](const Bewertung& b) {
                         TestEintragen(b, pfad, &test);
                         WiederholungenVermerken(b, pfad, &test);
                     });
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
