// The three menu items: where they sit, the import flow through the existing dialogs,
// and the printed PDF of the demo list.
#include "ui/LabelButton.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "transfer/PdfDruck.h"
#include "transfer/dlgImportVorschau.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "lists/DateiErsetzen.h"

#include <cerrno>

using namespace lerno;
using namespace testhilfen;

namespace {

class TransferTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QDir::setCurrent(ordner.pfad());
        // The import preview is accepted with Enter, as its defaults are meant to be
        // right; its own tests drive it themselves.
        vorschau.setInterval(10);
        QObject::connect(&vorschau, &QTimer::timeout, [] {
            auto* d = qobject_cast<dlgImportVorschau*>(QApplication::activeModalWidget());
            if (d && d->isVisible())
                QTest::keyClick(d, Qt::Key_Return);
        });
        vorschau.start();
    }
    void TearDown() override
    {
        vorschau.stop();
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    QTimer vorschau;
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

TEST_F(TransferTest, MenuHasTheThreeItemsAfterVokabelTestThenLernstand)
{
    frmStart start;
    QStringList texte;
    for (QAction* a : start.mnuDatei->actions())
        texte << a->text();
    EXPECT_EQ(texte, QStringList({"&Vokabeln Eingeben", "Vokabeln &Üben", "&Heute üben", "Vokabeln &löschen",
                                  "Vokabeln &bearbeiten", "Vokabel &Test", "Vokabeln &importieren …",
                                  "Vokabeln e&xportieren …", "Vokabeln &drucken …", "Lern&stand …",
                                  "&Klassenarbeit planen …", "&Programm beenden"}));
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
                                                "Zeile 3: Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen"));
}

TEST_F(TransferTest, ImportThatCannotWriteChangesNothingAndSaysWhy)
{
    struct Fall {
        const char* name;
        bool schreibgeschuetzt;
        QString meldung;
    };
    const Fall faelle[] = {
        {"write-protected list", true, QString::fromUtf8("Die Liste „Englisch“ ist schreibgeschützt.")},
        {"disk full", false,
         QString::fromUtf8("Die Vokabeln wurden nicht in „Englisch“ aufgenommen. Der Datenträger ist voll.")},
    };
    const QByteArray alt = CpZeilen({"099#alt#old#2#0#"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        meldungen.clear();
        frmStart start;
        const QString liste = ordner.datei("Vokabeln/Englisch.dva");
        QFile::setPermissions(liste, QFile::ReadOwner | QFile::WriteOwner);
        SchreibeBytes(liste, alt);
        if (f.schreibgeschuetzt)
            ASSERT_TRUE(QFile::setPermissions(liste, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        else
            SetzeErsetzenFehlerHook([](ErsetzenSchritt s) {
                if (s != ErsetzenSchritt::Schreiben)
                    return true;
                errno = ENOSPC;
                return false;
            });
        SchreibeBytes(ordner.datei("liste.csv"), "new;neu\r\n");
        QDir::setCurrent(ordner.datei("Vokabeln"));
        DateiWaehlen(ordner.datei("liste.csv"));
        BeiModalVom<dlgWasTun>([](dlgWasTun* d) { Klick(d->lbloldFile); });
        BeiModalVom<dlgFilewahl>([](dlgFilewahl* d) {
            d->cboFilename->setCurrentText(QStringLiteral("Englisch.dva"));
            Klick(d->lblok);
        });
        start.mnuImport->trigger();
        SetzeErsetzenFehlerHook(nullptr);
        EXPECT_EQ(meldungen, (std::vector<Meldung>{{f.meldung, "Dateifehler"}}));
        EXPECT_EQ(LiesBytes(liste), alt);
    }
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

    // A file far too big for a word list is not read at all.
    QFile riesig(ordner.datei("riesig.csv"));
    ASSERT_TRUE(riesig.open(QIODevice::WriteOnly) && riesig.resize(65 * 1024 * 1024));
    riesig.close();
    DateiWaehlen(riesig.fileName());
    start.mnuImport->trigger();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].text, QStringLiteral("Die Datei „riesig.csv“ ist zu groß für eine Vokabelliste."));
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), vorher);
}

// pdftotext must find every pair of the demo list in its PDF, a long word included.
TEST_F(TransferTest, DemoListPdfHoldsEveryPair)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto zeilen = ZeilenLesen(QStringLiteral(LERNO_DEMO_LISTE));
    ASSERT_TRUE(zeilen && zeilen->size() > 20);
    QList<WortPaar> paare;
    for (const QString& z : *zeilen)
        paare.append(EintragLesen(z).value());
    const QString lang(80, u'x');

    const QString pdf = ordner.datei("Demo.pdf");
    ASSERT_TRUE(PdfSchreiben(pdf, QStringLiteral("Demo"), paare + QList<WortPaar>{{lang, QStringLiteral("ende")}}));
    const QString text = PdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Demo")));
    for (const WortPaar& p : paare) {
        // Word and meaning stand on one line, in this order, across the fold.
        const QString zeile = text.section(p.Vokabel, 1, 1).section(u'\n', 0, 0);
        EXPECT_TRUE(zeile.contains(p.Bedeutung)) << p.Vokabel.toStdString() << " | " << p.Bedeutung.toStdString();
    }
    EXPECT_GT(Seiten(text, QStringLiteral("Demo")), 1);
    // The long word is broken inside its column: it stands there whole, in pieces
    // (the demo list itself has no "xx").
    qsizetype stuecke = 0, laenge = 0;
    for (const QString& s : text.split(QRegularExpression(QStringLiteral("[^x]+")), Qt::SkipEmptyParts))
        if (s.size() > 1) {
            ++stuecke;
            laenge += s.size();
        }
    EXPECT_GE(stuecke, 2);
    EXPECT_EQ(laenge, 80);
}
