// The game's three sounds, synthesised from bell-like and soft sine voices: a rising chime at
// start-up, a bright arpeggio for a win and a gentle falling figure for a loss. 16-bit mono PCM
// at 44100 Hz, silent at both ends so nothing clicks.
#pragma once

#include <cstdint>
#include <vector>

#include "OutputFolder.h"

namespace halmora::assets {

inline constexpr int kSampleRate = 44100;

std::vector<int16_t> StartupSound();
std::vector<int16_t> WinSound();
std::vector<int16_t> LoseSound();

// A complete RIFF/WAVE file of 16-bit mono samples.
std::vector<uint8_t> WavFile(const std::vector<int16_t>& samples, int sampleRate);

void WriteSounds(COutputFolder& out);

}  // namespace halmora::assets
