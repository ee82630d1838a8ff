// The editor window: the edit box over the clicked cell, keystrokes straight into the
// grid, scrolling, the save question, and the way in from the chooser.
#include "ui/LabelButton.h"
#include "ui/Module1.h"
#include "common/UiHilfen.h"
#include "editor/VokabelGrid.h"
#include "editor/frmVokBearbeiten.h"
#include "ui/Zeichenleiste.h"
#include "lists/Listensprache.h"
#include "editor/modBearbeiten.h"
#include "lists/DateiErsetzen.h"
#include "lists/dlgFilewahl.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <cerrno>

using namespace lerno;
using namespace testhilfen;

namespace {

const QByteArray Demo = CpZeilen({"001#house#Haus#3#0#", "002#street#Straße#0#0#", "003#key#Schlüssel#4#0#"});

class EditorFenster : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln"));
        QDir::setCurrent(ordner.datei("Vokabeln"));
        liste = ordner.datei("Vokabeln/Englisch.dva");
        Anlegen(Demo);
    }
    void TearDown() override
    {
        SetzeErsetzenFehlerHook(nullptr);
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    void Anlegen(const QByteArray& dva)
    {
        SchreibeBytes(Datei('a'), dva);
        SchreibeBytes(Datei('b'), CpZeilen({"001#house#Haus#3#0#"}));
        SchreibeBytes(Datei('c'), {});
    }
    QString Datei(char b) const { return liste.chopped(1) + b; }
    QByteArray Alle() const { return LiesBytes(Datei('a')) + "|" + LiesBytes(Datei('b')) + "|" + LiesBytes(Datei('c')); }
    // Forty rows: more than the grid shows, so it has a vertical scroll bar.
    void Lang()
    {
        QByteArray lang;
        for (int i = 1; i <= 40; ++i)
            lang += QString("%1#w%1#m%1#0#0#\r\n").arg(i, 3, 10, QChar('0')).toLatin1();
        Anlegen(lang);
    }
    // A data cell (grid row from 1), in window coordinates, and a click on it.
    static QRect Zelle(frmVokBearbeiten& w, int row, int col)
    {
        const QRect r = w.GrdVok->visualRect(w.GrdVok->model()->index(row - 1, col));
        return QRect(w.GrdVok->viewport()->mapTo(&w, r.topLeft()), r.size());
    }
    static void Klicken(frmVokBearbeiten& w, int row, int col)
    {
        const QRect r = w.GrdVok->visualRect(w.GrdVok->model()->index(row - 1, col));
        QTest::mouseClick(w.GrdVok->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Starts the editor through the chooser on Englisch.dva; true when its window opened
    // (it is then cancelled at once).
    bool StartenUndFensterSehen()
    {
        bool geoeffnet = false;
        QTimer wache;
        wache.setInterval(20);
        QObject::connect(&wache, &QTimer::timeout, [&] {
            if (auto* w = qobject_cast<frmVokBearbeiten*>(QApplication::activeModalWidget())) {
                geoeffnet = true;
                w->reject();
            }
        });
        wache.start();
        BeiModalVom<dlgFilewahl>([](dlgFilewahl* d) {
            d->cboFilename->setCurrentText("Englisch.dva");
            Klick(d->lblok);
        });
        modBearbeiten::BearbeitenStarten(nullptr);
        QTest::qWait(100);
        return geoeffnet;
    }
    static bool Frage(frmVokBearbeiten& w) { return w.lblFrage->isVisible() && w.LblJa->isVisible() && w.lblNein->isVisible(); }

    QString liste; // the list being edited
};

TEST_F(EditorFenster, BoxLiesOverTheClickedCellNarrowerOverTheMeaning)
{
    Lang();
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // 7005 twips / 2 = 3502 (a half to the even neighbour) = 233 pixels.
    EXPECT_EQ(QList<int>({w.GrdVok->ColWidth(0), w.GrdVok->ColWidth(1), w.GrdVok->ColWidth(2), w.GrdVok->ColWidth(3)}),
              QList<int>({0, 233, 233, 0}));
    for (int col : {1, 2}) {
        SCOPED_TRACE(col);
        Klicken(w, 2, col);
        ASSERT_TRUE(w.txtVokabel->isVisible());
        EXPECT_EQ(w.txtVokabel->text(), w.GrdVok->TextMatrix(2, col));
        // The cell's rectangle stops short of the grid lines; the box takes the row's height
        // and the column's width less the line, over the meaning 300 twips (20 px) less.
        const QRect zelle = Zelle(w, 2, col);
        EXPECT_EQ(w.txtVokabel->geometry(),
                  QRect(zelle.topLeft(), QSize(zelle.width() - (col == 2 ? 20 : 0), zelle.height() + 1)));
        EXPECT_EQ(w.focusWidget(), w.txtVokabel);
    }
    // The meaning column reaches under the scroll bar: the click must not shift the grid
    // sideways a moment later, which would take the box away again.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !w.txtVokabel->isVisible(); },
                                 QApplication::doubleClickInterval() + 200));
    EXPECT_TRUE(w.txtVokabel->isVisible());
}

