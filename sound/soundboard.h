#pragma once
// The table heard: one short sound for each thing that happens at the table, chosen from the hand
// cycle's events alone. It knows the table only from what the events carry, as if it ran
// elsewhere, and plays through an output it is given; without one it stays silent.

#include <QObject>
#include <cstdint>

#include "game/cards.h"
#include "game/drawrule.h"
#include "game/handrecord.h"
#include "sound/soundoutput.h"

class SoundBoard : public QObject {
  Q_OBJECT
 public:
  explicit SoundBoard(SoundOutput* output, QObject* parent = nullptr);

  bool IsOn() const { return on_; }

 public slots:
  // Off silences whatever plays; nothing is heard until it is on again.
  void SetOn(bool on);

  void GameStarted();
  void HandDealt();
  void CardTurned(int slot, CardCode card, bool faceDown);
  void DrawMade(const SlotFlags& discards);
  void DealerDrew(std::int32_t count);
  void ShowdownSettled(const ShowdownRecord& result);
  void BillAdded();
  void WentBankrupt();

 private:
  void Play(Sound sound);

  SoundOutput* output_;
  bool on_ = false;
  bool started_ = false;  // a game is under way, so sounds will come
};

// Whether the player's desktop runs a sound server (PulseAudio, or PipeWire, which answers in its
// stead): the game is heard by default only where one is found.
bool DesktopHasSoundServer();
