// Plays the game's short sounds without waiting. A missing file or no audio device is silent.
// Tests replace the player to see which sounds were asked for.
#pragma once

#include <functional>
#include <string>

namespace halmora {

using SoundFunction = std::function<void(const std::string& relativePath)>;

// Replaces the function that plays sounds; an empty function restores the real player.
void SetSoundFunction(SoundFunction play);

// Plays a sound file below the application folder, e.g. "Sounds/Win.wav".
void PlayGameSound(const std::string& relativePath);

}  // namespace halmora
