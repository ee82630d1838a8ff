// Choosing a list: the chooser in both modes and the new-or-existing question before it.
#include "ui/LabelButton.h"
#include "common/UiHilfen.h"
#include "lists/Listenwahl.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

// Runs with the temporary program folder as the current directory, where the chooser looks.
class DateiwahlTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        QDir::setCurrent(ordner.pfad());
    }
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    void Leer(const char* name) { SchreibeBytes(ordner.datei(name), QByteArray()); }

    // Types a new name into a shown chooser and presses "ok".
    void NeuerName(dlgFilewahl& w, const QString& name)
    {
        w.show();
        w.txtNewFile->setText(name);
        Klick(w.lblok);
    }
};

QStringList Eintraege(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

TEST_F(DateiwahlTest, NewNamesGetTheListExtension)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"Englisch", "Englisch.dva"}, {"Englisch.txt", "Englisch.dva"},
        {"a.b.c", "a.dva"},           {"x.dva", "x.dva"},
        {"Grüße", "Grüße.dva"},
    };
    for (auto [eingabe, erwartet] : faelle) {
        sounds.clear();
        dlgFilewahl w(1, Dateiwahl::Neu);
        EXPECT_TRUE(w.txtNewFile->isVisibleTo(&w));
        EXPECT_FALSE(w.cboFilename->isVisibleTo(&w));
        NeuerName(w, QString::fromUtf8(eingabe));
        EXPECT_EQ(w.result(), QDialog::Accepted) << eingabe;
        EXPECT_EQ(w.Filename(), ordner.pfad() + "/" + QString::fromUtf8(erwartet)) << eingabe;
        EXPECT_TRUE(w.Neu());
        EXPECT_EQ(sounds, (std::vector<int>{2, 2})) << "on opening and after ok";
    }
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(DateiwahlTest, RefusedNamesKeepTheChooserOpenWithTheText)
{
    const QString namen[] = {
        "a/b", "a\\b", QString("a") + QChar(0x01) + "b", QString::fromUtf8("Lat\uE000"),
        ".dva", "afile", "AFILE.txt",
        QString(119, QChar(0x2020)), // found by fuzzing: 357 bytes, no such file can exist
    };
    for (const QString& name : namen) {
        meldungen.clear();
        dlgFilewahl w(1, Dateiwahl::Neu);
        NeuerName(w, name);
        EXPECT_TRUE(w.isVisible()) << name.toStdString();
        EXPECT_NE(w.result(), QDialog::Accepted) << name.toStdString();
        EXPECT_EQ(w.txtNewFile->text(), name);
        EXPECT_TRUE(w.Filename().isEmpty()) << name.toStdString();
        ASSERT_EQ(meldungen.size(), 1u) << name.toStdString();
        EXPECT_EQ(meldungen[0].titel, QString::fromUtf8("Ungültiger Name"));
        EXPECT_FALSE(meldungen[0].text.isEmpty());

        // Corrected, the same chooser accepts it.
        w.txtNewFile->setText("Neu");
        Klick(w.lblok);
        EXPECT_EQ(w.Filename(), ordner.datei("Neu.dva"));
    }
}

TEST_F(DateiwahlTest, ListModeOffersExactlyThePatternSortedWithoutCase)
{
    for (const char* n : {"b.dva", "A.dva", "Z.dva", "c.DVA", "b.dvb", "y.dva.bak", "notiz.txt"})
        Leer(n);
    QDir(ordner.pfad()).mkdir("ordner.dva");

    dlgFilewahl w(1, Dateiwahl::Vorhanden);
    EXPECT_FALSE(w.txtNewFile->isVisibleTo(&w));
    EXPECT_FALSE(w.cboFilename->isEditable());
    EXPECT_EQ(Eintraege(w.cboFilename), (QStringList{"A.dva", "b.dva", "c.DVA", "Z.dva"}));
    EXPECT_EQ(w.cboFilename->currentIndex(), 0);

    // Enter takes the chosen name, like "ok".
    w.show();
    w.cboFilename->setCurrentIndex(1);
    QTest::keyClick(w.cboFilename, Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.Filename(), ordner.datei("b.dva"));
    EXPECT_FALSE(w.Neu());

    dlgFilewahl stufe2(2, Dateiwahl::Vorhanden);
    EXPECT_EQ(Eintraege(stufe2.cboFilename), QStringList{"b.dvb"});
    dlgFilewahl stufe3(3, Dateiwahl::Vorhanden);
    EXPECT_EQ(stufe3.cboFilename->count(), 0);
}

