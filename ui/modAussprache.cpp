#include "ui/modAussprache.h"

#include "ui/PluginLaden.h"
#include "ui/Sprecher.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace lerno::modAussprache {

namespace {

struct Wartend {
    QString text;
    QString code;
};

struct Zustand {
    AussprachBeobachter beobachter;
    SprecherFabrik fabrik;
    Sprecher* sprecher = nullptr; // never deleted here: the application object owns it
    bool geladen = false;
    bool vorgemerkt = false;
    std::optional<Wartend> wartend;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> nachLaden;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> beiAenderung;
};

Zustand& zustand()
{
    static Zustand z;
    return z;
}

Sprecher* PluginSprecher()
{
    auto erzeugen = PluginEinstieg<SprecherErzeugenFn>(QStringLiteral("lerno_sprache.so"), LERNO_SPRACHE_BAUPFAD,
                                                       SprecherEinstieg);
    return erzeugen ? erzeugen(QCoreApplication::instance()) : nullptr;
}

bool PluginDa()
{
    static const bool da = PluginVorhanden(QStringLiteral("lerno_sprache.so"), LERNO_SPRACHE_BAUPFAD);
    return da;
}

// Whoever shows the on/off items learns that the engine is gone.
void Ausgefallen()
{
    auto& z = zustand();
    z.wartend.reset();
    z.beiAenderung.removeIf([](const auto& eintrag) { return !eintrag.first; });
    const auto beiAenderung = z.beiAenderung; // a listener may register another
    for (const auto& [kontext, f] : beiAenderung)
        if (kontext)
            f();
}

} // namespace

void SetzeAussprachBeobachter(AussprachBeobachter b) { zustand().beobachter = std::move(b); }

void SetzeSprecherFabrik(SprecherFabrik fabrik)
{
    auto beobachter = std::move(zustand().beobachter);
    zustand() = Zustand{};
    zustand().beobachter = std::move(beobachter);
    zustand().fabrik = std::move(fabrik);
}

bool Geladen() { return zustand().geladen || zustand().beobachter; }

bool EngineDa()
{
    const auto& z = zustand();
    if (z.beobachter)
        return true;
    if (z.geladen)
        return z.sprecher && z.sprecher->bereit();
    // Not loaded yet: a voice that is installed is trusted until it fails.
    return z.fabrik ? true : PluginDa();
}

void AusspracheLaden()
{
    auto& z = zustand();
    if (!z.geladen && !z.beobachter) {
        z.sprecher = z.fabrik ? z.fabrik() : PluginSprecher();
        z.geladen = true;
        if (z.sprecher)
            z.sprecher->ausgefallen = [] { Ausgefallen(); };
    }
    if (z.wartend && EngineDa() && Ausspracheok && z.sprecher)
        z.sprecher->sprechen(z.wartend->text, z.wartend->code);
    z.wartend.reset();
    const auto nachLaden = std::exchange(z.nachLaden, {});
    for (const auto& [kontext, f] : nachLaden)
        if (kontext) {
            z.beiAenderung.append({kontext, f});
            f();
        }
}

void AusspracheVorbereiten()
{
    auto& z = zustand();
    if (z.geladen || z.vorgemerkt)
        return;
    z.vorgemerkt = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        zustand().vorgemerkt = false;
        if (!zustand().geladen)
            AusspracheLaden();
    });
}

void WennGeladen(QObject* kontext, std::function<void()> f)
{
    if (Geladen()) {
        zustand().beiAenderung.append({QPointer<QObject>(kontext), f});
        f();
        return;
    }
    zustand().nachLaden.append({QPointer<QObject>(kontext), std::move(f)});
}

void Aussprechen(const QString& text, const QString& code)
{
    if (!Ausspracheok || text.trimmed().isEmpty() || code.isEmpty())
        return;
    auto& z = zustand();
    if (z.beobachter) {
        z.beobachter(text, code);
        return;
    }
    if (!z.geladen) {
        // Never wait for the voice: the latest request is said once it is there.
        z.wartend = Wartend{text, code};
        AusspracheVorbereiten();
        return;
    }
    if (z.sprecher && z.sprecher->bereit())
        z.sprecher->sprechen(text, code);
}

} // namespace lerno::modAussprache
