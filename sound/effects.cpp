// The sound module: the table's sounds played through Qt Multimedia. It is a plugin of its own so
// that the multimedia library, and the sound server's client with it, are loaded only when the
// game first wants a sound (sound/modulesound.h).
#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <memory>

#include "sound/soundoutput.h"

namespace {

class Effects final : public SoundOutput {
 public:
  Effects() {
    for (std::size_t i = 0; i < kSoundFiles.size(); ++i) {
      effects_[i] = std::make_unique<QSoundEffect>();
      effects_[i]->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(kSoundFiles[i]))));
    }
  }

  void Play(Sound sound) override {
    Stop();
    playing_ = effects_[static_cast<std::size_t>(sound)].get();
    playing_->play();
  }

  void Stop() override {
    if (playing_) playing_->stop();
    playing_ = nullptr;
  }

 private:
  std::array<std::unique_ptr<QSoundEffect>, kSoundFiles.size()> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace

class EffectsMaker : public QObject, public SoundOutputMaker {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID BRINDLEWHARF_SOUND_MAKER_IID)
  Q_INTERFACES(SoundOutputMaker)
 public:
  // None without a device to play on: the game is silent then, and the toolkit would complain
  // of the missing device once for every sound.
  std::unique_ptr<SoundOutput> MakeOutput() override {
    if (QMediaDevices::defaultAudioOutput().isNull()) return nullptr;
    return std::make_unique<Effects>();
  }
};

#include "effects.moc"