// Every chooser (practice, test, editor, deletion, import target, export, print) lists
// through this one dialog: hidden files and the scratch list "afile" are never offered,
// so nothing preselects them either.
TEST_F(DateiwahlTest, HiddenFilesAndTheScratchListAreNeverOffered)
{
    const struct { const char* zeile; const char* name; bool angeboten; } faelle[] = {
        {"ordinary list", "Englisch.dva", true},
        {"hidden list", ".Englisch.dva", false},
        {"hidden, sorting first", ".aaa.dva", false},
        {"editor scratch list", "afile.dva", false},
        {"scratch list in capitals", "AFILE.dva", false},
        {"scratch list mixed case", "Afile.dva", false},
        {"longer name", "afile2.dva", true},
        {"inside a name", "Schafile.dva", true},
    };
    for (const auto& f : faelle)
        Leer(f.name);
    QStringList erwartet;
    for (const auto& f : faelle) {
        const QStringList liste = dlgFilewahl::Dateiliste(ordner.pfad(), "*.dva");
        EXPECT_EQ(liste.contains(QString::fromUtf8(f.name)), f.angeboten) << f.zeile;
        if (f.angeboten)
            erwartet << f.name;
    }

    dlgFilewahl w(1, Dateiwahl::Vorhanden);
    const QStringList angeboten = Eintraege(w.cboFilename);
    EXPECT_EQ(angeboten.size(), erwartet.size());
    for (const QString& n : erwartet)
        EXPECT_TRUE(angeboten.contains(n)) << n.toStdString();
    EXPECT_EQ(w.cboFilename->currentText(), "afile2.dva") << "the first offered, not the scratch list";

    // The stage lists of the scratch list are not offered either.
    Leer("afile.dvb");
    Leer(".Englisch.dvb");
    dlgFilewahl stufe2(2, Dateiwahl::Vorhanden);
    EXPECT_EQ(stufe2.cboFilename->count(), 0);
}

// A list is offered in any case of its extension, and a stage list only beside its main
// list: one left over from a deletion would bring the deleted list back.
TEST_F(DateiwahlTest, StageListsAreOfferedOnlyBesideTheirListInAnyCase)
{
    const struct { const char* zeile; const char* name; const char* muster; bool angeboten; } faelle[] = {
        {"upper-case list", "GROSS.DVA", "*.dva", true},
        {"its stage 2", "GROSS.DVB", "*.dvb", true},
        {"its stage 3 in mixed case", "GROSS.Dvc", "*.dvc", true},
        {"lower-case list", "klein.dva", "*.dva", true},
        {"stage 2 named in capitals beside it", "klein.DVB", "*.dvb", true},
        {"stage 2 without its list", "weg.dvb", "*.dvb", false},
        {"stage 3 without its list", "WEG.DVC", "*.dvc", false},
        {"scratch file", "klein.dvd", "*.dva", false},
    };
    for (const auto& f : faelle)
        Leer(f.name);
    for (const auto& f : faelle)
        EXPECT_EQ(dlgFilewahl::Dateiliste(ordner.pfad(), f.muster).contains(f.name), f.angeboten) << f.zeile;
}

TEST_F(DateiwahlTest, NothingToTakeGivesAnEmptyFilename)
{
    {
        dlgFilewahl w(1, Dateiwahl::Vorhanden); // empty folder: empty list
        w.show();
        Klick(w.lblok);
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_TRUE(w.Filename().isEmpty());
        EXPECT_FALSE(w.Neu());
    }
    {
        dlgFilewahl w(1, Dateiwahl::Neu); // no name typed
        NeuerName(w, QString());
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_TRUE(w.Filename().isEmpty());
        EXPECT_TRUE(w.Neu());
        EXPECT_TRUE(meldungen.empty());
    }
}

