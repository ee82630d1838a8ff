#include "ui/Module1.h"

#include "ui/Klangspieler.h"
#include "ui/PluginLaden.h"
#include "ui/WavPruefung.h"
#include "lists/Programmordner.h"

#include <QCoreApplication>
#include <QTimer>

namespace lerno::Module1 {

namespace {

SoundBeobachter& beobachter()
{
    static SoundBeobachter b;
    return b;
}

struct Zustand {
    KlangspielerFabrik fabrik;
    Klangspieler* spieler = nullptr; // never deleted here: the application object owns it
    bool geladen = false;
    bool vorgemerkt = false;
    int wartend = 0; // asked for before the effects were there
};

Zustand& zustand()
{
    static Zustand z;
    return z;
}

Klangspieler* PluginSpieler()
{
    auto erzeugen = PluginEinstieg<KlangspielerErzeugenFn>(QStringLiteral("lerno_klang.so"), LERNO_KLANG_BAUPFAD,
                                                           KlangspielerEinstieg);
    return erzeugen ? erzeugen(QCoreApplication::instance()) : nullptr;
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

void SetzeKlangspielerFabrik(KlangspielerFabrik fabrik)
{
    zustand() = Zustand{};
    zustand().fabrik = std::move(fabrik);
}

void SoundsLaden()
{
    if (beobachter())
        return;
    auto& z = zustand();
    if (!z.spieler)
        z.spieler = z.fabrik ? z.fabrik() : PluginSpieler();
    z.geladen = true;
    if (!z.spieler) {
        z.wartend = 0; // no audio at all: the request is skipped
        return;
    }
    for (int n = 1; n <= 6; ++n) {
        const QString pfad = Programmordner() + "/" + SoundDatei(n);
        // Silent rather than a backend that never finishes loading.
        if (IstAbspielbaresWavDatei(pfad))
            z.spieler->laden(n, pfad);
    }
    if (z.wartend) {
        z.spieler->spielen(z.wartend);
        z.wartend = 0;
    }
}

void SoundsVorbereiten()
{
    auto& z = zustand();
    if (z.geladen || z.vorgemerkt)
        return;
    z.vorgemerkt = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        zustand().vorgemerkt = false;
        if (!zustand().geladen)
            SoundsLaden();
    });
}

void SoundAbspielen(int nummer)
{
    if (!Soundok)
        return;
    if (nummer == 7)
        nummer = 4;
    if (nummer < 1 || nummer > 6)
        return;
    if (beobachter()) {
        beobachter()(nummer);
        return;
    }
    auto& z = zustand();
    if (!z.geladen) {
        // Never wait for the audio side: the latest request plays once it is there.
        z.wartend = nummer;
        SoundsVorbereiten();
        return;
    }
    if (z.spieler)
        z.spieler->spielen(nummer);
}

bool SpieltNoch()
{
    const auto& z = zustand();
    if (!z.geladen)
        return z.wartend != 0;
    return z.spieler && z.spieler->spieltNoch();
}

int Nachklang(int nummer)
{
    if (!Soundok || nummer < 1 || nummer > 6 || beobachter())
        return 0;
    // Not loaded yet, or no device: nobody hears it (and without a device an effect
    // may claim to play for ever).
    const auto& z = zustand();
    if (!z.geladen || !z.spieler || !z.spieler->hoerbar(nummer))
        return 0;
    return WavDateiDauerMs(Programmordner() + "/" + SoundDatei(nummer));
}

} // namespace lerno::Module1
