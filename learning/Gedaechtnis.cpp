#include "learning/Gedaechtnis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lerno::Gedaechtnis {

namespace {

// FSRS-6 default weights w0..w20, fitted on a large public set of reviews.
constexpr std::array<double, 21> w = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542,
};

constexpr double MinStabilitaet = 0.001;
constexpr double MaxStabilitaet = 36500;

// Written so that NaN lands on the lower bound: a damaged state must not spread.
double Stabilitaet(double s) { return s >= MinStabilitaet ? std::min(s, MaxStabilitaet) : MinStabilitaet; }
double Schwierigkeit(double d) { return d >= 1 ? std::min(d, 10.0) : 1; }

// Difficulty right after the first rating g; not clamped, because the mean reversion
// pulls towards the unclamped value for "Leicht".
double AnfangsSchwierigkeit(int g) { return w[4] - std::exp((g - 1) * w[5]) + 1; }

// The decay is the trainable w20; the factor makes recall exactly 90 % after S days.
const double Zerfall = w[20];
const double Faktor = std::pow(0.9, -1 / Zerfall) - 1;

double NeueSchwierigkeit(double d, int g)
{
    const double delta = -w[6] * (g - 3);
    // Linear damping: the closer to 10, the smaller a step up (or down).
    const double gedaempft = d + delta * (10 - d) / 9;
    // Mean reversion towards the difficulty of a first "Leicht".
    return Schwierigkeit(w[7] * AnfangsSchwierigkeit(4) + (1 - w[7]) * gedaempft);
}

double NachErfolg(double d, double s, double r, int g)
{
    const double schwer = g == 2 ? w[15] : 1;
    const double leicht = g == 4 ? w[16] : 1;
    const double zuwachs = std::exp(w[8]) * (11 - d) * std::pow(s, -w[9])
                           * (std::exp(w[10] * (1 - r)) - 1) * schwer * leicht;
    return Stabilitaet(s * (1 + zuwachs));
}

double NachVergessen(double d, double s, double r)
{
    const double neu = Stabilitaet(w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1)
                                   * std::exp(w[14] * (1 - r)));
    // A lapse never leaves the word more stable than a same-day "Nochmal" would.
    return std::min(neu, Stabilitaet(s / std::exp(w[17] * w[18])));
}

// A second review on the same day: the forgetting curve has had no time to act, so the
// change depends on the rating and the stability alone.
double AmSelbenTag(double s, int g)
{
    double zuwachs = std::exp(w[17] * (g - 3 + w[18])) * std::pow(s, -w[19]);
    // Only "Nochmal" may lower the stability on the same day. (The reference, ts-fsrs 5.x,
    // floors the increase at 1 from "Schwer" on, not only for "Gut" and "Leicht"; we match it.)
    if (g >= 2)
        zuwachs = std::max(zuwachs, 1.0);
    return Stabilitaet(s * zuwachs);
}

} // namespace

Stand NachWiederholung(const std::optional<Stand>& vorher, int tage, int bewertung)
{
    const int g = std::clamp(bewertung, 1, 4);
    if (!vorher)
        return {Stabilitaet(w[g - 1]), Schwierigkeit(AnfangsSchwierigkeit(g))};

    const double s = Stabilitaet(vorher->stabilitaet);
    const double d = Schwierigkeit(vorher->schwierigkeit);
    const int t = std::max(tage, 0);

    double neu;
    if (t == 0)
        neu = AmSelbenTag(s, g); // the same-day formula for every rating, "Nochmal" too
    else if (g == 1)
        neu = NachVergessen(d, s, Abruf({s, d}, t));
    else
        neu = NachErfolg(d, s, Abruf({s, d}, t), g);
    return {neu, NeueSchwierigkeit(d, g)};
}

double Abruf(const Stand& s, double tage)
{
    if (!(tage > 0))
        return 1;
    return std::pow(1 + Faktor * tage / Stabilitaet(s.stabilitaet), -Zerfall);
}

} // namespace lerno::Gedaechtnis
