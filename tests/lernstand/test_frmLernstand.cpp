// The overview window: its table, its grade chart, its PDF, the menu item that opens it,
// and the graded test that feeds it.
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lernstand/Lernstandbild.h"
#include "learning/Klassenarbeit.h"
#include "learning/Wortgedaechtnis.h"
#include "lernstand/frmLernstand.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "lists/Zufall.h"
#include "ui/LabelButton.h"
#include "ui/modBackground.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>

using namespace lerno;
using namespace testhilfen;

namespace {

class Lernstand : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        modBackground::HintergrundPfade();
        QDir(ordner.pfad()).mkdir("Vokabeln");
        v = ordner.datei("Vokabeln");
    }
    void TearDown() override
    {
        frmLernstand::DruckzielFragen = {};
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    QString datei(const QString& name) const { return v + "/" + name; }
    QString zeile(const char* zeit, int richtig, const char* note, const char* liste)
    {
        return QString("%1\tFD\t%2\t%3\t%4\t%5\r\n").arg(zeit).arg(richtig).arg(20 - richtig).arg(note, liste);
    }
    QString v;
};

QString Text(QTableWidget* t, int r, int c) { return t->item(r, c) ? t->item(r, c)->text() : "<none>"; }

TEST_F(Lernstand, TheTableHasOneRowPerListWithItsStagesAndLastTest)
{
    SchreibeBytes(datei("Englisch.dva"), CpZeilen({"001#a#b#4#0#", "002#c#d#2#0#", "003#e#f#0#0#", "Unsinn"}));
    SchreibeBytes(datei("Englisch.dvb"), CpZeilen({"001#a#b#4#0#", "002#c#d#2#0#"}));
    SchreibeBytes(datei("Englisch.dvc"), CpZeilen({"001#a#b#4#0#"}));
    SchreibeBytes(datei("Französisch.dva"), CpZeilen({"001#un#ein#0#0#"})); // no stage files
    SchreibeBytes(datei("Latein.dva"), QByteArray());
    SchreibeBytes(datei("Lernstand.txt"),
                  (zeile("2026-11-30 17:00:00", 10, "4.4", "Englisch") + zeile("2026-12-01 18:10:00", 17, "2", "Englisch")
                   + zeile("2026-12-02 09:00:00", 20, "1", "Gelöscht") + zeile("2026-12-03 10:00:00", 3, "5.8", "Latein"))
                      .toUtf8());

    frmLernstand f(v);
    QTableWidget* t = f.tblListen;
    const QStringList kopf = {"Liste", "Wörter", "in Stufe 2", "in Stufe 3", "letzte Note", "am", "Tests",
                              "heute fällig", "Klassenarbeit", "erwartete Note"};
    for (int c = 0; c < t->columnCount(); ++c)
        EXPECT_EQ(t->horizontalHeaderItem(c)->text(), kopf[c]);
    const QStringList zeilen[] = {{"Englisch", "3", "2", "1", "2", "01.12.2026", "2", "0", "–", "–"},
                                  {"Französisch", "1", "0", "0", "–", "–", "0", "0", "–", "–"},
                                  {"Latein", "0", "0", "0", "5,8", "03.12.2026", "1", "0", "–", "–"}};
    ASSERT_EQ(t->rowCount(), 3) << "the deleted list's test is in no row";
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            EXPECT_EQ(Text(t, r, c), zeilen[r][c]) << r << "," << c;
    EXPECT_TRUE(t->item(0, frmLernstand::SpWoerter)->toolTip().contains("1 Zeile ist keine Vokabel"));
    // The bar's legend says the table's counts (Englisch: stage 2 holds stage 3's word too).
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(Legende(f.uebersicht().Listen[r]),
                  (std::array<QString, 3>{"Wörter: " + zeilen[r][1], "in Stufe 2: " + zeilen[r][2],
                                          "in Stufe 3: " + zeilen[r][3] + " (auch in Stufe 2)"}))
            << r;

    // The first list is selected; choosing another shows its bar and chart.
    ASSERT_NE(f.gewaehlt(), nullptr);
    EXPECT_EQ(f.gewaehlt()->Name, "Englisch");
    EXPECT_EQ(f.lblListe->text(), "Englisch: 3 Wörter, 2 Tests");
    EXPECT_EQ(f.picNoten->punkte().size(), 2);
    t->selectRow(2);
    EXPECT_EQ(f.lblListe->text(), "Latein: 0 Wörter, 1 Test");
    EXPECT_EQ(f.picNoten->punkte().size(), 1);
    EXPECT_FALSE(f.lblDrucken->isHidden());

    QDir(v).removeRecursively();
    QDir().mkpath(v);
    frmLernstand leer(v);
    EXPECT_EQ(leer.tblListen->rowCount(), 0);
    EXPECT_EQ(leer.gewaehlt(), nullptr);
    EXPECT_TRUE(leer.lblDrucken->isHidden() && leer.picNoten->isHidden());
}

