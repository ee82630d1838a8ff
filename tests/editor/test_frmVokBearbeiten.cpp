// The editor window: the edit box over the clicked cell, keystrokes into the grid,
// scrolling, the save question, and the way in from the chooser.
#include "app/LabelButton.h"
#include "app/PictureControl.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "editor/modBearbeiten.h"
#include "lists/dlgFilewahl.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

const QByteArray Demo = CpZeilen({"001#house#Haus#3#0#", "002#street#Straße#0#0#", "003#key#Schlüssel#4#0#"});

class EditorFenster : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmStart::Soundok = true;
        ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln"));
        QDir::setCurrent(ordner.datei("Vokabeln"));
        liste = ordner.datei("Vokabeln/Englisch.dva");
        Anlegen(Demo);
        modBearbeiten::BearbeitenDatei = liste;
    }
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    void Anlegen(const QByteArray& dva)
    {
        SchreibeBytes(liste, dva);
        SchreibeBytes(StufenDatei('b'), CpZeilen({"001#house#Haus#3#0#"}));
        SchreibeBytes(StufenDatei('c'), {});
    }
    // Forty rows: more than the grid shows, so it has a vertical scroll bar.
    static QByteArray Lang()
    {
        QByteArray lang;
        for (int i = 1; i <= 40; ++i)
            lang += QString("%1#w%1#m%1#0#0#\r\n").arg(i, 3, 10, QChar('0')).toLatin1();
        return lang;
    }
    QString StufenDatei(char b) const { return liste.chopped(1) + b; }
    QByteArray Alle() const { return LiesBytes(liste) + "|" + LiesBytes(StufenDatei('b')) + "|" + LiesBytes(StufenDatei('c')); }

    // Clicks a data cell (grid row from 1) where the pupil would.
    static void ZelleKlicken(frmVokBearbeiten& w, int row, int col)
    {
        const QRect r = w.GrdVok->visualRect(w.GrdVok->model()->index(row - 1, col));
        QTest::mouseClick(w.GrdVok->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The cell's rectangle in window coordinates.
    static QRect ZelleImFenster(frmVokBearbeiten& w, int row, int col)
    {
        const QRect r = w.GrdVok->visualRect(w.GrdVok->model()->index(row - 1, col));
        return QRect(w.GrdVok->viewport()->mapTo(&w, r.topLeft()), r.size());
    }

    QString liste;
};

TEST_F(EditorFenster, LoadsRowsBelowAnEmptyHeaderWithHalfWidthColumns)
{
    frmVokBearbeiten w;
    EXPECT_EQ(w.windowTitle(), "Vokabeln Bearbeiten");
    EXPECT_EQ(w.GrdVok->Rows(), 4);
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 0), "002#");
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 2), QString::fromUtf8("Straße"));
    EXPECT_EQ(w.GrdVok->TextMatrix(3, 3), "#4#0#");
    // 7005 twips / 2 = 3502 (a half to the even neighbour) = 233 pixels.
    EXPECT_EQ(w.GrdVok->ColWidth(0), 0);
    EXPECT_EQ(w.GrdVok->ColWidth(1), 233);
    EXPECT_EQ(w.GrdVok->ColWidth(2), 233);
    EXPECT_EQ(w.GrdVok->ColWidth(3), 0);
    EXPECT_FALSE(w.txtVokabel->isVisibleTo(&w));
    EXPECT_FALSE(w.lblFrage->isVisibleTo(&w));
    EXPECT_TRUE(meldungen.empty());

    Anlegen({});
    frmVokBearbeiten leer;
    EXPECT_EQ(leer.GrdVok->Rows(), 2); // header and one empty row
    EXPECT_EQ(leer.GrdVok->TextMatrix(1, 1), "");
}

