#pragma once
// The planned class tests: which list, on which day, and how many words a day at most.
// One UTF-8 file beside the lists, "Klassenarbeiten.txt", one line per list, CR LF, the
// list's file name last so that it may hold any character but a line end:
//   2026-03-20<TAB>20<TAB>Englisch Unit 3.dva<CR><LF>
// No chooser pattern (*.dva, *.dvb, *.dvc) matches it. Written through the crash-safe replace.
#include <QDate>
#include <QMap>
#include <QString>
#include <optional>

namespace lerno::Klassenarbeit {

inline const QString PlanDatei = QStringLiteral("Klassenarbeiten.txt");
inline constexpr int StandardHoechstens = 20; // "höchstens … Wörter am Tag"

struct Plan {
    QDate datum;
    int hoechstens = StandardHoechstens;
    bool operator==(const Plan&) const = default;
};

struct Plaene {
    QMap<QString, Plan> listen; // file name of the list ("Unit 3.dva") -> plan
    int uebersprungen = 0;      // damaged lines, left out
    bool lesefehler = false;    // the file exists but cannot be read
};

// Every plan of the lists in `ordner`; a missing file holds none.
Plaene PlaeneLesen(const QString& ordner);
// The plan of one list (its path); nullopt when it has none.
std::optional<Plan> PlanLesen(const QString& liste);
// Sets or changes the list's plan. False when the plan is no plan (no valid date, fewer
// than one word a day) or the file could not be read or written; it is then unchanged.
bool PlanSetzen(const QString& liste, const Plan& plan);
// Removes the list's plan (also when the list was deleted). True when none is left.
bool PlanEntfernen(const QString& liste);
// Removes the plans of lists no longer in `ordner` (deleted): a new list of the same name
// starts without one. Writes only when there is one to remove; false when that failed.
bool VerwaisteEntfernen(const QString& ordner);

} // namespace lerno::Klassenarbeit
