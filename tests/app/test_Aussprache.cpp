// Pronunciation: the voice loaded late, the on/off switch beside the sound switch, and
// the dialog that sets a list's language.
#include "ui/Sprecher.h"
#include "ui/modAussprache.h"
#include "app/frmStart.h"
#include "lists/Listensprache.h"
#include "lists/DateiErsetzen.h"
#include "lists/dlgFilewahl.h"
#include "lists/dlgListensprache.h"
#include "ui/LabelButton.h"
#include "common/UiHilfen.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <memory>

using namespace lerno;
using namespace testhilfen;

namespace {

struct FalscherSprecher : Sprecher {
    bool da = true;
    std::vector<std::pair<QString, QString>> gesagt;
    bool bereit() const override { return da; }
    void sprechen(const QString& t, const QString& c) override { gesagt.push_back({t, c}); }
};

class AusspracheLaden : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        modAussprache::SetzeAussprachBeobachter({}); // the fake voice records here
        modAussprache::SetzeSprecherFabrik([this]() -> Sprecher* {
            ++erzeugt;
            return mitEngine ? &sprecher : nullptr;
        });
    }
    void TearDown() override
    {
        QCoreApplication::processEvents();
        modAussprache::SetzeSprecherFabrik({});
        UiTest::TearDown();
    }
    FalscherSprecher sprecher;
    bool mitEngine = true;
    int erzeugt = 0;
};

using Gesagt = std::vector<std::pair<QString, QString>>;

TEST_F(AusspracheLaden, ARequestBeforeLoadingIsSaidOnceLoadedInTheListsVoice)
{
    modAussprache::Aussprechen(QStringLiteral("house"), SprachCode(QStringLiteral("Englisch")));
    modAussprache::Aussprechen(QStringLiteral("maison"), SprachCode(QStringLiteral("Französisch")));
    EXPECT_EQ(erzeugt, 0) << "the request loaded the voice itself";
    QCoreApplication::processEvents();
    EXPECT_EQ(erzeugt, 1);
    EXPECT_EQ(sprecher.gesagt, (Gesagt{{"maison", "fr"}}));

    modAussprache::Aussprechen(QStringLiteral("domus"), SprachCode(QStringLiteral("Latein")));
    modAussprache::Aussprechen(QStringLiteral("x"), SprachCode(QStringLiteral(""))); // no language: silent
    modAussprache::Aussprechen(QStringLiteral("  "), SprachCode(QStringLiteral("Latein")));
    modAussprache::Ausspracheok = false;
    modAussprache::Aussprechen(QStringLiteral("casa"), SprachCode(QStringLiteral("Spanisch")));
    EXPECT_EQ(sprecher.gesagt, (Gesagt{{"maison", "fr"}, {"domus", "la"}}));
}

// The start screen never connects the voice: only a window that can speak does (its one
// call, AusspracheVorbereiten). Until then the items trust the installed voice.
TEST_F(AusspracheLaden, TheVoiceConnectsWhenAWindowThatSpeaksOpensNotAtStart)
{
    frmStart start;
    start.show();
    QTest::qWait(200);
    EXPECT_EQ(erzeugt, 0) << "voice loaded by the start screen";
    EXPECT_TRUE(start.mnuAusspracheAn->isEnabled());
    EXPECT_TRUE(start.mnuAusspracheAn->isChecked());
    modAussprache::AusspracheVorbereiten();
    EXPECT_EQ(erzeugt, 0) << "loaded before the window was on screen";
    EXPECT_TRUE(QTest::qWaitFor([&] { return erzeugt == 1; }, 5000));
    EXPECT_TRUE(start.mnuAusspracheAn->isEnabled());
    EXPECT_TRUE(start.mnuAusspracheAn->isChecked());
    EXPECT_FALSE(start.mnuAusspracheAus->isChecked());
}