TEST_F(DateiwahlTest, EveryWayOutOfTheChooserClearsTheFilename)
{
    Leer("Englisch.dva");
    const std::function<void(dlgFilewahl&)> wege[] = {
        [](dlgFilewahl& w) { Klick(w.lblCancle); },
        [](dlgFilewahl& w) { w.close(); },
        [](dlgFilewahl& w) { QTest::keyClick(&w, Qt::Key_Escape); },
    };
    for (Dateiwahl wahl : {Dateiwahl::Neu, Dateiwahl::Vorhanden}) {
        for (const auto& weg : wege) {
            dlgFilewahl w(1, wahl);
            w.show();
            w.txtNewFile->setText("Englisch");
            weg(w);
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(w.result(), QDialog::Rejected);
            EXPECT_TRUE(w.Filename().isEmpty()) << "Wahl " << int(wahl);
        }
    }
}

TEST_F(DateiwahlTest, CancellingTheQuestionClearsTheFilename)
{
    for (bool perKlick : {true, false}) {
        dlgWasTun w;
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Was möchtest du tun ???"));
        w.show();
        if (perKlick)
            Klick(w.lblCancle);
        else
            w.close();
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(w.Filename().isEmpty());
    }
    // The whole question gives nothing then.
    BeiModalVom<dlgWasTun>([](dlgWasTun* w) { Klick(w->lblCancle); });
    EXPECT_FALSE(NeuOderVorhanden(nullptr).has_value());
}

TEST_F(DateiwahlTest, NewFileRunsTheChooserForANameAndItsCancelLeavesNothing)
{
    bool gesehen = false;
    BeiModal([&](QWidget* m) {
        auto* frage = Als<dlgWasTun>(m);
        ASSERT_NE(frage, nullptr);
        BeiModal([&, frage](QWidget* m2) {
            auto* w = Als<dlgFilewahl>(m2);
            ASSERT_NE(w, nullptr);
            gesehen = true;
            EXPECT_FALSE(frage->isVisible()) << "only one of the two on screen";
            EXPECT_TRUE(w->txtNewFile->isVisible());
            EXPECT_FALSE(w->cboFilename->isVisible());
            EXPECT_EQ(w->muster(), "*.dva");
            EXPECT_TRUE(frage->Neu());
            w->txtNewFile->setText("Englisch");
            Klick(w->lblCancle);
        });
        Klick(frage->lblNewFile);
    });
    EXPECT_FALSE(NeuOderVorhanden(nullptr).has_value());
    EXPECT_TRUE(gesehen);
    EXPECT_FALSE(QFile::exists(ordner.datei("Englisch.dva")));

    // A name typed and accepted comes back as a new list.
    BeiModalVom<dlgWasTun>([](dlgWasTun* frage) {
        BeiModalVom<dlgFilewahl>([](dlgFilewahl* w) {
            w->txtNewFile->setText("Englisch");
            Klick(w->lblok);
        });
        Klick(frage->lblNewFile);
    });
    const auto neu = NeuOderVorhanden(nullptr);
    ASSERT_TRUE(neu.has_value());
    EXPECT_EQ(neu->Pfad, ordner.datei("Englisch.dva"));
    EXPECT_TRUE(neu->Neu);
}

