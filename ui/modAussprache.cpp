#include "ui/modAussprache.h"

#include "ui/Sprecher.h"
#include "lists/Listensprache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
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
};

Zustand& zustand()
{
    static Zustand z;
    return z;
}

Sprecher* PluginSprecher()
{
    QStringList orte{QCoreApplication::applicationDirPath() + QStringLiteral("/lerno_sprache.so")};
#ifdef LERNO_SPRACHE_BAUPFAD
    orte << QStringLiteral(LERNO_SPRACHE_BAUPFAD);
#endif
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        QLibrary bibliothek(ort); // stays loaded: the voice's code lives in it
        auto erzeugen = reinterpret_cast<SprecherErzeugenFn>(bibliothek.resolve(SprecherEinstieg));
        if (erzeugen)
            return erzeugen(QCoreApplication::instance());
    }
    return nullptr;
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
    return z.beobachter || (z.geladen && z.sprecher && z.sprecher->bereit());
}

void AusspracheLaden()
{
    auto& z = zustand();
    if (!z.geladen && !z.beobachter) {
        z.sprecher = z.fabrik ? z.fabrik() : PluginSprecher();
        z.geladen = true;
    }
    if (z.wartend && EngineDa() && Ausspracheok && z.sprecher)
        z.sprecher->sprechen(z.wartend->text, z.wartend->code);
    z.wartend.reset();
    const auto nachLaden = std::exchange(z.nachLaden, {});
    for (const auto& [kontext, f] : nachLaden)
        if (kontext)
            f();
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
        f();
        return;
    }
    zustand().nachLaden.append({QPointer<QObject>(kontext), std::move(f)});
}

void Aussprechen(const QString& text, const QString& sprache)
{
    const QString code = SprachCode(sprache);
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
