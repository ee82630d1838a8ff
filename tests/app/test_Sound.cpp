// Sound requests and the WAV check that keeps broken files away from the audio backend.
#include "ui/Klangspieler.h"
#include "ui/LabelButton.h"
#include "ui/Module1.h"
#include "ui/PictureControl.h"
#include "ui/WavPruefung.h"
#include "app/frmStart.h"
#include "common/UiHilfen.h"

#include <QTest>
#include <QtEndian>

using namespace lerno;
using namespace testhilfen;

namespace {

QByteArray Wav(quint16 format, quint16 kanaele, quint16 bits, quint32 datenBytes, qsizetype wirklich = -1)
{
    auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    QByteArray fmt = le16(format) + le16(kanaele) + le32(22050) + le32(22050 * kanaele * bits / 8) +
                     le16(kanaele * bits / 8) + le16(bits);
    QByteArray daten(wirklich < 0 ? datenBytes : wirklich, '\x10');
    QByteArray rest = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + "data" + le32(datenBytes) + daten;
    return "RIFF" + le32(rest.size()) + rest;
}

TEST(WavPruefung, AcceptsCompletePcmAndRefusesWhatWouldHangTheBackend)
{
    EXPECT_TRUE(IstAbspielbaresWav(Wav(1, 1, 16, 400)));
    EXPECT_TRUE(IstAbspielbaresWav(Wav(1, 2, 8, 400)));

    EXPECT_FALSE(IstAbspielbaresWav(QByteArray()));
    EXPECT_FALSE(IstAbspielbaresWav(Wav(1, 1, 16, 400).left(30))) << "cut inside the fmt chunk";
    EXPECT_FALSE(IstAbspielbaresWav(Wav(1, 1, 16, 400, 100))) << "data shorter than announced";
    EXPECT_FALSE(IstAbspielbaresWav(Wav(1, 1, 16, 0))) << "no samples";
    EXPECT_FALSE(IstAbspielbaresWav(Wav(3, 1, 32, 400))) << "float samples";
    EXPECT_FALSE(IstAbspielbaresWav(Wav(1, 1, 24, 400)));
    EXPECT_FALSE(IstAbspielbaresWav(QByteArray("RIFF\0\0\0\0WAVX", 12)));
}

TEST(WavPruefung, MissingFileIsNotPlayable)
{
    EXPECT_FALSE(IstAbspielbaresWavDatei("/nonexistent/Wusch.wav"));
}

class SoundTest : public UiTest {};

TEST_F(SoundTest, NumbersMapToTheSixFilesAndSevenFallsBackToFour)
{
    EXPECT_EQ(Module1::SoundDatei(1), "Applaus.wav");
    EXPECT_EQ(Module1::SoundDatei(4), "Falsch.WAV");
    EXPECT_EQ(Module1::SoundDatei(6), "TUSCH.WAV");
    EXPECT_TRUE(Module1::SoundDatei(7).isEmpty());

    Module1::Soundok = true;
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8})
        Module1::SoundAbspielen(n);
    EXPECT_EQ(sounds, (std::vector<int>{1, 2, 3, 4, 5, 6, 4}));
}

TEST_F(SoundTest, NothingIsRequestedWhileSoundIsOff)
{
    Module1::Soundok = false;
    Module1::SoundAbspielen(3);
    EXPECT_TRUE(sounds.empty());
    Module1::Soundok = true;
    Module1::SoundAbspielen(3);
    EXPECT_EQ(sounds, std::vector<int>{3});
}

TEST(SoundOhneGeraet, BrokenFilesStaySilentAndDoNotHang)
{
    // The real player with an empty, a truncated and a missing file: loading and
    // playing must return, and the process must be able to end afterwards.
    TempProgrammordner ordner;
    SchreibeBytes(ordner.datei("Applaus.wav"), QByteArray());
    SchreibeBytes(ordner.datei("Wusch.wav"), Wav(1, 1, 16, 4000, 10));
    Module1::Soundok = true;
    Module1::SoundsLaden();
    for (int n = 1; n <= 6; ++n)
        Module1::SoundAbspielen(n);
    EXPECT_FALSE(Module1::SpieltNoch());
}

// The audio side is prepared late; a request never waits for it.
class SpaetesLaden : public UiTest {
protected:
    struct Spieler : Klangspieler {
        std::vector<int> geladen, gespielt;
        void laden(int n, const QString&) override { geladen.push_back(n); }
        void spielen(int n) override { gespielt.push_back(n); }
        bool spieltNoch() const override { return false; }
        bool hoerbar(int) const override { return false; }
    };
    void SetUp() override
    {
        UiTest::SetUp();
        Module1::SetzeSoundBeobachter({}); // the player itself is the recorder here
        Module1::SetzeKlangspielerFabrik([this]() -> Klangspieler* {
            ++erzeugt;
            return mitSpieler ? &spieler : nullptr;
        });
        for (int n = 1; n <= 6; ++n)
            SchreibeBytes(ordner.datei(Module1::SoundDatei(n)), Wav(1, 1, 16, 400));
        Module1::Soundok = true;
    }
    void TearDown() override
    {
        QCoreApplication::processEvents(); // nothing scheduled may outlive the fixture
        Module1::SetzeKlangspielerFabrik({});
        UiTest::TearDown();
    }
    Spieler spieler;
    bool mitSpieler = true;
    int erzeugt = 0;
};

TEST_F(SpaetesLaden, ARequestBeforeLoadingPlaysOnceLoadedWithoutWaiting)
{
    Module1::SoundAbspielen(5);
    Module1::SoundAbspielen(2); // the latest request is the one that plays
    EXPECT_EQ(erzeugt, 0) << "the request loaded the audio side itself";
    EXPECT_TRUE(Module1::SpieltNoch()) << "a pending request counts as sounding";

    QCoreApplication::processEvents();
    EXPECT_EQ(erzeugt, 1);
    EXPECT_EQ(spieler.geladen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(spieler.gespielt, std::vector<int>{2});

    Module1::SoundAbspielen(3);
    Module1::SoundsVorbereiten(); // loads once per run
    QCoreApplication::processEvents();
    EXPECT_EQ(spieler.gespielt, (std::vector<int>{2, 3}));
    EXPECT_EQ(erzeugt, 1);
}

TEST_F(SpaetesLaden, WithoutAnAudioPluginARequestIsSkipped)
{
    mitSpieler = false;
    Module1::SoundAbspielen(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(erzeugt, 1);
    EXPECT_FALSE(Module1::SpieltNoch());
    Module1::SoundAbspielen(6); // and later ones return at once as well
    EXPECT_FALSE(Module1::SpieltNoch());
}

TEST_F(SpaetesLaden, TheStartScreenPreparesAudioOnlyAfterItsFirstPaint)
{
    frmStart start;
    EXPECT_EQ(erzeugt, 0) << "audio loaded while the window was built";
    start.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return erzeugt == 1; }, 5000));
    EXPECT_EQ(erzeugt, 1);

    // The first hover then plays at once.
    MausUeber(start.ImgBackground);
    MausUeber(start.lblEingabe);
    EXPECT_EQ(spieler.gespielt, std::vector<int>{2});
}

} // namespace