// A new name that a list has already: asked, never added to silently. "Anderen Namen
// wählen" (the default, also Escape) goes back to the chooser with the name kept.
TEST_F(DateiwahlTest, ATakenNewNameAsksToAddOrToChooseAnother)
{
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    SchreibeBytes(ordner.datei("Englisch.dva"), alt);
    QStringList fragen;
    auto antworten = [&](const char* knopf) {
        BeiModal([&, knopf](QWidget* m) {
            auto* box = Als<QMessageBox>(m);
            ASSERT_NE(box, nullptr);
            fragen << box->text();
            EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8("Anderen Namen wählen"));
            if (!knopf)
                return QTest::keyClick(box, Qt::Key_Escape);
            KnopfKlicken(box, QString::fromUtf8(knopf));
        });
    };
    QString behalten;
    BeiModalVom<dlgWasTun>([&](dlgWasTun* frage) {
        BeiModalVom<dlgFilewahl>([&](dlgFilewahl* w) {
            w->txtNewFile->setText("Englisch");
            for (const char* knopf : {static_cast<const char*>(nullptr), "Anderen Namen wählen"}) {
                antworten(knopf);
                Klick(w->lblok);
                EXPECT_TRUE(w->isVisible());
            }
            behalten = w->txtNewFile->text();
            antworten("Anfügen");
            Klick(w->lblok);
        });
        Klick(frage->lblNewFile);
    });
    const auto wahl = NeuOderVorhanden(nullptr);
    const QString text = QString::fromUtf8("Die Liste „Englisch“ gibt es schon. Möchtest du die neuen Vokabeln dort anfügen?");
    EXPECT_EQ(fragen, QStringList({text, text, text}));
    EXPECT_EQ(behalten, "Englisch");
    ASSERT_TRUE(wahl.has_value());
    EXPECT_EQ(wahl->Pfad, ordner.datei("Englisch.dva"));
    EXPECT_FALSE(wahl->Neu);
    EXPECT_EQ(LiesBytes(ordner.datei("Englisch.dva")), alt);
}

TEST_F(DateiwahlTest, ExistingFileRunsTheListAndComesBackNotNew)
{
    Leer("Franz.dva");
    Leer("Englisch.dva");
    BeiModal([&](QWidget* m) {
        auto* frage = Als<dlgWasTun>(m);
        ASSERT_NE(frage, nullptr);
        BeiModal([](QWidget* m2) {
            auto* w = Als<dlgFilewahl>(m2);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->cboFilename->isVisible());
            EXPECT_FALSE(w->txtNewFile->isVisible());
            EXPECT_EQ(w->cboFilename->currentText(), "Englisch.dva");
            Klick(w->lblok);
        });
        Klick(frage->lbloldFile);
    });
    const auto wahl = NeuOderVorhanden(nullptr);
    ASSERT_TRUE(wahl.has_value());
    EXPECT_EQ(wahl->Pfad, ordner.datei("Englisch.dva"));
    EXPECT_FALSE(wahl->Neu);
}

// The one chooser call of practice, test, editor, delete and transfer: the stage it is
// given, the question as title, the existing lists, and the path back (nothing on cancel).
TEST_F(DateiwahlTest, ListeWaehlenAsksForTheGivenStageAndReturnsThePath)
{
    Leer("Englisch.dva");
    Leer("Englisch.dvb");
    Leer("Franz.dva"); // a stage list is offered only beside its list
    Leer("Franz.dvc");
    const struct { const char* name; qint16 stufe; bool abbrechen; const char* muster; const char* liste; } faelle[] = {
        {"stage 1", 1, false, "*.dva", "Englisch.dva"},
        {"stage 2", 2, false, "*.dvb", "Englisch.dvb"},
        {"stage 3", 3, false, "*.dvc", "Franz.dvc"},
        {"cancel", 2, true, "*.dvb", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QString titel, muster;
        bool liste = false;
        BeiModalVom<dlgFilewahl>([&](dlgFilewahl* w) {
            titel = w->windowTitle();
            muster = w->muster();
            liste = w->cboFilename->isVisible() && !w->txtNewFile->isVisible();
            Klick(f.abbrechen ? w->lblCancle : w->lblok);
        });
        const auto pfad = ListeWaehlen(nullptr, QStringLiteral("Welche?"), f.stufe);
        EXPECT_EQ(titel, "Welche?");
        EXPECT_EQ(muster, f.muster);
        EXPECT_TRUE(liste);
        if (f.abbrechen)
            EXPECT_FALSE(pfad.has_value());
        else
            EXPECT_EQ(pfad.value_or("nothing"), ordner.datei(f.liste));
    }
}

} // namespace
