// Starting a test: the way in from the start screen, the size check, the direction and
// the file-error report for a line that cannot be split.
#include "app/LabelButton.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "lists/Zufall.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"
#include "vocabtest/dlgTestfolge.h"
#include "vocabtest/frmVokTest.h"
#include "vocabtest/modVokTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

const QString ChooserTitel = QStringLiteral("Aus welchen Vokabeln soll ein Test erstellt werden ?");
const Meldung Dateifehler{QString::fromUtf8("Fehler beim öffnen der Datei"), QStringLiteral("Dateifehler")};

// n records; line k holds the foreign word "wk" and the meaning "Wk".
QByteArray Liste(int n)
{
    QByteArray b;
    for (int k = 1; k <= n; ++k)
        b += QByteArray::number(k) + "#w" + QByteArray::number(k) + "#W" + QByteArray::number(k) + "#0#0#\r\n";
    return b;
}

class VokTestStartenTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmStart::Soundok = true;
        frmStart::Filename.clear();
        dlgWasTun::Wahl = 0;
        dlgTestfolge::Fremdsprache = false;
        modVokTest::GezogeneZeilen.fill(0);
        ZufallZuruecksetzen();
        QDir::setCurrent(ordner.pfad());
    }
    void TearDown() override
    {
        *ende = true;
        frmStart::Programmende = {};
        frmStart::Filename.clear();
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }

    // Handles every modal window of type T that comes up until the test ends.
    template <typename T>
    void Immer(std::function<void(T*)> aktion)
    {
        auto fertig = ende;
        auto gesehen = std::make_shared<QPointer<T>>();
        auto pruefen = std::make_shared<std::function<void()>>();
        *pruefen = [=] {
            if (*fertig)
                return;
            auto* m = qobject_cast<T*>(QApplication::activeModalWidget());
            if (m && m->isVisible() && m != *gesehen) {
                *gesehen = m;
                aktion(m);
            }
            QTimer::singleShot(10, *pruefen);
        };
        QTimer::singleShot(0, *pruefen);
    }

    // The chooser takes its first list (checking what it offers).
    void ChooserNimmtErste(const QString& erwartet)
    {
        Immer<dlgFilewahl>([=, this](dlgFilewahl* w) {
            titel = w->windowTitle();
            EXPECT_EQ(w->cboFilename->currentText(), erwartet);
            Klick(w->lblok);
        });
    }

    std::shared_ptr<bool> ende = std::make_shared<bool>(false);
    QString titel;
};

TEST_F(VokTestStartenTest, StartScreenLabelAndMenuAskForAListAndPlaySound2AfterCancel)
{
    frmStart::Programmende = [] {};
    frmStart start; // <program folder>/Vokabeln becomes the current folder
    start.show();
    ASSERT_TRUE(start.bereit());
    frmStart::FileNr = 3;
    frmStart::Neu = true;
    Immer<dlgFilewahl>([this](dlgFilewahl* w) {
        titel = w->windowTitle();
        EXPECT_EQ(w->muster(), "*.dva");
        Klick(w->lblCancle);
    });
    for (bool ueberMenue : {false, true}) {
        sounds.clear();
        titel.clear();
        if (ueberMenue)
            start.mnuVokTest->trigger();
        else
            Klick(start.lblTest);
        EXPECT_EQ(titel, ChooserTitel);
        EXPECT_EQ(frmStart::FileNr, 1);
        EXPECT_FALSE(frmStart::Neu);
        EXPECT_EQ(dlgWasTun::Wahl, 2);
        EXPECT_TRUE(modVokTest::TestDatei.isEmpty());
        // The chooser's own sound, then the start screen's after the test returned.
        EXPECT_EQ(sounds, (std::vector<int>{2, 2}));
        EXPECT_TRUE(meldungen.empty());
    }
}

