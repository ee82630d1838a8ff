#include "vocabtest/modVokTest.h"

#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/Listenwahl.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"

#include <QLabel>
#include <QLineEdit>

namespace lerno::modVokTest {

void TestStarten(QWidget* parent)
{
    TestZeilenzahl = 0;
    const auto gewaehlt =
        ListeWaehlen(parent, QStringLiteral("Aus welchen Vokabeln soll ein Test erstellt werden ?"));
    TestDatei = gewaehlt.value_or(QString());
    if (!gewaehlt)
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
}

} // namespace lerno::modVokTest
