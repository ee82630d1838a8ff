// lerno_assets <outdir>: writes the six sound effects and the two background
// pictures of the program folder, and the desktop icons (symbole/lerno-<size>.png,
// the window icon's drawing). Everything is synthesised here, with a fixed
// seed, so every build produces the same bytes.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include "ui/SymbolBild.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeak = 0.5; // -6 dBFS: clearly audible, never loud

// Own generator: the standard distributions may differ between library versions.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed ? seed : 1) {}
    std::uint64_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); } // [0, 1)
    double bipolar() { return 2.0 * uniform() - 1.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

using Signal = std::vector<double>;

Signal silence(double seconds) { return Signal(std::size_t(std::lround(seconds * kRate)), 0.0); }

// Chamberlin state-variable filter; stable for the low cutoffs used here.
struct StateVariableFilter {
    double low = 0, band = 0;
    double bandpass(double in, double cutoffHz, double q)
    {
        const double f = 2.0 * std::sin(std::numbers::pi * std::min(cutoffHz, kRate / 6.0) / kRate);
        low += f * band;
        const double high = in - low - band / q;
        band += f * high;
        return band;
    }
};

struct OnePoleLowpass {
    double y = 0;
    double run(double in, double cutoffHz)
    {
        const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kRate);
        y += a * (in - y);
        return y;
    }
};

// Adds a tone built from harmonics whose levels and frequency may change over
// time. partials(t, k) gives the level of harmonic k at t seconds after the onset.
void addVoice(Signal& s, double start, double length, const std::function<double(double)>& freqAt,
              int harmonics, const std::function<double(double, int)>& partials,
              const std::function<double(double)>& envelope)
{
    const std::size_t first = std::size_t(std::lround(start * kRate));
    const std::size_t count = std::size_t(std::lround(length * kRate));
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = freqAt(t);
        double v = 0;
        for (int k = 1; k <= harmonics; ++k) {
            if (f * k >= kRate / 2.0 - 500) break; // keep clear of aliasing
            v += partials(t, k) * std::sin(phase * k);
        }
        s[first + i] += v * envelope(t);
        phase = std::fmod(phase + kTwoPi * f / kRate, kTwoPi);
    }
}

// Attack, hold and release in seconds; linear ramps, so no clicks inside a tone.
std::function<double(double)> ramp(double attack, double length, double release)
{
    return [=](double t) {
        if (t < attack) return t / attack;
        if (t > length - release) return std::max(0.0, (length - t) / release);
        return 1.0;
    };
}

// Fades the ends, scales the peak to kPeak and quantises to 16 bit.
std::vector<std::int16_t> finish(Signal s, double fadeIn = 0.003, double fadeOut = 0.02)
{
    const std::size_t in = std::size_t(fadeIn * kRate), out = std::size_t(fadeOut * kRate);
    for (std::size_t i = 0; i < in && i < s.size(); ++i) s[i] *= double(i) / in;
    for (std::size_t i = 0; i < out && i < s.size(); ++i) s[s.size() - 1 - i] *= double(i) / out;
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> pcm(s.size());
    const double gain = peak > 0 ? kPeak * 32767.0 / peak : 0.0;
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = std::int16_t(std::clamp(std::lround(s[i] * gain), -32767L, 32767L));
    return pcm;
}

