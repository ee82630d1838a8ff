// The import preview: what it presets, what each control changes in the pairs to be
// stored, the keyboard, and that cancelling it imports nothing.
#include "transfer/dlgImportVorschau.h"

#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/dlgWasTun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace lerno;
using namespace testhilfen;

namespace {

class ImportVorschauTest : public UiTest {};

ImportVorlage Vorlage(const QByteArray& bytes, bool kvtml = false)
{
    QString fehler;
    auto v = ImportVorlageAus(bytes, kvtml, &fehler);
    EXPECT_TRUE(v) << fehler.toStdString();
    return v.value_or(ImportVorlage{});
}

// "word|meaning" per pair to be stored.
QStringList Paare(const dlgImportVorschau& d)
{
    QStringList out;
    for (const ImportPaar& p : d.Inhalt().paare)
        out << p.Vokabel + u'|' + p.Bedeutung;
    return out;
}

QStringList Spalten(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

TEST_F(ImportVorschauTest, ThreeColumnsPresetAndEveryControlChangesThePairs)
{
    dlgImportVorschau d(Vorlage("Nr;Deutsch;Englisch\r\n1;die Katze;the cat\r\n2;der Hund;the dog\r\n3;x#;y\r\n"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Import-Vorschau"));
    EXPECT_EQ(Spalten(d.cboVokabel), QStringList({"1: Nr", "2: Deutsch", "3: Englisch"}));
    EXPECT_EQ(d.cboVokabel->currentIndex(), 2);
    EXPECT_EQ(d.cboBedeutung->currentIndex(), 1);
    EXPECT_TRUE(d.chkKopfzeile->isChecked());
    EXPECT_EQ(d.cboTrenner->currentData().toString(), QStringLiteral(";"));
    EXPECT_EQ(d.cboKodierung->currentText(), QStringLiteral("UTF-8"));
    ASSERT_EQ(d.tblDatei->rowCount(), 4);
    EXPECT_EQ(d.tblDatei->columnCount(), 3);
    EXPECT_EQ(d.tblDatei->item(1, 2)->text(), QStringLiteral("the cat"));
    EXPECT_EQ(Paare(d), QStringList({"the cat|die Katze", "the dog|der Hund"}));
    // Pairs and the skipped row in file order, the reason beside it.
    ASSERT_EQ(d.tblPaare->rowCount(), 3);
    EXPECT_EQ(d.tblPaare->item(0, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(d.tblPaare->item(2, 0)->text(), QStringLiteral("4"));
    EXPECT_EQ(d.tblPaare->item(2, 3)->text(),
              QStringLiteral("Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen"));
    EXPECT_EQ(d.lblAnzahl->text(), QStringLiteral("2 Vokabeln werden übernommen, 1 übersprungen"));

    Klick(d.cmdTauschen);
    EXPECT_EQ(d.cboVokabel->currentIndex(), 1);
    EXPECT_EQ(Paare(d), QStringList({"die Katze|the cat", "der Hund|the dog"}));
    Klick(d.cmdTauschen);

    d.cboVokabel->setCurrentIndex(0);
    EXPECT_EQ(Paare(d), QStringList({"1|die Katze", "2|der Hund"}));
    d.cboVokabel->setCurrentIndex(2);

    d.chkKopfzeile->setChecked(false);
    EXPECT_EQ(Paare(d), QStringList({"Englisch|Deutsch", "the cat|die Katze", "the dog|der Hund"}));
    EXPECT_EQ(Spalten(d.cboVokabel), QStringList({"Spalte 1", "Spalte 2", "Spalte 3"}));
    EXPECT_EQ(d.lblAnzahl->text(), QStringLiteral("3 Vokabeln werden übernommen, 1 übersprungen"));

    // Another separator reads the file again: one column, nothing but skips.
    d.cboTrenner->setCurrentIndex(d.cboTrenner->findData(QStringLiteral(",")));
    EXPECT_EQ(d.tblDatei->columnCount(), 1);
    EXPECT_TRUE(Paare(d).isEmpty());
    EXPECT_EQ(d.lblAnzahl->text(), QStringLiteral("0 Vokabeln werden übernommen, 4 übersprungen"));
}

TEST_F(ImportVorschauTest, KvtmlLanguagesAreTheColumns)
{
    dlgImportVorschau d(Vorlage(
        "<kvtml version=\"2.0\"><identifiers>"
        "<identifier id=\"0\"><name>Französisch</name><locale>fr</locale></identifier>"
        "<identifier id=\"1\"><name>Deutsch</name><locale>de</locale></identifier>"
        "<identifier id=\"2\"><name>Englisch</name><locale>en</locale></identifier></identifiers><entries>"
        "<entry id=\"0\"><translation id=\"0\"><text>le chat</text></translation>"
        "<translation id=\"1\"><text>die Katze</text></translation>"
        "<translation id=\"2\"><text>the cat</text></translation></entry></entries></kvtml>",
        true));
    EXPECT_EQ(Spalten(d.cboBedeutung), QStringList({"1: Französisch", "2: Deutsch", "3: Englisch"}));
    EXPECT_EQ(d.tblDatei->horizontalHeaderItem(2)->text(), QStringLiteral("3: Englisch"));
    EXPECT_FALSE(d.cboKodierung->isEnabled());
    EXPECT_FALSE(d.cboTrenner->isEnabled());
    EXPECT_EQ(Paare(d), QStringList({"le chat|die Katze"}));
    d.cboVokabel->setCurrentIndex(2);
    EXPECT_EQ(Paare(d), QStringList({"the cat|die Katze"}));
    EXPECT_EQ(d.tblPaare->horizontalHeaderItem(0)->text(), QStringLiteral("Eintrag"));
}

TEST_F(ImportVorschauTest, EnterAcceptsEscapeCancels)
{
    const QByteArray datei("a;b\n");
    {
        dlgImportVorschau d(Vorlage(datei));
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(d.cmdUebernehmen->isDefault());
        // Tab reaches every control, the tables included.
        QSet<QWidget*> erreicht;
        for (int i = 0; i < 20; ++i) {
            erreicht.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &d, Qt::Key_Tab);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{d.cboKodierung, d.cboTrenner, d.chkKopfzeile, d.tblDatei,
                                                           d.cboVokabel, d.cboBedeutung, d.cmdTauschen, d.tblPaare,
                                                           d.cmdUebernehmen, d.cmdAbbrechen})
            EXPECT_TRUE(erreicht.contains(w)) << w->metaObject()->className();
        d.cboVokabel->setFocus();
        QTest::keyClick(d.cboVokabel, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    dlgImportVorschau d(Vorlage(datei));
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(ImportVorschauTest, CancelInThePreviewImportsNothing)
{
    QDir::setCurrent(ordner.pfad());
    frmStart start;
    QDir::setCurrent(ordner.datei("Vokabeln"));
    const QStringList vorher = QDir().entryList(QDir::Files | QDir::Hidden);
    SchreibeBytes(ordner.datei("gut.csv"), "Deutsch;Englisch\r\nKatze;cat\r\n");
    BeiModalVom<QFileDialog>([this](QFileDialog* d) {
        d->selectFile(ordner.datei("gut.csv"));
        static_cast<QDialog*>(d)->accept();
    });
    bool gesehen = false;
    BeiModalVom<dlgImportVorschau>([&gesehen](dlgImportVorschau* d) {
        gesehen = true;
        EXPECT_EQ(Paare(*d), QStringList({"cat|Katze"}));
        Klick(d->cmdAbbrechen);
    });
    start.mnuImport->trigger();
    EXPECT_TRUE(gesehen);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), vorher);
    QDir::setCurrent(QDir::tempPath());
}

// Runs aktion and cancels the progress dialog it shows; how many were cancelled.
int MitAbbruch(dlgImportVorschau& d, const std::function<void()>& aktion, const QString& text)
{
    int abgebrochen = 0;
    QTimer abbrechen;
    abbrechen.setInterval(0);
    QObject::connect(&abbrechen, &QTimer::timeout, [&d, &abgebrochen, text] {
        auto* p = d.findChild<QProgressDialog*>();
        if (p && p->isVisible() && !p->wasCanceled()) {
            EXPECT_EQ(p->labelText(), text);
            p->cancel();
            ++abgebrochen;
        }
    });
    abbrechen.start();
    aktion();
    return abgebrochen;
}

// Another separator or other columns on a large file take a while behind a progress
// dialog; cancelling it keeps the table, the pairs and the controls as they were.
TEST_F(ImportVorschauTest, CancelledRereadKeepsWhatIsShown)
{
    QByteArray datei;
    for (int i = 0; i < 20000; ++i)
        datei += "cat;Katze,Mieze\n";
    dlgImportVorschau::FortschrittNach = 0; // shown at once, not only after half a second
    dlgImportVorschau d(Vorlage(datei));
    d.show();
    const QString anzahl = d.lblAnzahl->text();
    ASSERT_EQ(anzahl, QStringLiteral("20000 Vokabeln werden übernommen, 0 übersprungen"));
    ASSERT_EQ(d.tblDatei->columnCount(), 2);

    EXPECT_EQ(MitAbbruch(d, [&d] { d.cboTrenner->setCurrentIndex(d.cboTrenner->findData(QStringLiteral(","))); },
                         QStringLiteral("Die Datei wird neu gelesen …")),
              1);
    EXPECT_EQ(d.cboTrenner->currentData().toString(), QStringLiteral(";"));
    EXPECT_EQ(d.tblDatei->columnCount(), 2);
    EXPECT_EQ(d.tblDatei->item(0, 1)->text(), QStringLiteral("Katze,Mieze"));
    EXPECT_EQ(d.lblAnzahl->text(), anzahl);
    EXPECT_EQ(d.Vorlage().einstellungen.trenner, QChar(u';'));
    EXPECT_EQ(Paare(d).constFirst(), QStringLiteral("cat|Katze,Mieze"));

    EXPECT_EQ(MitAbbruch(d, [&d] { Klick(d.cmdTauschen); }, QStringLiteral("Die Vokabeln werden zusammengestellt …")),
              1);
    EXPECT_EQ(d.cboVokabel->currentIndex(), 0);
    EXPECT_EQ(d.tblPaare->item(0, 1)->text(), QStringLiteral("cat"));
    EXPECT_EQ(Paare(d).constFirst(), QStringLiteral("cat|Katze,Mieze"));

    // Not cancelled, the new reading is shown.
    d.cboTrenner->setCurrentIndex(d.cboTrenner->findData(QStringLiteral(",")));
    dlgImportVorschau::FortschrittNach = 500;
    EXPECT_EQ(d.tblDatei->columnCount(), 2);
    EXPECT_EQ(d.tblDatei->item(0, 0)->text(), QStringLiteral("cat;Katze"));
    EXPECT_EQ(d.cboTrenner->currentData().toString(), QStringLiteral(","));
    EXPECT_EQ(Paare(d).constFirst(), QStringLiteral("cat;Katze|Mieze"));
    EXPECT_EQ(d.tblPaare->item(0, 1)->text(), QStringLiteral("cat;Katze"));
}