TEST_F(EditorFenster, BoxLiesOverTheClickedCellNarrowerOverTheMeaning)
{
    Anlegen(Lang());
    frmVokBearbeiten w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (int col : {1, 2}) {
        SCOPED_TRACE(col);
        ZelleKlicken(w, 2, col);
        ASSERT_TRUE(w.txtVokabel->isVisible());
        EXPECT_EQ(w.txtVokabel->text(), w.GrdVok->TextMatrix(2, col));
        const QRect zelle = ZelleImFenster(w, 2, col);
        EXPECT_EQ(w.txtVokabel->geometry().topLeft(), zelle.topLeft());
        // The cell's rectangle stops short of the grid line; the box takes the row's
        // height and the column's width less the line, over the meaning 300 twips less.
        EXPECT_EQ(w.txtVokabel->height(), zelle.height() + 1);
        EXPECT_EQ(w.txtVokabel->width(), zelle.width() - (col == 2 ? 20 : 0));
        EXPECT_EQ(w.focusWidget(), w.txtVokabel);
    }
    // The meaning column reaches under the scroll bar: the click must not shift the grid
    // sideways a moment later, which would take the box away again.
    QTest::qWait(QApplication::doubleClickInterval() + 200);
    EXPECT_TRUE(w.txtVokabel->isVisible());
    EXPECT_EQ(w.GrdVok->horizontalScrollBar()->value(), 0);
}

TEST_F(EditorFenster, EveryKeystrokeReachesTheCellAtOnce)
{
    frmVokBearbeiten w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ZelleKlicken(w, 1, 1);
    QTest::keyClick(w.txtVokabel, Qt::Key_S);
    EXPECT_EQ(w.GrdVok->TextMatrix(1, 1), "houses");
    QTest::sendKeyEvent(QTest::Click, w.txtVokabel, Qt::Key_unknown, QString::fromUtf8("ä"), Qt::NoModifier);
    EXPECT_EQ(w.GrdVok->TextMatrix(1, 1), QString::fromUtf8("housesä"));
    EXPECT_EQ(w.focusWidget(), w.txtVokabel); // still in the box
    // Another cell takes the box; the first keeps what was typed.
    ZelleKlicken(w, 3, 2);
    w.txtVokabel->clear();
    EXPECT_EQ(w.GrdVok->TextMatrix(3, 2), "");
    EXPECT_EQ(w.GrdVok->TextMatrix(1, 1), QString::fromUtf8("housesä"));
}

TEST_F(EditorFenster, ScrollingHidesTheBoxAndKeepsTheText)
{
    Anlegen(Lang());
    frmVokBearbeiten w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ZelleKlicken(w, 2, 2);
    QTest::keyClicks(w.txtVokabel, "xy");
    w.GrdVok->verticalScrollBar()->setValue(5);
    EXPECT_FALSE(w.txtVokabel->isVisible());
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 2), "m002xy");
    // A click after scrolling lays the box over the scrolled cell.
    ZelleKlicken(w, 10, 1);
    EXPECT_EQ(w.txtVokabel->geometry().topLeft(), ZelleImFenster(w, 10, 1).topLeft());
    EXPECT_EQ(w.txtVokabel->text(), "w010");
}

TEST_F(EditorFenster, QuestionComesWithOkGoesWithNeinOrAResize)
{
    frmVokBearbeiten w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ZelleKlicken(w, 1, 1);
    QTest::keyClick(w.txtVokabel, Qt::Key_S);
    Klick(w.lblok);
    for (QWidget* x : {(QWidget*)w.lblFrage, (QWidget*)w.LblJa, (QWidget*)w.lblNein})
        EXPECT_TRUE(x->isVisible());
    Klick(w.lblNein);
    for (QWidget* x : {(QWidget*)w.lblFrage, (QWidget*)w.LblJa, (QWidget*)w.lblNein})
        EXPECT_FALSE(x->isVisible());
    EXPECT_TRUE(w.isVisible());

    Klick(w.lblok);
    const QSize groesser = w.size() + QSize(40, 30);
    w.resize(groesser);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.size() == groesser; }, 2000));
    EXPECT_FALSE(w.lblFrage->isVisible());
    EXPECT_FALSE(w.LblJa->isVisible());
    EXPECT_EQ(w.imgBackground->size(), groesser); // the picture follows the size
    Klick(w.lblok);
    EXPECT_TRUE(w.lblFrage->isVisible());

    Klick(w.lblCancle);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Alle(), Demo + "|" + CpZeilen({"001#house#Haus#3#0#"}) + "|");
}