// The plan's columns: today's words, the class test's day and the grade to expect then,
// with a decimal comma; without a test the grade is for today, without practice there is none.
TEST_F(Lernstand, ThePlanColumnsShowTodaysWordsTheClassTestAndTheExpectedGrade)
{
    const QDate heute = QDate::currentDate();
    QByteArray liste;
    QList<Wortgedaechtnis::Antwort> gestern; // every word "Leicht" yesterday
    for (int i = 1; i <= 30; ++i) {
        liste += QString("%1#w%2#b%2#0#0#\r\n").arg(i, 3, 10, QChar(u'0')).arg(i).toLatin1();
        gestern.append({{QString("w%1").arg(i), QString("b%1").arg(i)}, 4, heute.addDays(-1)});
    }
    for (const char* name : {"Geplant.dva", "Geuebt.dva", "Neu.dva"})
        SchreibeBytes(datei(name), liste);
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(datei("Geplant.dva"), {heute.addDays(5), 12}));
    ASSERT_TRUE(Wortgedaechtnis::AntwortenVermerken(datei("Geuebt.dva"), gestern));
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(datei("Neu.dva"), {"w1", "b1"}, 3, heute));

    frmLernstand f(v);
    const QStringList erwartet[] = {{"12", heute.addDays(5).toString("dd.MM.yyyy"), "–"},
                                    {"0", "–", "1,1"},
                                    {"0", "–", "6,0"}}; // one word in thirty known
    ASSERT_EQ(f.tblListen->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(Text(f.tblListen, r, frmLernstand::SpFaellig + c), erwartet[r][c]) << r << "," << c;
}

TEST_F(Lernstand, TheChartPutsGrade1AtTheTop6AtTheBottomAndTheTestsInTheirOrder)
{
    SchreibeBytes(datei("Liste.dva"), CpZeilen({"001#a#b#0#0#"}));
    const char* noten[] = {"1", "6", "4", "2.5", "3.2"};
    QString verlauf;
    for (int i = 0; i < 5; ++i)
        verlauf += zeile(qPrintable(QString("2026-12-0%1 12:00:00").arg(i + 1)), 10, noten[i], "Liste");
    SchreibeBytes(datei("Lernstand.txt"), verlauf.toUtf8());

    frmLernstand f(v);
    const QRectF plot = f.picNoten->plot();
    ASSERT_TRUE(QRectF(f.picNoten->rect()).contains(plot));
    ASSERT_GT(plot.width(), 300);
    ASSERT_GT(plot.height(), 100);
    const QList<QPointF> punkte = f.picNoten->punkte();
    const double werte[] = {1, 6, 4, 2.5, 3.2};
    ASSERT_EQ(punkte.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(punkte[i].x(), plot.left() + plot.width() * i / 4, 0.01) << i;
        EXPECT_NEAR(punkte[i].y(), plot.top() + plot.height() * (werte[i] - 1) / 5, 0.01) << i;
    }
    EXPECT_DOUBLE_EQ(punkte[0].y(), plot.top());
    EXPECT_DOUBLE_EQ(punkte[1].y(), plot.bottom());

    // A lone test stands in the middle.
    f.picNoten->setTests(f.gewaehlt()->Tests.mid(2, 1));
    ASSERT_EQ(f.picNoten->punkte().size(), 1);
    EXPECT_EQ(f.picNoten->punkte()[0], QPointF(plot.center().x(), plot.top() + plot.height() * 3 / 5));
}

