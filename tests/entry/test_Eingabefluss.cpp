// From the start screen to the entry screen: question, chooser, entry, all in-process.
#include "ui/LabelButton.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"
#include "entry/frmVokEingabe.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgWasTun.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

using namespace lerno;
using namespace testhilfen;

namespace {

class EingabeflussTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frmStart::Programmende = [] {};
    }
    void TearDown() override
    {
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
};

TEST_F(EingabeflussTest, NewListFromTheStartScreenReceivesTheTypedPairs)
{
    frmStart start;
    const QString vokabeln = ordner.datei("Vokabeln");
    bool eingegeben = false;

    BeiModalVom<dlgWasTun>([&](dlgWasTun* frage) {
        BeiModalVom<dlgFilewahl>([&](dlgFilewahl* w) {
            EXPECT_EQ(w->muster(), "*.dva");
            BeiModalVom<frmVokEingabe>([&](frmVokEingabe* e) {
                eingegeben = true;
                EXPECT_EQ(e->liste(), vokabeln + "/Englisch.dva");
                for (auto [v, b] : {std::pair{"the house", "das Haus"}, std::pair{"the street", "die Straße"}}) {
                    e->txtVokabel->setText(QString::fromUtf8(v));
                    e->txtBedeutung->setText(QString::fromUtf8(b));
                    QTest::keyClick(e->txtBedeutung, Qt::Key_Return);
                }
                Klick(e->lblEnde);
            });
            // Typed key by key, then Enter, as a pupil would.
            QTest::keyClicks(w->txtNewFile, "Englisch");
            QTest::keyClick(w->txtNewFile, Qt::Key_Return);
        });
        Klick(frage->lblNewFile);
    });
    Klick(start.lblEingabe);

    EXPECT_TRUE(eingegeben);
    EXPECT_EQ(LiesBytes(vokabeln + "/Englisch.dva"),
              CpZeilen({"001#the house#das Haus#0#0#", "002#the street#die Straße#0#0#"}));
    EXPECT_EQ(LiesBytes(vokabeln + "/Englisch.dvb"), QByteArray());
    EXPECT_EQ(LiesBytes(vokabeln + "/Englisch.dvc"), QByteArray());
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back(), 6);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(EingabeflussTest, MenuExtendsAnExistingListWhereItsNumbersEnd)
{
    frmStart start;
    const QString franz = ordner.datei("Vokabeln/Franz.dva");
    SchreibeBytes(franz, CpZeilen({"041#la maison#das Haus#0#0#"}));

    BeiModalVom<dlgWasTun>([&](dlgWasTun* frage) {
        BeiModalVom<dlgFilewahl>([&](dlgFilewahl* w) {
            BeiModalVom<frmVokEingabe>([&](frmVokEingabe* e) {
                e->txtVokabel->setText("la rue");
                e->txtBedeutung->setText(QString::fromUtf8("die Straße"));
                Klick(e->lblok);
                e->close();
            });
            EXPECT_EQ(w->cboFilename->currentText(), "Franz.dva");
            Klick(w->lblok);
        });
        Klick(frage->lbloldFile);
    });
    start.mnuVokEingabe->trigger();
    EXPECT_EQ(LiesBytes(franz),
              CpZeilen({"041#la maison#das Haus#0#0#", "042#la rue#die Straße#0#0#"}));
}

TEST_F(EingabeflussTest, CancelOnTheWayShowsNoEntryScreen)
{
    frmStart start;
    const std::function<void(dlgWasTun*)> abbrueche[] = {
        [](dlgWasTun* frage) { Klick(frage->lblCancle); },
        [](dlgWasTun* frage) {
            BeiModalVom<dlgFilewahl>([](dlgFilewahl* w) {
                w->txtNewFile->setText("Englisch");
                Klick(w->lblCancle);
            });
            Klick(frage->lblNewFile);
        },
    };
    for (const auto& abbruch : abbrueche) {
        bool eingabeGesehen = false;
        QObject wache;
        BeiModalVom<dlgWasTun>([&](dlgWasTun* frage) {
            abbruch(frage);
            QTimer::singleShot(300, &wache, [&] {
                if (auto* e = qobject_cast<frmVokEingabe*>(QApplication::activeModalWidget())) {
                    eingabeGesehen = true;
                    e->close();
                }
            });
        });
        Klick(start.lblEingabe);
        EXPECT_FALSE(QTest::qWaitFor([&] { return eingabeGesehen; }, 350));
        EXPECT_FALSE(eingabeGesehen);
    }
    EXPECT_TRUE(QDir(ordner.datei("Vokabeln")).entryList(QDir::Files).isEmpty());
}

} // namespace
