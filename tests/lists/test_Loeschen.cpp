// Deleting a whole list: chooser, confirmation, removal of every member; also from the
// start screen.
#include "ui/LabelButton.h"
#include "ui/PictureControl.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgFrage.h"
#include "lists/dlgWasTun.h"
#include "lists/moddelfile.h"
#include "lists/Listensprache.h"
#include "lists/ListeEntfernen.h"
#include "lists/Reste.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace lerno;
using namespace testhilfen;

namespace {

const char* const Mitglieder[] = {"Englisch.dva", "Englisch.dvb", "Englisch.dvc", "Englisch.dvd"};

class LoeschenTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        QDir::setCurrent(ordner.pfad());
        frmStart::Programmende = [] {};
    }
    void TearDown() override
    {
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
    void Anlegen(const QString& pfad) { SchreibeBytes(pfad, CpZeilen({"001#a#b#0#0#"})); }
    bool Da(const QString& name) const { return QFile::exists(ordner.datei(name)); }

    // Fails the test if a modal window shows up while `wachen` is alive, and closes it.
    void KeinModal(QObject* wachen, bool& erschienen)
    {
        QTimer::singleShot(300, wachen, [&erschienen] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                erschienen = true;
                m->close();
            }
        });
    }
};

TEST_F(LoeschenTest, ConfirmedDeletionRemovesEveryMemberAndNothingElse)
{
    for (const char* n : Mitglieder)
        Anlegen(ordner.datei(n));
    for (const char* n : {"Franz.dva", "Franz.dvb", "Englisch.txt", "Englisch.dva.bak"})
        Anlegen(ordner.datei(n));
    // Deleting always lists the .dva lists.
    bool gefragt = false;
    BeiModal([&](QWidget* m) {
        auto* w = Als<dlgFilewahl>(m);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Welche Vokabeln möchtest du löschen ?"));
        EXPECT_TRUE(w->cboFilename->isVisible());
        EXPECT_EQ(w->muster(), "*.dva");
        EXPECT_EQ(w->cboFilename->count(), 2);
        EXPECT_EQ(w->cboFilename->currentText(), "Englisch.dva");
        BeiModalVom<dlgFrage>([&](dlgFrage* frage) {
            gefragt = true;
            EXPECT_EQ(frage->windowTitle(), "Bist du dir sicher ???");
            for (const char* n : Mitglieder)
                EXPECT_TRUE(Da(n)) << "nothing goes before the answer: " << n;
            Klick(frage->lblok);
        });
        Klick(w->lblok);
    });
    moddelfile::ListeLoeschen(nullptr);

    EXPECT_TRUE(gefragt);
    for (const char* n : Mitglieder)
        EXPECT_FALSE(Da(n)) << n;
    for (const char* n : {"Franz.dva", "Franz.dvb", "Englisch.txt", "Englisch.dva.bak"})
        EXPECT_TRUE(Da(n)) << n;
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(LoeschenTest, MissingMembersAreSkippedSilently)
{
    Anlegen(ordner.datei("Englisch.dva"));
    Anlegen(ordner.datei("Englisch.dvc"));
    const QString liste = ordner.datei("Englisch.dva");
    dlgFrage frage(liste);
    frage.show();
    Klick(frage.lblok);
    EXPECT_EQ(frage.result(), QDialog::Accepted);
    EXPECT_FALSE(Da("Englisch.dva"));
    EXPECT_FALSE(Da("Englisch.dvc"));
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(LoeschenTest, CancelOrCloseInTheQuestionDeletesNothing)
{
    for (const char* n : Mitglieder)
        Anlegen(ordner.datei(n));
    for (bool perKlick : {true, false}) {
        const QString liste = ordner.datei("Englisch.dva");
        dlgFrage frage(liste);
        frage.show();
        if (perKlick)
            Klick(frage.lblCancle);
        else
            frage.close();
        EXPECT_EQ(frage.result(), QDialog::Rejected);
        for (const char* n : Mitglieder)
            EXPECT_TRUE(Da(n)) << n;
    }
}

TEST_F(LoeschenTest, NoQuestionAfterACancelOrFromAnEmptyFolder)
{
    for (bool leererOrdner : {false, true}) {
        if (!leererOrdner)
            Anlegen(ordner.datei("Englisch.dva"));
        else
            QFile::remove(ordner.datei("Englisch.dva"));
        QObject wache;
        bool erschienen = false;
        BeiModal([&](QWidget* m) {
            auto* w = Als<dlgFilewahl>(m);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->cboFilename->count(), leererOrdner ? 0 : 1);
            Klick(leererOrdner ? w->lblok : w->lblCancle);
            KeinModal(&wache, erschienen);
        });
        moddelfile::ListeLoeschen(nullptr);
        EXPECT_FALSE(QTest::qWaitFor([&] { return bool(erschienen); }, 350));
        EXPECT_FALSE(erschienen) << "leerer Ordner: " << leererOrdner;
        EXPECT_EQ(Da("Englisch.dva"), !leererOrdner);
    }
}

TEST_F(LoeschenTest, HoverFromTheBackgroundSoundsOnceAndEnlarges)
{
    dlgFrage frage(ordner.datei("Englisch.dva"));
    frage.show();
    MausUeber(frage.hintergrund);
    sounds.clear();
    MausUeber(frage.lblok);
    MausUeber(frage.lblok);
    MausUeber(frage.lblCancle); // not via the background: stays small
    EXPECT_EQ(sounds, std::vector<int>{2});
    EXPECT_TRUE(frage.lblok->istFett());
    EXPECT_EQ(frage.lblok->punkt(), 14);
    EXPECT_FALSE(frage.lblCancle->istFett());

    MausUeber(frage.hintergrund);
    EXPECT_FALSE(frage.lblok->istFett());
    EXPECT_EQ(frage.lblok->punkt(), 12);
    MausUeber(frage.lblCancle);
    EXPECT_EQ(sounds, (std::vector<int>{2, 2}));
    EXPECT_TRUE(frage.lblCancle->istFett());
}

TEST_F(LoeschenTest, AMemberThatCannotBeDeletedIsReportedAndTheRestStillGo)
{
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvd"})
        Anlegen(ordner.datei(n));
    // A folder in a member's place cannot be deleted as a file, whoever runs the test.
    ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Englisch.dvc/inhalt"));
    const QString liste = ordner.datei("Englisch.dva");
    dlgFrage frage(liste);
    frage.show();
    Klick(frage.lblok);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], (Meldung{QString::fromUtf8("Fehler beim öffnen der Datei"), "Dateifehler"}));
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvd"})
        EXPECT_FALSE(Da(n)) << n;
}

