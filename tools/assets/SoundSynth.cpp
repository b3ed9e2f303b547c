#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace halmora::assets {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

double NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Partial {
    double ratio;      // of the fundamental
    double amplitude;  // relative
    double decay;      // seconds to fall to 1/e
};

class Tape {
public:
    explicit Tape(double seconds) : buffer_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

    // One struck note: partials that ring down at their own rates after a short soft attack.
    void Strike(double at, int midi, double amplitude, std::initializer_list<Partial> partials,
                double attack = 0.006) {
        const double f = NoteHz(midi);
        const size_t first = static_cast<size_t>(at * kSampleRate);
        for (size_t i = first; i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i - first) / kSampleRate;
            const double rise = t < attack ? std::sin(0.5 * std::numbers::pi * t / attack) : 1.0;
            double v = 0.0;
            for (const Partial& p : partials) {
                if (f * p.ratio < kSampleRate / 2.0)
                    v += p.amplitude * std::exp(-t / p.decay) * std::sin(kTau * f * p.ratio * t);
            }
            buffer_[i] += amplitude * rise * v;
        }
    }

    // A room: a few spaced, fading echoes soften the ends of the notes.
    void Room(double wet) {
        const double delays[] = {0.037, 0.053, 0.071, 0.097};
        std::vector<double> dry = buffer_;
        for (double d : delays) {
            const size_t lag = static_cast<size_t>(d * kSampleRate);
            std::vector<double> echo(buffer_.size(), 0.0);
            for (size_t i = lag; i < echo.size(); ++i)
                echo[i] = dry[i - lag] + 0.55 * echo[i - lag];
            for (size_t i = 0; i < buffer_.size(); ++i)
                buffer_[i] += wet * 0.25 * echo[i];
        }
    }

    // Scales to the given peak, fades the last `tail` seconds to silence and quantises.
    std::vector<int16_t> Finish(double peak, double tail) const {
        double loudest = 1e-9;
        for (double v : buffer_)
            loudest = std::max(loudest, std::abs(v));
        const size_t fadeFrom = buffer_.size() - static_cast<size_t>(tail * kSampleRate);
        std::vector<int16_t> out(buffer_.size());
        for (size_t i = 0; i < buffer_.size(); ++i) {
            double v = buffer_[i] / loudest * peak;
            if (i >= fadeFrom) {
                const double t = static_cast<double>(i - fadeFrom) / (buffer_.size() - fadeFrom);
                v *= 0.5 + 0.5 * std::cos(std::numbers::pi * t);
            }
            out[i] = static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
        }
        out.front() = 0;
        out.back() = 0;
        return out;
    }

private:
    std::vector<double> buffer_;
};

const std::initializer_list<Partial> kBell = {
    {1.0, 1.0, 0.9}, {2.0, 0.35, 0.45}, {3.01, 0.16, 0.25}, {4.2, 0.08, 0.15}, {5.4, 0.04, 0.1}};
const std::initializer_list<Partial> kBright = {
    {1.0, 1.0, 0.6}, {2.0, 0.5, 0.35}, {3.0, 0.25, 0.2}, {4.0, 0.12, 0.12}};
const std::initializer_list<Partial> kSoft = {{1.0, 1.0, 0.9}, {2.0, 0.12, 0.4}, {3.0, 0.03, 0.2}};

// MIDI note numbers.
constexpr int kAb3 = 56, kC4 = 60, kEb4 = 63, kG4 = 67, kC5 = 72, kE5 = 76, kG5 = 79, kC6 = 84,
              kE6 = 88, kG6 = 91, kC7 = 96;

}  // namespace

std::vector<int16_t> StartupSound() {
    Tape tape(2.2);
    const int notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i)
        tape.Strike(0.02 + 0.13 * i, notes[i], 0.9 - 0.1 * i, kBell);
    tape.Strike(0.55, kG6, 0.18, kBell);
    tape.Strike(0.56, kC7, 0.12, kBell);
    tape.Room(0.6);
    return tape.Finish(0.7, 0.35);
}

std::vector<int16_t> WinSound() {
    Tape tape(2.4);
    const int run[] = {kC5, kE5, kG5, kC6, kE6, kG6};
    for (int i = 0; i < 6; ++i)
        tape.Strike(0.02 + 0.075 * i, run[i], 0.7, kBright, 0.004);
    for (int note : {kC5, kE5, kG5, kC6})
        tape.Strike(0.50, note, 0.45, kBell);
    tape.Strike(0.50, kC7, 0.2, kBell);
    tape.Room(0.5);
    return tape.Finish(0.75, 0.4);
}

std::vector<int16_t> LoseSound() {
    Tape tape(2.3);
    tape.Strike(0.03, kG4, 0.8, kSoft, 0.03);
    tape.Strike(0.38, kEb4, 0.8, kSoft, 0.03);
    tape.Strike(0.76, kC4, 0.9, kSoft, 0.04);
    tape.Strike(0.76, kAb3, 0.35, kSoft, 0.06);  // a low A-flat darkens the last note
    tape.Room(0.7);
    return tape.Finish(0.6, 0.6);
}

std::vector<uint8_t> WavFile(const std::vector<int16_t>& samples, int sampleRate) {
    std::vector<uint8_t> out;
    const auto u32 = [&out](uint32_t v) {
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<uint8_t>(v >> (8 * k)));
    };
    const auto u16 = [&out](uint16_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    const auto tag = [&out](const char* t) { out.insert(out.end(), t, t + 4); };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<uint32_t>(sampleRate));
    u32(static_cast<uint32_t>(sampleRate) * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(dataBytes);
    for (int16_t s : samples)
        u16(static_cast<uint16_t>(s));
    return out;
}

void WriteSounds(COutputFolder& out) {
    out.SaveBytes("Sounds/Startup.wav", WavFile(StartupSound(), kSampleRate));
    out.SaveBytes("Sounds/Win.wav", WavFile(WinSound(), kSampleRate));
    out.SaveBytes("Sounds/Lose.wav", WavFile(LoseSound(), kSampleRate));
}

}  // namespace halmora::assets