TEST_F(VokTestStartenTest, TwentyLinesAreRefusedAndTwentyOneAccepted)
{
    for (int n : {20, 21}) {
        meldungen.clear();
        SchreibeBytes(ordner.datei("Liste.dva"), Liste(n));
        bool folge = false, test = false;
        ChooserNimmtErste("Liste.dva");
        Immer<dlgTestfolge>([&](dlgTestfolge* w) { folge = true; Klick(w->lblFremdsprache); });
        Immer<frmVokTest>([&](frmVokTest* w) { test = true; Klick(w->lblcancler); });
        modVokTest::TestStarten(nullptr);
        *ende = true;
        ende = std::make_shared<bool>(false);
        EXPECT_EQ(modVokTest::TestZeilenzahl, n);
        EXPECT_EQ(folge, n == 21) << n;
        EXPECT_EQ(test, n == 21) << n;
        if (n == 20)
            EXPECT_EQ(meldungen, (std::vector<Meldung>{{modVokTest::ZuWenigText, "zu wenig Vokabeln"}}));
        else
            EXPECT_TRUE(meldungen.empty());
        EXPECT_EQ(LiesBytes(ordner.datei("Liste.dva")), Liste(n));
    }
    EXPECT_EQ(modVokTest::ZuWenigText, "Die Datei sollte mindestens 20 Vokabeln beinhalten");
}

TEST_F(VokTestStartenTest, DirectionsFillTheColumnsAndAFrameCloseKeepsThePrevious)
{
    SchreibeBytes(ordner.datei("Liste.dva"), Liste(30));
    // How the direction dialog is left, and the direction the test must then have.
    const struct { const char* wie; bool fremdsprache; } faelle[] = {
        {"frame", false}, // nothing chosen since start-up
        {"Deutsch", true},
        {"frame", true},  // kept from the choice before
        {"Fremdsprache", false},
    };
    for (const auto& f : faelle) {
        sounds.clear();
        const std::string wie = f.wie;
        bool gefuellt = false;
        ChooserNimmtErste("Liste.dva");
        Immer<dlgTestfolge>([&](dlgTestfolge* w) {
            if (wie == "frame")
                w->close();
            else
                Klick(wie == "Deutsch" ? w->LblDeutsch : w->lblFremdsprache);
        });
        Immer<frmVokTest>([&](frmVokTest* w) {
            gefuellt = true;
            for (int i = 0; i < modVokTest::Testzeilen; ++i) {
                const QString k = QString::number(modVokTest::GezogeneZeilen[i]);
                EXPECT_EQ(w->lblVokabel[i]->text(), (f.fremdsprache ? "W" : "w") + k) << wie << i;
                EXPECT_EQ(w->lblLoesung[i]->text(), (f.fremdsprache ? "w" : "W") + k) << wie << i;
                EXPECT_TRUE(w->txtEingabe[i]->text().isEmpty());
                EXPECT_FALSE(w->lblLoesung[i]->isVisible());
            }
            // Leaving before "ok": no grade and no sound of the test.
            w->txtEingabe[0]->setText(w->lblLoesung[0]->text());
            if (wie == "frame")
                QTest::keyClick(w->txtEingabe[0], Qt::Key_Escape);
            else
                Klick(w->lblcancler);
            EXPECT_FALSE(w->lblNote->isVisible());
        });
        modVokTest::TestStarten(nullptr);
        *ende = true;
        ende = std::make_shared<bool>(false);
        EXPECT_TRUE(gefuellt) << wie;
        EXPECT_EQ(dlgTestfolge::Fremdsprache, f.fremdsprache) << wie;
        EXPECT_EQ(sounds, (std::vector<int>{2, 2})) << "the chooser's only: " << wie;
        EXPECT_TRUE(meldungen.empty());
    }
}

TEST_F(VokTestStartenTest, ALineThatCannotBeSplitGivesTheFileErrorAndNoTest)
{
    // Of 21 lines 20 are drawn: one of the two bad lines always is.
    QByteArray liste = Liste(21);
    liste.replace("3#w3#W3#0#0#\r\n", "\r\n");
    liste.replace("7#w7#W7#0#0#\r\n", "7#nur#zwei\r\n");
    SchreibeBytes(ordner.datei("Liste.dva"), liste);
    bool test = false;
    ChooserNimmtErste("Liste.dva");
    Immer<dlgTestfolge>([](dlgTestfolge* w) { Klick(w->LblDeutsch); });
    Immer<frmVokTest>([&](frmVokTest* w) { test = true; w->close(); });
    modVokTest::TestStarten(nullptr);
    EXPECT_FALSE(test);
    EXPECT_EQ(meldungen, std::vector<Meldung>{Dateifehler});
    EXPECT_EQ(LiesBytes(ordner.datei("Liste.dva")), liste);
    EXPECT_EQ(QDir(ordner.pfad()).entryList(QDir::Files), QStringList{"Liste.dva"});
}

} // namespace
