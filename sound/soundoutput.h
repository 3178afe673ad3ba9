#pragma once
// What plays the table's sounds: the sound module's output through the desktop's sound server, or
// whatever a test puts in its place. This header is all the module and the game share, so it
// holds no code that either must link.

#include <QtPlugin>
#include <array>
#include <memory>

enum class Sound { Deal, CardDown, CardUp, Bills, DealerDraws, Win, Loss, Push, Broke };

// The files under :/sounds/, one a sound, in the order above (tools/gen_sounds.py writes them).
inline constexpr std::array<const char*, 9> kSoundFiles = {
    "deal", "card_down", "card_up", "bills", "dealer_draws", "win", "loss", "push", "broke",
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Sounds may come soon: an output that takes a while to open may start now.
  virtual void Prepare() {}
  // Plays the sound at once, cutting off the one playing, if any: a late sound would be news
  // of something that already happened.
  virtual void Play(Sound sound) = 0;
  virtual void Stop() = 0;
};

// The one object of the sound module: it opens an output on the desktop's sound, in the thread it
// is called from.
class SoundOutputMaker {
 public:
  virtual ~SoundOutputMaker() = default;
  virtual std::unique_ptr<SoundOutput> MakeOutput() = 0;
};

#define BRINDLEWHARF_SOUND_MAKER_IID "invalid.brindlewharf.SoundOutputMaker/1"
Q_DECLARE_INTERFACE(SoundOutputMaker, BRINDLEWHARF_SOUND_MAKER_IID)
