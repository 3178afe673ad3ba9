#include "sound/modulesound.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

ModuleSound::ModuleSound(QStringList folders) : folders_(std::move(folders)) {
  thread_.setObjectName("Sound");
}

ModuleSound::~ModuleSound() {
  if (!inThread_) return;
  // The output was opened on the sound thread and is closed there.
  QMetaObject::invokeMethod(
      inThread_,
      [this] {
        output_.reset();
        delete maker_;
      },
      Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

QStringList ModuleSound::ModuleFolders() {
  return {QCoreApplication::applicationDirPath(), QStringLiteral(BRINDLEWHARF_SOUND_MODULE_DIR)};
}

QString ModuleSound::ModuleFileName() { return QStringLiteral("brindlewharf-sound.so"); }

template <typename F>
void ModuleSound::Post(F f) {
  if (!inThread_) {
    inThread_ = new QObject;
    inThread_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, inThread_, &QObject::deleteLater);
    thread_.start();
  }
  QMetaObject::invokeMethod(
      inThread_,
      [this, f] {
        Open();
        if (output_) f(*output_);
      },
      Qt::QueuedConnection);
}

void ModuleSound::Open() {
  if (tried_) return;
  tried_ = true;
  for (const QString& folder : folders_) {
    QPluginLoader loader(QDir(folder).filePath(ModuleFileName()));
    if (!loader.load()) continue;
    maker_ = loader.instance();
    if (auto* maker = qobject_cast<SoundOutputMaker*>(maker_)) output_ = maker->MakeOutput();
    return;
  }
}

void ModuleSound::Prepare() {
  Post([](SoundOutput& out) { out.Prepare(); });
}

void ModuleSound::Play(Sound sound) {
  Post([sound](SoundOutput& out) { out.Play(sound); });
}

void ModuleSound::Stop() {
  // Nothing plays before the first sound, so nothing needs the module loaded to stop it.
  if (inThread_) Post([](SoundOutput& out) { out.Stop(); });
}
