#include "app/Module1.h"

#include "app/WavPruefung.h"
#include "app/frmStart.h"
#include "lists/Programmordner.h"

#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <memory>

namespace lerno::Module1 {

namespace {

SoundBeobachter& beobachter()
{
    static SoundBeobachter b;
    return b;
}

struct Effekte {
    std::array<std::unique_ptr<QSoundEffect>, 6> effekt;
    QSoundEffect* zuletzt = nullptr;
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
        e.effekt[n - 1].reset();
        if (!IstAbspielbaresWavDatei(pfad))
            continue; // silent rather than a backend that never finishes loading
        auto s = std::make_unique<QSoundEffect>();
        s->setSource(QUrl::fromLocalFile(pfad));
        s->setVolume(0.8f);
        e.effekt[n - 1] = std::move(s);
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
    QSoundEffect* s = e.effekt[nummer - 1].get();
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
    const auto* z = effekte().zuletzt;
    return z && z->isPlaying();
}

} // namespace lerno::Module1