TEST_F(EditorFenster, KeystrokesReachTheCellAtOnceAndScrollingHidesTheBox)
{
    Lang();
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Klicken(w, 2, 2);
    QTest::keyClick(w.txtVokabel, Qt::Key_X);
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 2), "m002x");
    QTest::sendKeyEvent(QTest::Click, w.txtVokabel, Qt::Key_unknown, QString::fromUtf8("ä"), Qt::NoModifier);
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 2), QString::fromUtf8("m002xä"));
    EXPECT_EQ(w.focusWidget(), w.txtVokabel); // the box still has the keyboard

    w.GrdVok->verticalScrollBar()->setValue(5);
    EXPECT_FALSE(w.txtVokabel->isVisible());
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 2), QString::fromUtf8("m002xä"));
    Klicken(w, 10, 1);
    EXPECT_EQ(w.txtVokabel->pos(), Zelle(w, 10, 1).topLeft());
    EXPECT_EQ(w.txtVokabel->text(), "w010");
}

TEST_F(EditorFenster, QuestionOkNeinResizeAndARefusedSave)
{
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Klicken(w, 2, 1);
    QTest::keyClicks(w.txtVokabel, "#");
    Klick(w.lblok);
    EXPECT_TRUE(Frage(w));
    Klick(w.lblNein);
    EXPECT_FALSE(w.lblFrage->isVisible() || w.LblJa->isVisible() || w.lblNein->isVisible());

    Klick(w.lblok);
    const QSize groesser = w.size() + QSize(40, 30);
    w.resize(groesser);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.size() == groesser; }, 2000));
    EXPECT_FALSE(w.lblFrage->isVisible() || w.LblJa->isVisible() || w.lblNein->isVisible());
    Klick(w.lblok);
    EXPECT_TRUE(Frage(w));

    // "Ja" with a "#" in a cell: refused, nothing written, the window stays as it was.
    Klick(w.LblJa);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, "Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen (Zeile 2). "
                                 "Es wurde nichts gespeichert.");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 1), "street#");
    EXPECT_EQ(Alle(), Demo + "|" + CpZeilen({"001#house#Haus#3#0#"}) + "|");
}

TEST_F(EditorFenster, LineThatCannotBeSplitIsReportedOnceNotEditableButCanBeDeleted)
{
    Anlegen(CpZeilen({"001#a#b#0#0#", "kaputt#", "002#c#d#2#0#"}) + "003#e#f#0#0#\n" + "nur#zwei");
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Fehler beim öffnen der Datei"), "Dateifehler"}}));
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 1), "kaputt#");
    Klicken(w, 2, 1);
    EXPECT_FALSE(w.txtVokabel->isVisible());

    // Its row delete (Delete in the grid, or the context menu), here and on the last line.
    ASSERT_TRUE(w.GrdVok->actions().contains(w.mnuZeileLoeschen));
    EXPECT_EQ(w.mnuZeileLoeschen->shortcut(), QKeySequence(Qt::Key_Delete));
    QApplication::setActiveWindow(&w);
    QTest::keyClick(w.GrdVok, Qt::Key_Delete);
    EXPECT_FALSE(w.GrdVok->IstFest(2));
    EXPECT_EQ(w.GrdVok->TextMatrix(2, 1), "");
    Klicken(w, 5, 1);
    w.mnuZeileLoeschen->trigger();
    Klick(w.lblok);
    Klick(w.LblJa);
    EXPECT_FALSE(w.isVisible());
    // The rest byte for byte, each line with its own end.
    EXPECT_EQ(Alle(), CpZeilen({"001#a#b#0#0#", "002#c#d#2#0#"}) + "003#e#f#0#0#\n|" + CpZeilen({"002#c#d#2#0#"}) + "|");
}