TEST_F(Lernstand, DruckenWritesTheSelectedListOnOnePdfPage)
{
    SchreibeBytes(datei("Liste.dva"), CpZeilen({"001#a#b#0#0#"}));
    QString verlauf;
    for (int i = 0; i < 60; ++i) // more tests than the page's table holds
        verlauf += zeile("2026-12-01 12:00:00", i % 21, "3.6", "Liste");
    SchreibeBytes(datei("Lernstand.txt"), verlauf.toUtf8());
    QString vorschlag;
    frmLernstand::DruckzielFragen = [&](const QString& s) { vorschlag = s; return ordner.datei("aus.pdf"); };

    frmLernstand f(v);
    Klick(f.lblDrucken);
    EXPECT_EQ(vorschlag, "Lernstand Liste.pdf");
    const QByteArray pdf = LiesBytes(ordner.datei("aus.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const qsizetype seiten = pdf.count("/Type /Page") - pdf.count("/Type /Pages");
    EXPECT_EQ(seiten, 1);
    if (const auto text = PdfInhalt(ordner.datei("aus.pdf")))
        EXPECT_TRUE(text->contains("3,6") && !text->contains("3.6")) << "German decimal comma";
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{"Der Lernstand von „Liste“ steht zum Drucken in „aus.pdf“.",
                                                "Lernstand drucken"}}));

    // A place that cannot be written is reported, nothing else happens.
    meldungen.clear();
    frmLernstand::DruckzielFragen = [&](const QString&) { return ordner.datei("fehlt/aus.pdf"); };
    Klick(f.lblDrucken);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{"Die Datei „aus.pdf“ konnte nicht geschrieben werden.",
                                                "Lernstand drucken"}}));
}

TEST_F(Lernstand, AGradedTestIsRecordedAndTheMenuItemAfterDruckenShowsIt)
{
    QByteArray liste;
    for (int k = 1; k <= 25; ++k)
        liste += QString("%1#w%1#W%1#0#0#\r\n").arg(k).toLatin1();
    SchreibeBytes(datei("Liste.dva"), liste);
    frmStart::Programmende = [] {};
    frmStart start; // the list folder becomes the current folder
    ASSERT_EQ(QDir::currentPath(), QDir(v).canonicalPath());

    // A test through the start screen: German shown, 15 right.
    dlgTestfolge::Fremdsprache = false;
    BeiModalVom<dlgFilewahl>([](dlgFilewahl* w) { Klick(w->lblok); });
    BeiModalVom<dlgTestfolge>([](dlgTestfolge* w) { Klick(w->LblDeutsch); });
    BeiModalVom<frmVokTest>([](frmVokTest* w) {
        for (int i = 0; i < 15; ++i)
            w->txtEingabe[i]->setText(w->lblLoesung[i]->text());
        Klick(w->lblok);
        Klick(w->lblFertig);
    });
    start.mnuVokTest->trigger();
    const QString verlauf = QString::fromUtf8(LiesBytes(datei("Lernstand.txt")));
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\tDF\t15\t5\t2\\.9\tListe\r\n$")
                    .match(verlauf)
                    .hasMatch())
        << verlauf.toStdString();
    EXPECT_EQ(LiesBytes(datei("Liste.dva")), liste) << "the list is never written";
    EXPECT_TRUE(meldungen.empty());

    const QList<QAction*> datei = start.mnuDatei->actions();
    const qsizetype nach = datei.indexOf(start.mnuDrucken);
    ASSERT_GE(nach, 0);
    ASSERT_LT(nach + 1, datei.size());
    EXPECT_EQ(datei[nach + 1], start.mnuLernstand);
    EXPECT_EQ(start.mnuLernstand->text(), "Lern&stand …");
    QString note, tests;
    BeiModalVom<frmLernstand>([&](frmLernstand* w) {
        note = Text(w->tblListen, 0, frmLernstand::SpNote);
        tests = Text(w->tblListen, 0, frmLernstand::SpTests);
        Klick(w->lblSchliessen);
    });
    start.mnuLernstand->trigger();
    EXPECT_EQ(note, "2,9") << "German decimal comma; the history keeps the point";
    EXPECT_EQ(tests, "1");
}

} // namespace