TEST_F(AusspracheLaden, WithoutAnEngineTheItemsStayDisabledAndNothingIsSaid)
{
    for (bool plugin : {false, true}) {
        modAussprache::SetzeSprecherFabrik([this]() -> Sprecher* { ++erzeugt; return mitEngine ? &sprecher : nullptr; });
        mitEngine = plugin;
        sprecher.da = false; // a plugin whose engine did not answer
        frmStart start;
        start.show();
        modAussprache::AusspracheVorbereiten(); // a practice window opens
        EXPECT_TRUE(QTest::qWaitFor([&] { return modAussprache::Geladen(); }, 5000));
        EXPECT_FALSE(start.mnuAusspracheAn->isEnabled());
        EXPECT_FALSE(start.mnuAusspracheAus->isEnabled());
        EXPECT_FALSE(start.mnuAusspracheAn->isChecked());
        modAussprache::Aussprechen(QStringLiteral("house"), SprachCode(QStringLiteral("Englisch")));
        EXPECT_TRUE(sprecher.gesagt.empty());
    }
}

// The engine fails after it answered (speech-dispatcher killed or refusing): the items
// follow at once, in every start screen still open, and requests are dropped.
TEST_F(AusspracheLaden, AnEngineFailingLaterDisablesTheItemsAndNothingWaits)
{
    struct Fall {
        const char* name;
        bool ersteFensterZu; // the screen that saw the voice loaded is gone before the failure
        bool ausWarAn;       // "Aussprache aus" was chosen before
    };
    const Fall faelle[] = {
        {"while the start screen is open", false, false},
        {"with speech switched off", false, true},
        {"after a first start screen closed", true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        modAussprache::SetzeSprecherFabrik([this]() -> Sprecher* { return &sprecher; });
        sprecher = FalscherSprecher{};
        modAussprache::Ausspracheok = true;
        auto erste = std::make_unique<frmStart>();
        erste->show();
        modAussprache::AusspracheVorbereiten(); // a practice window opens
        ASSERT_TRUE(QTest::qWaitFor([&] { return modAussprache::Geladen(); }, 5000));
        ASSERT_TRUE(erste->mnuAusspracheAn->isEnabled());
        if (f.ausWarAn)
            erste->mnuAusspracheAus->trigger();
        frmStart zweite;
        zweite.show();
        ASSERT_TRUE(zweite.mnuAusspracheAn->isEnabled());
        if (f.ersteFensterZu)
            erste.reset();
        ASSERT_TRUE(sprecher.ausgefallen) << "the voice has nowhere to report a failure";
        sprecher.da = false;
        sprecher.ausgefallen();
        for (frmStart* start : {erste.get(), &zweite}) {
            if (!start)
                continue;
            EXPECT_FALSE(start->mnuAusspracheAn->isEnabled());
            EXPECT_FALSE(start->mnuAusspracheAus->isEnabled());
            EXPECT_FALSE(start->mnuAusspracheAn->isChecked());
            EXPECT_FALSE(start->mnuAusspracheAus->isChecked());
        }
        EXPECT_FALSE(modAussprache::EngineDa());
        modAussprache::Ausspracheok = true;
        modAussprache::Aussprechen(QStringLiteral("house"), SprachCode(QStringLiteral("Englisch")));
        EXPECT_TRUE(sprecher.gesagt.empty());
    }
}

class AussprachMenue : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QDir::setCurrent(ordner.pfad());
        frmStart::Programmende = [] {};
    }
    void TearDown() override
    {
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }
};