TEST_F(EditorFenster, AFileErrorKeepsTheWindowOpenWithEverythingTyped)
{
    const QByteArray vorher = Alle();
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Klicken(w, 1, 1);
    QTest::keyClick(w.txtVokabel, Qt::Key_S);
    // Repro: the disk fills up while the scratch list is written.
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) {
        if (s != ErsetzenSchritt::Schreiben)
            return true;
        errno = ENOSPC;
        return false;
    });
    Klick(w.lblok);
    Klick(w.LblJa);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Liste „Englisch“ wurde nicht gespeichert. Der "
                                                                  "Datenträger ist voll.\nDeine Änderungen sind noch da."),
                                                "Dateifehler"}}));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.GrdVok->TextMatrix(1, 1), "houses");
    EXPECT_EQ(Alle(), vorher);

    // Once the cause is gone, "Ja" saves what was typed and closes.
    SetzeErsetzenFehlerHook(nullptr);
    Klick(w.lblok);
    Klick(w.LblJa);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(LiesBytes(Datei('a')), CpZeilen({"001#houses#Haus#3#0#", "002#street#Straße#0#0#", "003#key#Schlüssel#4#0#"}));
}

TEST_F(EditorFenster, ALongWordIsNeverCut)
{
    // Repro: a word longer than the 32,767 characters an edit box holds by default.
    const QString lang(40000, u'w');
    Anlegen("001#" + lang.toLatin1() + "#m#0#0#\r\n");
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Klicken(w, 1, 1);
    EXPECT_EQ(w.txtVokabel->text().size(), 40000);
    QTest::keyClick(w.txtVokabel, Qt::Key_End);
    QTest::keyClick(w.txtVokabel, Qt::Key_X);
    EXPECT_EQ(modBearbeiten::Zeilen[0].Vokabel, lang + "x");
    Klick(w.lblok);
    Klick(w.LblJa);
    EXPECT_EQ(LiesBytes(Datei('a')), "001#" + lang.toLatin1() + "x#m#0#0#\r\n");
}

TEST_F(EditorFenster, AWriteProtectedListIsReportedOnceAndNotOpened)
{
    ASSERT_TRUE(QFile::setPermissions(Datei('b'), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray vorher = Alle();
    EXPECT_FALSE(StartenUndFensterSehen());
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Liste „Englisch“ ist schreibgeschützt."),
                                                "Dateifehler"}}));
    EXPECT_EQ(Alle(), vorher);
    EXPECT_EQ(QFile::permissions(Datei('b')) & QFile::WriteOwner, 0);
}

TEST_F(EditorFenster, AListThatCannotBeReadIsReportedAndNoSaveIsOffered)
{
    // Repro: a listed file whose read fails (the kernel refuses to read a process's own
    // memory at 0), as a list without read permission does for a pupil.
    QFile::remove(Datei('a'));
    if (!QFile::link("/proc/self/mem", Datei('a')))
        GTEST_SKIP() << "no symbolic link";
    {
        QFile f(Datei('a'));
        char c;
        if (!f.open(QIODevice::ReadOnly) || f.read(&c, 1) >= 0)
            GTEST_SKIP() << "the file reads here";
    }
    const QByteArray vorher = LiesBytes(Datei('b')) + "|" + LiesBytes(Datei('c'));
    EXPECT_FALSE(StartenUndFensterSehen());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(QString::fromUtf8("Die Liste „Englisch“ kann nicht gelesen werden. ")))
        << meldungen[0].text.toStdString();
    EXPECT_TRUE(meldungen[0].text.endsWith(QString::fromUtf8("Sie wird nicht geöffnet, damit nichts verloren geht.")));
    EXPECT_EQ(meldungen[0].titel, "Dateifehler");
    EXPECT_EQ(QFileInfo(Datei('a')).symLinkTarget(), "/proc/self/mem"); // not replaced by a file
    EXPECT_EQ(LiesBytes(Datei('b')) + "|" + LiesBytes(Datei('c')), vorher);
}

