#include "app/Module1.h"

#include "app/WavPruefung.h"
#include "app/frmStart.h"
#include "lists/Programmordner.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <array>

namespace lerno::Module1 {

namespace {

SoundBeobachter& beobachter()
{
    static SoundBeobachter b;
    return b;
}

// Owned by the application object: they must go before the backend's own statics do.
struct Effekte {
    std::array<QPointer<QSoundEffect>, 6> effekt;
    QPointer<QSoundEffect> zuletzt;
};

Effekte& effekte()
{
    static Effekte e;
    return e;
}

} // namespace

QString SoundDatei(int nummer)
{
    static const char* const namen[] = {"Applaus.wav", "Wusch.wav", "Richtig.wav",
                                        "Falsch.WAV",  "aus.WAV",   "TUSCH.WAV"};
    if (nummer < 1 || nummer > 6)
        return {};
    return QString::fromLatin1(namen[nummer - 1]);
}

void SetzeSoundBeobachter(SoundBeobachter b) { beobachter() = std::move(b); }

void SoundsLaden()
{
    if (beobachter())
        return;
    auto& e = effekte();
    for (int n = 1; n <= 6; ++n) {
        const QString pfad = Programmordner() + "/" + SoundDatei(n);
        delete e.effekt[n - 1];
        if (!IstAbspielbaresWavDatei(pfad))
            continue; // silent rather than a backend that never finishes loading
        auto* s = new QSoundEffect(QCoreApplication::instance());
        s->setSource(QUrl::fromLocalFile(pfad));
        s->setVolume(0.8f);
        e.effekt[n - 1] = s;
    }
}

void SoundAbspielen(int nummer)
{
    if (!frmStart::Soundok)
        return;
    if (nummer == 7)
        nummer = 4;
    if (nummer < 1 || nummer > 6)
        return;
    if (beobachter()) {
        beobachter()(nummer);
        return;
    }
    auto& e = effekte();
    QSoundEffect* s = e.effekt[nummer - 1];
    if (e.zuletzt && e.zuletzt != s)
        e.zuletzt->stop();
    if (!s)
        return;
    s->stop();
    s->play();
    e.zuletzt = s;
}

bool SpieltNoch()
{
    const QSoundEffect* z = effekte().zuletzt;
    return z && z->isPlaying();
}

int Nachklang(int nummer)
{
    if (!frmStart::Soundok || nummer < 1 || nummer > 6 || beobachter())
        return 0;
    // Without a device an effect may claim to play for ever; nobody hears it.
    if (!effekte().effekt[nummer - 1] || QMediaDevices::audioOutputs().isEmpty())
        return 0;
    return WavDateiDauerMs(Programmordner() + "/" + SoundDatei(nummer));
}

} // namespace lerno::Module1
