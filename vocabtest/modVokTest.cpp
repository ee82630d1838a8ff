#include "vocabtest/modVokTest.h"

#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "app/frmStart.h"
#include "lernstand/Testverlauf.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace lerno::modVokTest {

namespace {

// The graded test goes into the pupil's record beside the list; the list itself is never
// written. A screen filled without a chosen list (TestDatei gone) has nothing to record.
void TestVermerken(const Bewertung& b, QWidget* parent)
{
    if (TestDatei.isEmpty() || !QFileInfo::exists(TestDatei))
        return;
    lernstand::Testeintrag e;
    e.Zeitpunkt = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    e.Liste = lernstand::ListennameAus(TestDatei);
    e.richtung = dlgTestfolge::Fremdsprache ? lernstand::Richtung::DeutschNachFremd
                                            : lernstand::Richtung::FremdNachDeutsch;
    e.Richtige = b.Richtige;
    e.Falsche = b.Falsche;
    e.Note = NoteSchreiben(b.Note);
    if (!lernstand::TestVermerken(QFileInfo(TestDatei).absolutePath(), e))
        MeldungZeigen(parent, QStringLiteral("Der Test konnte nicht in den Lernstand eingetragen werden."),
                      QStringLiteral("Dateifehler"));
}

} // namespace

void TestStarten(QWidget* parent)
{
    TestZeilenzahl = 0;
    // The chooser reads Wahl and FileNr when it is created: both come first.
    dlgWasTun::Wahl = 2;
    frmStart::FileNr = 1;
    frmStart::Neu = false;
    {
        dlgFilewahl chooser(parent);
        chooser.setWindowTitle(QStringLiteral("Aus welchen Vokabeln soll ein Test erstellt werden ?"));
        chooser.exec();
    }
    TestDatei = frmStart::Filename;
    if (TestDatei.isEmpty())
        return;

    const auto anzahl = ZeilenZaehlen(TestDatei);
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
    TestZusammenstellen(TestDatei, TestZeilenzahl, parent);
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
    test.exec();
}

bool TestzeileFuellen(frmVokTest& test, int i, const QString& zeile)
{
    const auto paar = EintragLesen(zeile);
    if (!paar)
        return false;
    const bool fremd = dlgTestfolge::Fremdsprache;
    test.lblVokabel[i]->setText(fremd ? paar->Bedeutung : paar->Vokabel);
    test.lblLoesung[i]->setText(fremd ? paar->Vokabel : paar->Bedeutung);
    test.txtEingabe[i]->clear();
    return true;
}

void TestAuswerten(frmVokTest& test)
{
    std::array<QString, Testzeilen> antworten;
    std::array<QString, Testzeilen> loesungen;
    for (int i = 0; i < Testzeilen; ++i) {
        antworten[i] = test.txtEingabe[i]->text();
        loesungen[i] = test.lblLoesung[i]->text();
    }
    const Bewertung b = Bewerten(antworten, loesungen);
    for (int i = 0; i < Testzeilen; ++i) {
        test.imgok[i]->setVisible(b.Richtig[i]);
        test.imgBad[i]->setVisible(!b.Richtig[i]);
        test.lblLoesung[i]->setVisible(!b.Richtig[i]);
    }
    Module1::SoundAbspielen(b.Sound);
    test.lblNote->show();
    test.lblNote->setText(b.Satz);
    TestVermerken(b, &test);
}

} // namespace lerno::modVokTest