TEST_F(EditorFenster, CancelFromTheChooserLeavesTheFilesAndSoundsOnce)
{
    const QByteArray vorher = Alle();
    size_t beimEditor = 0;
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* d) {
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Welche Vokabeln möchtest du bearbeiten ?"));
        d->cboFilename->setCurrentText("Englisch.dva");
        BeiModalVom<frmVokBearbeiten>([&](frmVokBearbeiten* w) {
            beimEditor = sounds.size();
            Klicken(*w, 1, 1);
            QTest::keyClick(w->txtVokabel, Qt::Key_S);
            Klick(w->lblCancle);
        });
        Klick(d->lblok);
    });
    modBearbeiten::BearbeitenStarten(nullptr);
    EXPECT_EQ(Alle(), vorher);
    EXPECT_EQ(std::vector<int>(sounds.begin() + beimEditor, sounds.end()), std::vector<int>{2});

    // A cancelled chooser: no editor and no sound of its own.
    size_t beimWaehlen = 0;
    BeiModalVom<dlgFilewahl>([&](dlgFilewahl* d) {
        beimWaehlen = sounds.size();
        Klick(d->lblCancle);
    });
    modBearbeiten::BearbeitenStarten(nullptr);
    EXPECT_EQ(sounds.size(), beimWaehlen);
}

} // namespace

namespace {

// F5 and the grid's menu say the current row's foreign word in the list's voice, never
// the meaning, also while the row is being edited and whichever column is current.
TEST_F(EditorFenster, F5AndTheContextMenuSayTheCurrentRowsForeignWord)
{
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.Sprache = QStringLiteral("Englisch");
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Klicken(w, 3, 2);
    QTest::keyClick(w.txtVokabel, Qt::Key_F5);
    Klicken(w, 1, 1);
    ASSERT_TRUE(w.GrdVok->actions().contains(w.mnuAnhoeren));
    EXPECT_EQ(w.GrdVok->contextMenuPolicy(), Qt::ActionsContextMenu);
    w.mnuAnhoeren->trigger();
    w.Sprache = QStringLiteral("Latein");
    w.txtVokabel->setText("domus");
    QTest::keyClick(w.txtVokabel, Qt::Key_F5);
    using Gesagt = std::vector<std::pair<QString, QString>>;
    EXPECT_EQ(gesprochen, (Gesagt{{"key", "en"}, {"house", "en"}, {"domus", "la"}}));

    modAussprache::Ausspracheok = false;
    QTest::keyClick(w.txtVokabel, Qt::Key_F5);
    EXPECT_EQ(gesprochen.size(), 3u);
}

} // namespace

// A Polish list's letters go under the grid, which gives up its lowest rows for them, and
// type into the cell being edited.
TEST_F(EditorFenster, TheCharacterBarTypesIntoTheCell)
{
    ASSERT_TRUE(ListenspracheSetzen(liste, "Polnisch"));
    modBearbeiten::ListeLaden(liste, nullptr);
    frmVokBearbeiten w(liste, modBearbeiten::Zeilen, modBearbeiten::ListeSpeichern);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_FALSE(w.leiste->isHidden());
    EXPECT_EQ(w.leiste->knoepfe().size(), 9);
    EXPECT_EQ(Ueberdeckt(w.leiste, {w.txtVokabel}), QStringList());
    EXPECT_LT(w.GrdVok->geometry().bottom(), w.leiste->y());
    Klicken(w, 1, 1);
    QTest::keyClick(w.txtVokabel, Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(w.GrdVok->TextMatrix(1, 1), QString::fromUtf8("houseł"));
}
