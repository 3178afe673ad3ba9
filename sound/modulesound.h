#pragma once
// The player's speakers: the output of the sound module, which alone links the multimedia
// library. The module is loaded, and its output opened, on a thread of its own the first time
// a sound is prepared or played, so that neither the start nor a hand ever waits on the
// multimedia library or the sound server. Without the module, or without a sound device, every
// sound is dropped in silence.

#include <QString>
#include <QStringList>
#include <QThread>
#include <memory>

#include "sound/soundoutput.h"

class ModuleSound final : public SoundOutput {
 public:
  // The module is looked for in each folder in turn.
  explicit ModuleSound(QStringList folders = ModuleFolders());
  ~ModuleSound() override;

  void Prepare() override;
  void Play(Sound sound) override;
  void Stop() override;

  // Beside the program (the build folder), then where the package installs it.
  static QStringList ModuleFolders();
  static QString ModuleFileName();

 private:
  // Runs f on the sound thread, with the output if one could be opened.
  template <typename F>
  void Post(F f);
  void Open();

  QStringList folders_;
  QThread thread_;
  QObject* inThread_ = nullptr;  // the thread's own object, that the work is posted to
  // Touched on the sound thread only.
  bool tried_ = false;
  QObject* maker_ = nullptr;
  std::unique_ptr<SoundOutput> output_;
};