TEST_F(EditorFenster, JaSavesAndClosesButARefusedCellKeepsEverything)
{
    frmVokBearbeiten w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ZelleKlicken(w, 2, 1);
    QTest::keyClicks(w.txtVokabel, "#");
    Klick(w.lblok);
    Klick(w.LblJa);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, QString::fromUtf8(
        "Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen (Zeile 2). Es wurde nichts gespeichert."));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.lblFrage->isVisible());
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 1), "street#");
    EXPECT_EQ(LiesBytes(liste), Demo);

    ZelleKlicken(w, 2, 1);
    QTest::keyClick(w.txtVokabel, Qt::Key_Backspace);
    QTest::keyClick(w.txtVokabel, Qt::Key_S);
    ZelleKlicken(w, 1, 2);
    w.txtVokabel->clear(); // removes the pair
    Klick(w.lblok);
    Klick(w.LblJa);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(Alle(), CpZeilen({"002#streets#Straße#0#0#", "003#key#Schlüssel#4#0#"}) + "|"
                          + CpZeilen({"003#key#Schlüssel#4#0#"}) + "|" + CpZeilen({"003#key#Schlüssel#4#0#"}));
}

TEST_F(EditorFenster, KeptLinesAreReportedOnceAndCannotBeEdited)
{
    Anlegen(CpZeilen({"001#a#b#0#0#", "kaputt#", "002#c#d#0#0#"}));
    frmVokBearbeiten w;
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], (Meldung{QString::fromUtf8("Fehler beim öffnen der Datei"), "Dateifehler"}));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.GrdVok->IstFest(2));
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 1), "kaputt#");
    ZelleKlicken(w, 2, 1);
    EXPECT_FALSE(w.txtVokabel->isVisible());
}

TEST_F(EditorFenster, JaAndNeinStayBoldAfterTheirReset)
{
    frmVokBearbeiten w;
    w.show();
    Klick(w.lblok);
    MausUeber(w.imgBackground);
    for (LabelButton* l : {w.LblJa, w.lblok}) {
        MausUeber(l);
        EXPECT_TRUE(l->istFett());
        EXPECT_EQ(l->punkt(), 14);
        MausUeber(w.imgBackground);
        EXPECT_EQ(l->punkt(), 12);
        EXPECT_EQ(l->istFett(), l == w.LblJa) << l->text().toStdString();
    }
    EXPECT_TRUE(sounds.empty()); // no hover sound here
}

TEST_F(EditorFenster, StartingFromTheChooserAndCancellingChangesNothingButSounds)
{
    const QByteArray vorher = Alle();
    size_t beimEditor = 0;
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* d) {
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Welche Vokabeln möchtest du bearbeiten ?"));
        d->cboFilename->setCurrentText("Englisch.dva");
        BeiModalVom<frmVokBearbeiten>([&](frmVokBearbeiten* w) {
            beimEditor = sounds.size();
            EXPECT_EQ(w->GrdVok->TextMatrix(1, 1), "house");
            ZelleKlicken(*w, 1, 1);
            QTest::keyClick(w->txtVokabel, Qt::Key_S);
            Klick(w->lblCancle);
        });
        Klick(d->lblok);
    });
    modBearbeiten::BearbeitenStarten(nullptr);
    EXPECT_EQ(modBearbeiten::BearbeitenDatei, liste);
    EXPECT_EQ(Alle(), vorher);
    ASSERT_EQ(sounds.size(), beimEditor + 1);
    EXPECT_EQ(sounds.back(), 2);

    // A cancelled chooser: no editor, no sound of its own.
    size_t beimWaehlen = 0;
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* d) {
        beimWaehlen = sounds.size();
        Klick(d->lblCancle);
    });
    modBearbeiten::BearbeitenStarten(nullptr);
    EXPECT_EQ(sounds.size(), beimWaehlen);
    EXPECT_TRUE(modBearbeiten::BearbeitenDatei.isEmpty());
}

TEST_F(EditorFenster, ScratchListAfileIsRefused)
{
    SchreibeBytes(ordner.datei("Vokabeln/afile.dva"), CpZeilen({"001#a#b#0#0#"}));
    // Should the editor come up after all, it is closed again and the test fails.
    QObject wache;
    bool editorErschienen = false;
    QTimer::singleShot(1000, &wache, [&] {
        if (auto* w = qobject_cast<frmVokBearbeiten*>(QApplication::activeModalWidget())) {
            editorErschienen = true;
            w->reject();
        }
    });
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* d) {
        d->cboFilename->setCurrentText("afile.dva");
        Klick(d->lblok);
    });
    modBearbeiten::BearbeitenStarten(nullptr);
    EXPECT_FALSE(editorErschienen);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.contains("afile.dva"));
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/afile.dva")), CpZeilen({"001#a#b#0#0#"}));
}

} // namespace