void putLE(QByteArray& b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

// Canonical 44-byte RIFF/WAVE header: 16-byte fmt chunk, then the data chunk.
bool writeWav(const QString& path, const std::vector<std::int16_t>& pcm)
{
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    QByteArray b;
    b.append("RIFF");
    putLE(b, 36 + dataBytes, 4);
    b.append("WAVEfmt ");
    putLE(b, 16, 4);
    putLE(b, 1, 2); // PCM
    putLE(b, 1, 2); // mono
    putLE(b, kRate, 4);
    putLE(b, kRate * 2, 4);
    putLE(b, 2, 2);
    putLE(b, 16, 2);
    b.append("data");
    putLE(b, dataBytes, 4);
    for (std::int16_t v : pcm) putLE(b, std::uint16_t(v), 2);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size() && f.flush();
}

// --- The six effects -------------------------------------------------------

// Many short claps of band-limited noise, dense at first, thinning and fading.
Signal applaus()
{
    const double length = 1.8;
    Signal s = silence(length);
    Noise rnd(0xA991A05);
    for (int c = 0; c < 260; ++c) {
        const double start = 1.45 * std::pow(rnd.uniform(), 1.4);
        const double fade = std::pow(1.0 - start / 1.6, 1.6);
        const double level = rnd.range(0.35, 1.0) * fade;
        const double centre = rnd.range(900, 2600);
        const double decay = rnd.range(0.004, 0.009);
        StateVariableFilter filter;
        const std::size_t first = std::size_t(start * kRate);
        for (std::size_t i = 0; i < std::size_t(0.05 * kRate) && first + i < s.size(); ++i) {
            const double t = double(i) / kRate;
            const double env = std::min(1.0, t / 0.0008) * std::exp(-t / decay);
            s[first + i] += level * filter.bandpass(rnd.bipolar() * env, centre, 1.2);
        }
    }
    // A soft wash of the crowd under the claps, and a gentle top cut.
    OnePoleLowpass wash, top;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / 0.08) * std::pow(std::max(0.0, 1.0 - t / length), 1.5);
        s[i] = top.run(s[i] + 0.08 * env * wash.run(rnd.bipolar(), 2500), 7000);
    }
    // Soft limiting: otherwise the few loudest claps set the level and the rest is faint.
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    OnePoleLowpass smooth1, smooth2; // takes the edge off the limiter's overtones
    for (double& v : s) v = smooth2.run(smooth1.run(std::tanh(3.0 * v / peak), 6000), 6000);
    return s;
}

// Noise through a band-pass whose centre sweeps up and back down.
Signal wusch()
{
    const double length = 0.35;
    Signal s = silence(length);
    Noise rnd(0x3005C);
    StateVariableFilter filter;
    OnePoleLowpass soft1, soft2;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = double(i) / s.size();
        const double centre = 350.0 + 2200.0 * std::pow(std::sin(std::numbers::pi * std::pow(x, 0.8)), 2.0);
        const double env = std::pow(std::sin(std::numbers::pi * std::pow(x, 0.7)), 2.0);
        s[i] = soft2.run(soft1.run(filter.bandpass(rnd.bipolar(), centre, 0.9) * env, 4000), 4000);
    }
    return s;
}

// Bell-like partials that decay, the upper harmonics faster.
double bell(double t, int k) { return std::exp(-t * (4.0 + 5.0 * (k - 1))) / (k * k); }

// Two rising bell tones a fourth apart.
Signal richtig()
{
    const double length = 0.75;
    Signal s = silence(length);
    const auto fixed = [](double f) { return [f](double) { return f; }; };
    addVoice(s, 0.00, 0.75, fixed(783.99), 4, bell, ramp(0.004, 0.75, 0.05));
    addVoice(s, 0.11, 0.64, fixed(1046.50), 4, bell, ramp(0.004, 0.64, 0.05));
    return s;
}

// Two falling, rounded tones; few odd harmonics and a low-pass keep it soft.
Signal falsch()
{
    const double length = 0.72;
    Signal s = silence(length);
    // Odd harmonics for the buzz, each tone dying away so it never drones.
    const auto buzz = [](double t, int k) { return (k % 2 == 1) ? std::exp(-t / 0.22) / (k * k) : 0.0; };
    addVoice(s, 0.00, 0.30, [](double) { return 233.08; }, 7, buzz, ramp(0.015, 0.30, 0.05));
    addVoice(s, 0.30, 0.42, [](double t) { return 185.0 * (1.0 - 0.03 * std::min(1.0, t / 0.42)); }, 7, buzz,
             ramp(0.015, 0.42, 0.12));
    OnePoleLowpass soft;
    for (double& v : s) v = soft.run(v, 1400);
    return s;
}