TEST_F(LoeschenTest, AWriteProtectedListIsKeptWhole)
{
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvc"})
        Anlegen(ordner.datei(n));
    ASSERT_TRUE(QFile::setPermissions(ordner.datei("Englisch.dvc"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString liste = ordner.datei("Englisch.dva");
    dlgFrage frage(liste);
    frage.show();
    Klick(frage.lblok);
    EXPECT_EQ(meldungen, (std::vector<Meldung>{{QString::fromUtf8("Die Liste „Englisch“ ist schreibgeschützt."),
                                                "Dateifehler"}}));
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvc"})
        EXPECT_TRUE(Da(n)) << n;
    EXPECT_FALSE(frage.isVisible());
}

TEST_F(LoeschenTest, AReadOnlyFolderReportsEachExistingMember)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    ASSERT_TRUE(QDir(ordner.pfad()).mkdir("fest"));
    const QString fest = ordner.datei("fest");
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvc"})
        Anlegen(fest + "/" + n);
    QFile::setPermissions(fest, QFile::ReadOwner | QFile::ExeOwner);
    const QString liste = fest + "/Englisch.dva";
    {
        dlgFrage frage(liste);
        frage.show();
        Klick(frage.lblok);
    }
    QFile::setPermissions(fest, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(meldungen.size(), 3u) << "one per existing member, none for the missing .dvd";
    for (const char* n : {"Englisch.dva", "Englisch.dvb", "Englisch.dvc"})
        EXPECT_TRUE(QFile::exists(fest + "/" + n)) << n;
}

TEST_F(LoeschenTest, StartScreenLabelAndMenuDeleteAndThenSound)
{
    frmStart start;
    const QString vokabeln = ordner.datei("Vokabeln");
    ASSERT_EQ(QDir::current().absolutePath(), QDir(vokabeln).absolutePath());
    for (const char* n : {"A.dva", "A.dvb", "B.dva"})
        Anlegen(vokabeln + "/" + n);

    // The label deletes the first list, the menu item the next.
    for (bool perMenue : {false, true}) {
        sounds.clear();
        BeiModal([](QWidget* m) {
            auto* w = Als<dlgFilewahl>(m);
            ASSERT_NE(w, nullptr);
            BeiModalVom<dlgFrage>([](dlgFrage* frage) { Klick(frage->lblok); });
            Klick(w->lblok);
        });
        if (perMenue)
            start.mnuDelFiles->trigger();
        else
            Klick(start.lblLoeschen);
        ASSERT_FALSE(sounds.empty());
        EXPECT_EQ(sounds.back(), 2) << "after the deletion";
    }
    EXPECT_TRUE(QDir(vokabeln).entryList(QDir::Files).isEmpty());
}

} // namespace

// The deleted list's language goes with it; the other lists keep theirs.
TEST_F(LoeschenTest, DeletingAListRemovesItsLanguageEntryOnly)
{
    Anlegen(ordner.datei("Englisch.dva"));
    Anlegen(ordner.datei("Vokabeln 7.dva"));
    ASSERT_TRUE(ListenspracheSetzen(ordner.datei("Englisch.dva"), QStringLiteral("Latein")));
    ASSERT_TRUE(ListenspracheSetzen(ordner.datei("Vokabeln 7.dva"), QStringLiteral("Spanisch")));
    const QString liste = ordner.datei("Englisch.dva");
    dlgFrage frage(liste);
    frage.show();
    Klick(frage.lblok);
    EXPECT_FALSE(Da("Englisch.dva"));
    const QMap<QString, QString> erwartet{{QStringLiteral("Vokabeln 7.dva"), QStringLiteral("Spanisch")}};
    EXPECT_EQ(ListensprachenLesen(ordner.pfad()), erwartet);
}

// A kill at any instant of a deletion, then the next start: the list is there whole (its
// .dva as it was) or no chooser of any stage offers it, nothing of it is left in the
// folder, and its language line goes no later than its .dva.
TEST_F(LoeschenTest, AKillAtAnyInstantLeavesTheWholeListOrNone)
{
    for (const char* n : Mitglieder)
        Anlegen(ordner.datei(n));
    Anlegen(ordner.datei("Andere.dva"));
    const QString liste = ordner.datei("Englisch.dva");
    ASSERT_TRUE(ListenspracheSetzen(liste, QStringLiteral("Englisch")));
    ASSERT_TRUE(ListenspracheSetzen(ordner.datei("Andere.dva"), QStringLiteral("Latein")));
    const QByteArray dva = LiesBytes(liste);

    QStringList schritte;
    auto killUndStart = [&](const QString& naechster) {
        schritte << QFileInfo(naechster).fileName();
        // The folder as a kill now would leave it, then the next start's clean-up.
        QTemporaryDir kopie;
        for (const QString& n : QDir(ordner.pfad()).entryList(QDir::Files | QDir::Hidden))
            QFile::copy(ordner.datei(n), kopie.filePath(n));
        ResteEntfernen(kopie.path());
        const bool ganz = QFile::exists(kopie.filePath("Englisch.dva")) && LiesBytes(kopie.filePath("Englisch.dva")) == dva;
        for (const char* muster : {"*.dva", "*.dvb", "*.dvc"})
            for (const QString& n : dlgFilewahl::Dateiliste(kopie.path(), muster))
                EXPECT_TRUE(n == "Andere.dva" || ganz) << "before " << schritte.last().toStdString()
                                                        << ": offered " << n.toStdString();
        if (!QFile::exists(kopie.filePath("Englisch.dva")))
            EXPECT_EQ(QDir(kopie.path()).entryList({"Englisch.*"}, QDir::Files).size(), 0);
        EXPECT_EQ(Listensprache(kopie.filePath("Andere.dva")), "Latein");
    };
    EXPECT_TRUE(ListeEntfernen(liste, killUndStart).isEmpty());
    killUndStart(QStringLiteral("(done)"));
    EXPECT_EQ(schritte, (QStringList{"Listensprachen.txt", "Englisch.dvg", "Englisch.dvd", "Englisch.dvc",
                                     "Englisch.dvb", "Englisch.dva", "(done)"}));
    EXPECT_TRUE(ListensprachenLesen(ordner.pfad()).value("Englisch.dva").isEmpty());
    EXPECT_TRUE(Da("Andere.dva"));
}
