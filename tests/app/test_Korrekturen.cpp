// Small corrections across the windows: plain texts keep the mouse moves over them,
// hidden push buttons stay out of sight, quitting does not wait for an unheard fanfare,
// the credits thank the families.
#include "ui/LabelButton.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/WavPruefung.h"
#include "app/frmIntro.h"
#include "ui/frmMiniMeldung.h"
#include "app/frmStart.h"
#include "app/modmkdir.h"
#include "common/UiHilfen.h"
#include "entry/frmVokEingabe.h"
#include "lists/dlgFrage.h"
#include "practice/frmVokUeben.h"

#include <QDir>
#include <QFileInfo>
#include "ui/Klangspieler.h"
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace lerno;
using namespace testhilfen;

namespace {

class KorrekturTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::Soundok = true;
        SchreibeBytes(liste, CpZeilen({"001#house#Haus#0#0#", "002#tree#Baum#0#0#"}));
        for (char e : {'b', 'c', 'd'})
            SchreibeBytes(ordner.datei(QString("Englisch.dv") + e), {});
    }
    void TearDown() override
    {
        frmStart::Programmende = {};
        QDir::setCurrent(QDir::tempPath());
        UiTest::TearDown();
    }

    QString liste = ordner.datei("Englisch.dva");
};

// A move at a point of the window, delivered to whatever the windowing system would
// find there (childAt skips widgets that are transparent for the mouse).
QWidget* MausAufStelle(QWidget* fenster, QPoint p)
{
    QWidget* unter = fenster->childAt(p);
    if (!unter)
        unter = fenster;
    MausUeber(unter, unter->mapFrom(fenster, p));
    return unter;
}

QPoint MitteIn(QWidget* fenster, QWidget* w) { return w->mapTo(fenster, w->rect().center()); }

// Each window with its plain texts and one of its label buttons.
struct MitTexten {
    std::unique_ptr<QWidget> fenster;
    std::vector<QLabel*> texte;
    LabelButton* knopf;
};

std::vector<MitTexten> FensterMitTexten(const QString& liste)
{
    std::vector<MitTexten> v;
    auto* m = new frmMiniMeldung;
    v.push_back({std::unique_ptr<QWidget>(m), {m->lblMeldung}, m->lblok});
    auto* f = new dlgFrage(liste);
    v.push_back({std::unique_ptr<QWidget>(f), {f->lblMeldung}, f->lblok});
    auto* e = new frmVokEingabe(liste);
    v.push_back({std::unique_ptr<QWidget>(e), {e->lblVokabel, e->lblBedeutung, e->lblMeldung}, e->lblok});
    auto* u = new frmVokUeben(liste, 1);
    v.push_back({std::unique_ptr<QWidget>(u), {u->lblRichtig, u->lblFalsch}, u->lblok});
    auto* i = new frmIntro;
    i->TimerLaufband.stop();
    i->setzeLbl1Top(0);
    i->lblok->show();
    v.push_back({std::unique_ptr<QWidget>(i), {i->lbl1}, i->lblok});
    return v;
}

QByteArray Wav(quint16 kanaele, quint16 bits, quint32 datenBytes)
{
    auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    const QByteArray fmt = le16(1) + le16(kanaele) + le32(22050) + le32(22050 * kanaele * bits / 8)
                           + le16(kanaele * bits / 8) + le16(bits);
    const QByteArray rest = "WAVEfmt " + le32(16) + fmt + "data" + le32(datenBytes)
                            + QByteArray(datenBytes, '\x80');
    return "RIFF" + le32(rest.size()) + rest;
}

} // namespace

TEST_F(KorrekturTest, PlainTextsKeepTheMouseMovesSoOnlyTheBackgroundRearmsTheHover)
{
    for (const MitTexten& f : FensterMitTexten(liste)) {
        QWidget* w = f.fenster.get();
        const char* name = w->metaObject()->className();
        w->show();
        LabelButton* knopf = f.knopf;
        for (QLabel* text : f.texte) {
            SCOPED_TRACE(std::string(name) + ": " + text->text().toStdString());
            text->show();
            text->raise();
            const QPoint ueberText = MitteIn(w, text);
            EXPECT_EQ(w->childAt(ueberText), text) << name << ": " << text->text().toStdString();
            if (w->childAt(ueberText) != text)
                continue;

            sounds.clear();
            auto* bild = w->findChild<PictureControl*>();
            EXPECT_NE(bild, nullptr) << name;
            if (!bild)
                continue;
            MausAufStelle(w, bild->mapTo(w, QPoint(3, 3))); // the picture re-arms
            EXPECT_FALSE(knopf->istFett()) << name;
            MausAufStelle(w, MitteIn(w, knopf));
            EXPECT_TRUE(knopf->istFett()) << name;
            if (!knopf->istFett())
                continue;
            const auto soundsNachErstemMal = sounds;
            if (qobject_cast<dlgFrage*>(w))
                EXPECT_EQ(sounds, std::vector<int>{2}) << "the delete question sounds on hover";

            // From the button onto the text and back: nothing shrinks, grows or sounds.
            MausAufStelle(w, ueberText);
            EXPECT_TRUE(knopf->istFett()) << name << ": " << text->text().toStdString();
            MausAufStelle(w, MitteIn(w, knopf));
            EXPECT_EQ(sounds, soundsNachErstemMal) << name << ": " << text->text().toStdString();
        }
    }
}