// A quick rising arpeggio of plucked tones.
Signal aus()
{
    const double length = 0.5;
    Signal s = silence(length);
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};
    for (int n = 0; n < 4; ++n) {
        const double start = 0.06 * n;
        const double f = notes[n];
        addVoice(s, start, length - start, [f](double) { return f; }, 3,
                 [](double t, int k) { return std::exp(-t * (7.0 + 6.0 * (k - 1))) / k; },
                 ramp(0.003, length - start, 0.04));
    }
    return s;
}

// Brass-like voice: the spectrum brightens during the attack, then settles;
// slight vibrato once the note is held.
void addBrass(Signal& s, double start, double length, double freq, double level)
{
    const auto freqAt = [=](double t) {
        const double depth = 0.004 * std::clamp((t - 0.25) / 0.2, 0.0, 1.0);
        return freq * (1.0 + depth * std::sin(kTwoPi * 5.5 * t));
    };
    const auto partials = [=](double t, int k) {
        const double r = t < 0.05 ? 1.3 - 10.0 * t : 0.8 + 0.15 * std::min(1.0, (t - 0.05) / 0.3);
        return level * std::exp(-(k - 1) * r);
    };
    addVoice(s, start, length, freqAt, 10, partials, ramp(0.025, length, std::min(0.2, length / 3)));
}

// A short run up to a held C major chord.
Signal tusch()
{
    const double length = 1.5;
    Signal s = silence(length);
    addBrass(s, 0.00, 0.09, 392.00, 0.8);
    addBrass(s, 0.09, 0.09, 440.00, 0.8);
    addBrass(s, 0.18, 0.09, 493.88, 0.8);
    const double chord[] = {261.63, 329.63, 392.00, 523.25};
    for (int n = 0; n < 4; ++n)
        addBrass(s, 0.27, length - 0.27, chord[n] * (1.0 + 0.0015 * (n - 1.5)), n == 3 ? 0.8 : 0.6);
    return s;
}

// --- The two pictures ------------------------------------------------------

// Fine noise over the whole picture: hides gradient banding, gives a texture.
void grain(QImage& img, std::uint64_t seed, double strength)
{
    Noise rnd(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int d = int(std::lround(rnd.bipolar() * strength));
            const QRgb p = row[x];
            row[x] = qRgb(std::clamp(qRed(p) + d, 0, 255), std::clamp(qGreen(p) + d, 0, 255),
                          std::clamp(qBlue(p) + d, 0, 255));
        }
    }
}

double linear(int c)
{
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Worst contrast ratio of yellow text against any pixel of the picture.
double worstContrastAgainstYellow(const QImage& img)
{
    double brightest = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = row[x];
            brightest = std::max(brightest, 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) +
                                                0.0722 * linear(qBlue(p)));
        }
    }
    const double yellow = 0.2126 + 0.7152;
    return (yellow + 0.05) / (brightest + 0.05);
}

void softCircle(QPainter& p, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    QColor edge = colour;
    edge.setAlpha(0);
    g.setColorAt(0.0, colour);
    g.setColorAt(0.7, QColor(colour.red(), colour.green(), colour.blue(), colour.alpha() * 2 / 3));
    g.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// Start screen: a night-blue sky with faint blurred lights above gentle dark hills.
QImage hintergrund2()
{
    const int w = 1280, h = 800;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(8, 12, 38));
    sky.setColorAt(0.55, QColor(18, 30, 74));
    sky.setColorAt(1.0, QColor(30, 36, 86));
    p.fillRect(img.rect(), sky);

    softCircle(p, QPointF(w * 0.78, h * 0.22), 520, QColor(70, 50, 120, 40)); // violet haze
    softCircle(p, QPointF(w * 0.15, h * 0.65), 420, QColor(30, 70, 120, 35));

    Noise rnd(0xB0CE4);
    for (int i = 0; i < 46; ++i) {
        const QPointF c(rnd.range(0, w), rnd.range(0, h * 0.8));
        const double r = rnd.range(18, 95);
        const int hue = int(rnd.range(200, 275));
        softCircle(p, c, r, QColor::fromHsv(hue, 120, 200, int(rnd.range(10, 26))));
    }

    const auto hill = [&](double base, double amp, double phase, QColor colour) {
        QPainterPath path(QPointF(0, h));
        for (int x = 0; x <= w; x += 8) {
            const double u = double(x) / w;
            path.lineTo(x, h * base - amp * (std::sin(kTwoPi * (u * 0.9 + phase)) +
                                             0.45 * std::sin(kTwoPi * (u * 2.1 + 2 * phase))));
        }
        path.lineTo(w, h);
        path.closeSubpath();
        QLinearGradient g(0, h * base - amp * 1.5, 0, h);
        g.setColorAt(0.0, colour);
        g.setColorAt(1.0, colour.darker(170));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(path);
    };
    hill(0.80, 38, 0.10, QColor(20, 28, 66));
    hill(0.88, 30, 0.55, QColor(11, 17, 44));
    p.end();
    grain(img, 0x57A2, 1.5);
    return img;
}

