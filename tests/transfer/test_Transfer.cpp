// The three menu items: where they sit, the import flow through the existing dialogs,
// and the printed PDF of the demo list.
#include "app/LabelButton.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "transfer/PdfDruck.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>

using namespace lerno;
using namespace testhilfen;

namespace {

class TransferTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QDir::setCurrent(ordner.pfad());
    }
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
};

// Types a path into Qt's file dialog and accepts it, as a user would with the keyboard.
void DateiWaehlen(const QString& pfad)
{
    BeiModalVom<QFileDialog>([pfad](QFileDialog* d) {
        EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
        d->selectFile(pfad);
        static_cast<QDialog*>(d)->accept(); // QFileDialog hides accept()
    });
}

QString PdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page count from the footers, after checking that every page carries its number.
int Seiten(const QString& text, const QString& titel)
{
    const int seiten = text.section(titel + QStringLiteral(" – Seite 1 von "), 1, 1).section(u'\n', 0, 0).toInt();
    for (int s = 1; s <= seiten; ++s)
        EXPECT_TRUE(text.contains(QStringLiteral("%1 – Seite %2 von %3").arg(titel).arg(s).arg(seiten))) << s;
    return seiten;
}

} // namespace

TEST_F(TransferTest, MenuHasTheThreeItemsJustBeforeProgrammBeenden)
{
    frmStart start;
    QStringList texte;
    for (QAction* a : start.mnuDatei->actions())
        texte << a->text();
    EXPECT_EQ(texte, QStringList({"&Vokabeln Eingeben", "Vokabeln &Üben", "Vokabeln &löschen",
                                  "Vokabeln &bearbeiten", "Vokabel &Test", "Vokabeln &importieren …",
                                  "Vokabeln e&xportieren …", "Vokabeln &drucken …", "&Programm beenden"}));
}

TEST_F(TransferTest, ImportIntoAnExistingListThroughTheChooser)
{
    frmStart start;
    SchreibeBytes(ordner.datei("Vokabeln/Englisch.dva"), CpZeilen({"099#alt#old#2#0#"}));
    SchreibeBytes(ordner.datei("liste.csv"), "Vokabel;Bedeutung\r\nnew;neu\r\nbad#;x\r\nlast;zuletzt\r\n");
    QDir::setCurrent(ordner.datei("Vokabeln"));

    DateiWaehlen(ordner.datei("liste.csv"));
    BeiModalVom<dlgWasTun>([](dlgWasTun* d) { Klick(d->lbloldFile); });
    BeiModalVom<dlgFilewahl>([](dlgFilewahl* d) {
        d->cboFilename->setCurrentText(QStringLiteral("Englisch.dva"));
        Klick(d->lblok);
    });
    start.mnuImport->trigger();

    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Englisch.dva")),
              CpZeilen({"099#alt#old#2#0#", "100#new#neu#0#0#", "001#last#zuletzt#0#0#"}));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].titel, QStringLiteral("Vokabeln importieren"));
    EXPECT_EQ(meldungen[0].text, QStringLiteral("2 Vokabeln wurden in „Englisch“ aufgenommen.\n"
                                                "1 Vokabel wurde übersprungen:\n"
                                                "Zeile 3: enthält das Zeichen „#“"));
    EXPECT_FALSE(frmStart::Neu);
}

TEST_F(TransferTest, CancelOrNothingToImportCreatesNoList)
{
    frmStart start;
    QDir::setCurrent(ordner.datei("Vokabeln"));
    const QStringList vorher = QDir().entryList(QDir::Files | QDir::Hidden);

    // Cancel in the new-or-existing dialog.
    SchreibeBytes(ordner.datei("gut.tsv"), "a\tb\r\n");
    DateiWaehlen(ordner.datei("gut.tsv"));
    BeiModalVom<dlgWasTun>([](dlgWasTun* d) { Klick(d->lblCancle); });
    start.mnuImport->trigger();
    EXPECT_TRUE(meldungen.empty());

    // A file without one usable pair: told why, never asked for a list.
    SchreibeBytes(ordner.datei("leer.csv"), "nur;\r\n");
    DateiWaehlen(ordner.datei("leer.csv"));
    start.mnuImport->trigger();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("In „leer.csv“ steht keine Vokabel, die Lerno aufnehmen kann.\n"
                                                "1 Vokabel wurde übersprungen:\nZeile 1: Bedeutung ist leer"));
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), vorher);
}

// pdftotext must find every pair of the demo list in its PDF.
TEST_F(TransferTest, DemoListPdfHoldsEveryPair)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto zeilen = ZeilenLesen(QStringLiteral(LERNO_DEMO_LISTE));
    ASSERT_TRUE(zeilen && zeilen->size() > 20);
    QList<WortPaar> paare;
    for (const QString& z : *zeilen)
        paare.append(EintragLesen(z).value());

    const QString pdf = ordner.datei("Demo.pdf");
    ASSERT_TRUE(PdfSchreiben(pdf, QStringLiteral("Demo"), paare));
    const QString text = PdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Demo")));
    for (const WortPaar& p : paare) {
        // Word and meaning stand on one line, in this order, across the fold.
        const QString zeile = text.section(p.Vokabel, 1, 1).section(u'\n', 0, 0);
        EXPECT_TRUE(zeile.contains(p.Bedeutung)) << p.Vokabel.toStdString() << " | " << p.Bedeutung.toStdString();
    }
    EXPECT_GE(Seiten(text, QStringLiteral("Demo")), 1);
}

TEST_F(TransferTest, LongListsGetPagesAndLongWordsWrap)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QList<WortPaar> paare;
    for (int i = 1; i <= 120; ++i)
        paare.append({QStringLiteral("Wort%1").arg(i), QStringLiteral("Bedeutung%1 äöüß").arg(i)});
    paare.append({QString(80, u'x'), QStringLiteral("ende")});
    const QString pdf = ordner.datei("lang.pdf");
    ASSERT_TRUE(PdfSchreiben(pdf, QStringLiteral("Lang"), paare));
    const QString text = PdfText(pdf);
    EXPECT_GT(Seiten(text, QStringLiteral("Lang")), 1);
    for (int i = 1; i <= 120; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Bedeutung%1 äöüß").arg(i))) << i;
    // The long word is broken inside its column, so no line of it reaches the meaning column.
    EXPECT_FALSE(text.contains(QString(80, u'x')));
    EXPECT_EQ(text.count(u'x'), 80);
}