TEST_F(KorrekturTest, HiddenPushButtonsStayOutOfSightInAMaximizedWindow)
{
    std::unique_ptr<QWidget> fenster[] = {std::make_unique<frmVokEingabe>(liste),
                                          std::make_unique<frmVokUeben>(liste, 1)};
    for (auto& w : fenster) {
        w->show();
        w->resize(2560, 1600);
        const auto knoepfe = w->findChildren<QPushButton*>();
        ASSERT_FALSE(knoepfe.isEmpty());
        for (QPushButton* k : knoepfe) {
            const QRect sichtbar = k->geometry().intersected(k->parentWidget()->rect());
            EXPECT_TRUE(sichtbar.isEmpty())
                << w->metaObject()->className() << " " << k->text().toStdString() << " shows "
                << sichtbar.width() << "x" << sichtbar.height();
        }
    }
}

TEST_F(KorrekturTest, QuittingWaitsOnlyForAFanfareSomeoneCanHear)
{
    // A player that can be told whether a device is there and whether it still plays.
    struct Spieler : Klangspieler {
        bool geraet = false, spielt = false;
        void laden(int, const QString&) override {}
        void spielen(int) override {}
        bool spieltNoch() const override { return spielt; }
        bool hoerbar(int) const override { return geraet; }
    } spieler;
    Module1::SetzeSoundBeobachter({});
    Module1::SetzeKlangspielerFabrik([&]() -> Klangspieler* { return &spieler; });
    for (int n = 1; n <= 6; ++n)
        SchreibeBytes(ordner.datei(Module1::SoundDatei(n)), Wav(1, 8, 22050)); // 1 s each
    Module1::SoundsLaden();

    frmStart start;
    int enden = 0;
    frmStart::Programmende = [&] { ++enden; };
    struct Fall {
        bool soundok, geraet;
    };
    for (const Fall f : {Fall{false, true}, Fall{true, false}}) {
        Module1::Soundok = f.soundok;
        spieler.geraet = f.geraet;
        spieler.spielt = true; // an effect that claims to play
        enden = 0;
        Klick(start.lblEnde);
        EXPECT_EQ(Module1::Nachklang(6), 0) << f.soundok << f.geraet;
        EXPECT_EQ(enden, 1) << "ends before the click returns: " << f.soundok << f.geraet;
    }

    // Heard: ends once the fanfare stops, well before its length.
    Module1::Soundok = true;
    spieler.geraet = true;
    spieler.spielt = true;
    enden = 0;
    EXPECT_EQ(Module1::Nachklang(6), 1000);
    Klick(start.lblEnde);
    EXPECT_EQ(enden, 0) << "waits for the fanfare";
    EXPECT_FALSE(QTest::qWaitFor([&] { return enden != 0; }, 100));
    EXPECT_EQ(enden, 0) << "still playing";
    spieler.spielt = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return enden == 1; }, 500));

    // Never heard to stop: ends after its length.
    spieler.spielt = true;
    enden = 0;
    Klick(start.lblEnde);
    EXPECT_TRUE(QTest::qWaitFor([&] { return enden == 1; }, 1500));
    Module1::SetzeKlangspielerFabrik({});
}

TEST(WavDauer, PlayingTimeFollowsTheHeader)
{
    EXPECT_EQ(WavDauerMs(Wav(1, 8, 22050)), 1000);
    EXPECT_EQ(WavDauerMs(Wav(2, 16, 44100)), 500);
    EXPECT_EQ(WavDauerMs(Wav(1, 16, 4410)), 100);
    EXPECT_EQ(WavDauerMs(Wav(1, 8, 22050).left(100)), 0) << "truncated";
    EXPECT_EQ(WavDauerMs(QByteArray()), 0);
}

TEST_F(KorrekturTest, CreditsThankTheFamiliesAndFitTheTicker)
{
    frmIntro intro;
    intro.TimerLaufband.stop();
    EXPECT_TRUE(intro.lbl1->text().contains("Vielen Dank an\nalle Testerinnen und Tester\nund an unsere Familien\n"));
    EXPECT_LE(intro.lbl1->heightForWidth(intro.lbl1->width()), intro.lbl1->height());
}

TEST_F(KorrekturTest, ADemoFileThatCannotBeCopiedOnTheFirstStartIsNamed)
{
    const QByteArray demo = CpZeilen({"001#house#Haus#0#0#"});
    SchreibeBytes(ordner.datei("Demo.dva"), demo);
    ASSERT_TRUE(QDir(ordner.pfad()).mkdir("Demo.dvb")); // a folder: cannot be copied
    SchreibeBytes(ordner.datei("Demo.dvc"), {});

    ASSERT_TRUE(modmkdir::VerzeichnisAnlegen());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.contains(QDir::toNativeSeparators(ordner.datei("Demo.dvb"))))
        << meldungen[0].text.toStdString();
    EXPECT_EQ(meldungen[0].titel, "Dateifehler");
    // The others moved; the one that failed stays where it was.
    EXPECT_EQ(LiesBytes(ordner.datei("Vokabeln/Demo.dva")), demo);
    EXPECT_TRUE(QFile::exists(ordner.datei("Vokabeln/Demo.dvc")));
    EXPECT_FALSE(QFile::exists(ordner.datei("Demo.dva")));
    EXPECT_TRUE(QFileInfo(ordner.datei("Demo.dvb")).isDir());
}