// Every other window: a deep green-teal board with faint chalk smudges.
QImage hintergrund1()
{
    const int w = 800, h = 600;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient board(0, 0, w, h);
    board.setColorAt(0.0, QColor(16, 54, 50));
    board.setColorAt(1.0, QColor(8, 34, 38));
    p.fillRect(img.rect(), board);

    Noise rnd(0xC4A1C);
    for (int i = 0; i < 14; ++i) {
        QPainterPath stroke;
        QPointF a(rnd.range(-50, w), rnd.range(0, h));
        stroke.moveTo(a);
        stroke.cubicTo(a + QPointF(rnd.range(60, 200), rnd.range(-60, 60)),
                       a + QPointF(rnd.range(150, 320), rnd.range(-60, 60)),
                       a + QPointF(rnd.range(250, 420), rnd.range(-40, 40)));
        // Several widths on top of each other give a soft, wiped edge.
        for (int layer = 0; layer < 4; ++layer) {
            p.setPen(QPen(QColor(220, 240, 230, 4), 70 - layer * 15, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(stroke);
        }
    }

    QRadialGradient vignette(QPointF(w * 0.45, h * 0.4), w * 0.75);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 25));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(img.rect(), vignette);
    p.end();
    grain(img, 0x7E47, 3.0);
    return img;
}

bool savePicture(const QString& path, const QImage& img)
{
    // 7:1 keeps 12 pt yellow label text easy to read on every pixel.
    const double contrast = worstContrastAgainstYellow(img);
    if (contrast < 7.0) {
        std::fprintf(stderr, "lerno_assets: %s too bright for yellow text (contrast %.2f)\n",
                     qPrintable(path), contrast);
        return false;
    }
    return img.save(path, "BMP"); // Qt writes RGB32 images as 24-bit BMP
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lerno_assets <outdir>\n");
        return 2;
    }
    const QString outdir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outdir)) {
        std::fprintf(stderr, "lerno_assets: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir dir(outdir);

    struct Sound {
        const char* name;
        Signal (*make)();
    };
    // The names are looked up with exactly this case.
    const Sound sounds[] = {{"Applaus.wav", applaus}, {"Wusch.wav", wusch}, {"Richtig.wav", richtig},
                            {"Falsch.WAV", falsch},   {"aus.WAV", aus},     {"TUSCH.WAV", tusch}};
    bool ok = true;
    for (const Sound& s : sounds) {
        if (!writeWav(dir.filePath(QString::fromLatin1(s.name)), finish(s.make()))) {
            std::fprintf(stderr, "lerno_assets: cannot write %s\n", s.name);
            ok = false;
        }
    }
    ok = savePicture(dir.filePath(QStringLiteral("Hintergrund1.bmp")), hintergrund1()) && ok;
    ok = savePicture(dir.filePath(QStringLiteral("Hintergrund2.bmp")), hintergrund2()) && ok;
    // hicolor sizes for the desktop entry.
    ok = QDir().mkpath(dir.filePath(QStringLiteral("symbole"))) && ok;
    for (int groesse : {16, 32, 48, 64, 128, 256}) {
        const QString pfad = dir.filePath(QStringLiteral("symbole/lerno-%1.png").arg(groesse));
        if (!lerno::SymbolBild(groesse).save(pfad, "PNG")) {
            std::fprintf(stderr, "lerno_assets: cannot write %s\n", qPrintable(pfad));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