TEST_F(AussprachMenue, SitsAfterSoundAndSwitchesIndependentlyOfIt)
{
    frmStart start;
    const auto eintraege = start.mnuOptionen->actions();
    ASSERT_EQ(eintraege.size(), 4);
    EXPECT_EQ(eintraege[0]->text(), "&Sound");
    EXPECT_EQ(eintraege[1]->text(), "&Aussprache");
    EXPECT_EQ(eintraege[2]->text(), QStringLiteral("Sprache einer &Liste …"));
    EXPECT_EQ(eintraege[3]->text(), QStringLiteral("Antworten &großzügig prüfen"));
    EXPECT_EQ(start.mnuAusspracheAn->text(), "Aussprache &an");
    EXPECT_EQ(start.mnuAusspracheAus->text(), "Aussprache a&us");
    EXPECT_TRUE(start.mnuAusspracheAn->isEnabled()) << "the recorder counts as an engine";
    EXPECT_TRUE(start.mnuAusspracheAn->isChecked());

    start.mnuAusspracheAus->trigger();
    EXPECT_FALSE(modAussprache::Ausspracheok);
    EXPECT_TRUE(Module1::Soundok) << "Aussprache aus silenced the effects";
    EXPECT_TRUE(start.mnuAusspracheAus->isChecked());
    EXPECT_FALSE(start.mnuAusspracheAn->isChecked());

    start.mnuAusspracheAn->trigger();
    start.mnuSoundaus->trigger();
    EXPECT_TRUE(modAussprache::Ausspracheok) << "Sound aus silenced speech";
    EXPECT_FALSE(Module1::Soundok);
    EXPECT_TRUE(start.mnuAusspracheAn->isChecked());
}

TEST_F(AussprachMenue, TheLanguageOfAChosenListIsStored)
{
    QDir().mkpath(ordner.datei("Vokabeln"));
    SchreibeBytes(ordner.datei("Vokabeln/Unit 3.dva"), CpZeilen({"001#dog#Hund#0#0#"}));
    frmStart start;
    QDir::setCurrent(ordner.datei("Vokabeln"));
    bool gesehen = false;
    BeiModalVom<dlgFilewahl>([](dlgFilewahl* w) {
        w->cboFilename->setCurrentIndex(w->cboFilename->findText("Unit 3.dva"));
        Klick(w->lblok);
    });
    BeiModalVom<dlgListensprache>([&gesehen](dlgListensprache* d) {
        gesehen = true;
        EXPECT_EQ(d->lblFrage->text(), QStringLiteral("Welche Sprache hat „Unit 3“ ?"));
        EXPECT_EQ(d->Sprache(), "Englisch") << "no guess: the first language is offered";
        d->lstSprachen->setCurrentRow(d->lstSprachen->row(d->lstSprachen->findItems("Latein", Qt::MatchExactly)[0]));
        Klick(d->lblok);
    });
    start.mnuListenSprache->trigger();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(Listensprache(ordner.datei("Vokabeln/Unit 3.dva")), "Latein");
    // Opened again, it shows the stored language.
    dlgListensprache nochmal(ordner.datei("Vokabeln/Unit 3.dva"));
    EXPECT_EQ(nochmal.Sprache(), "Latein");
}

TEST_F(AussprachMenue, AFailedWriteIsReportedAndKeepsTheOldLanguage)
{
    QDir().mkpath(ordner.datei("Vokabeln"));
    const QString liste = ordner.datei("Vokabeln/Unit 3.dva");
    SchreibeBytes(liste, CpZeilen({"001#dog#Hund#0#0#"}));
    ASSERT_TRUE(ListenspracheSetzen(liste, QStringLiteral("Englisch")));
    frmStart start;
    QDir::setCurrent(ordner.datei("Vokabeln"));
    BeiModalVom<dlgFilewahl>([](dlgFilewahl* w) {
        w->cboFilename->setCurrentIndex(w->cboFilename->findText("Unit 3.dva"));
        Klick(w->lblok);
    });
    BeiModalVom<dlgListensprache>([](dlgListensprache* d) {
        EXPECT_EQ(d->Sprache(), "Englisch");
        d->lstSprachen->setCurrentRow(d->lstSprachen->row(d->lstSprachen->findItems("Spanisch", Qt::MatchExactly)[0]));
        Klick(d->lblok);
    });
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) { return s != ErsetzenSchritt::Umbenennen; });
    start.mnuListenSprache->trigger();
    SetzeErsetzenFehlerHook(nullptr);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(QStringLiteral("Die Sprache wurde nicht gespeichert.")));
    EXPECT_EQ(meldungen[0].titel, "Dateifehler");
    EXPECT_EQ(Listensprache(liste), "Englisch");
}

} // namespace
