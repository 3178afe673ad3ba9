#include "sound/soundboard.h"

#include <QFileInfo>
#include <QString>
#include <utility>

SoundBoard::SoundBoard(SoundOutput* output, QObject* parent) : QObject(parent), output_(output) {}

void SoundBoard::SetOn(bool on) {
  const bool was = std::exchange(on_, on);
  if (!output_ || was == on) return;
  if (!on) {
    output_->Stop();
  } else if (started_) {
    output_->Prepare();
  }
}

// The output is opened when the first game begins rather than at start-up: a player who never
// turns the sound on never loads it, and the deal that follows is heard on time.
void SoundBoard::GameStarted() {
  started_ = true;
  if (on_ && output_) output_->Prepare();
}

void SoundBoard::HandDealt() { Play(Sound::Deal); }

void SoundBoard::CardTurned(int, CardCode, bool faceDown) {
  Play(faceDown ? Sound::CardDown : Sound::CardUp);
}

void SoundBoard::DrawMade(const SlotFlags& discards) {
  if (DiscardCount(discards) > 0) Play(Sound::Deal);
}

void SoundBoard::DealerDrew(std::int32_t count) {
  if (count > 0) Play(Sound::DealerDraws);
}

void SoundBoard::ShowdownSettled(const ShowdownRecord& result) {
  switch (result.outcome) {
    case PlayerWins:
      return Play(Sound::Win);
    case DealerWins:
      return Play(Sound::Loss);
    case Push:
      return Play(Sound::Push);
  }
}

void SoundBoard::BillAdded() { Play(Sound::Bills); }

void SoundBoard::WentBankrupt() { Play(Sound::Broke); }

void SoundBoard::Play(Sound sound) {
  if (on_ && output_) output_->Play(sound);
}

bool DesktopHasSoundServer() {
  if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return false;
  return QFileInfo::exists(runtime + "/pulse/native") || QFileInfo::exists(runtime + "/pipewire-0");
}
