#include "history/archive.h"

#include <QTemporaryDir>
#include <utility>

#include "history/recorder.h"
#include "platform/platform.h"

ArchiveWriter::ArchiveWriter() = default;

ArchiveWriter::~ArchiveWriter() = default;

void ArchiveWriter::Open(const QString& path) {
  store_ = std::make_unique<HandStore>();
  StoreOpening opening = path.isEmpty() ? StoreOpening{} : store_->Open(path);
  QString used = path;
  if (opening.state == StoreOpening::Newer || opening.state == StoreOpening::Failed) {
    scratch_ = std::make_unique<QTemporaryDir>();
    used = scratch_->isValid() ? scratch_->filePath(QStringLiteral("history.sqlite")) : QString();
    const StoreOpening own = used.isEmpty() ? StoreOpening{} : store_->Open(used);
    if (own.state != StoreOpening::Created) {
      used.clear();
      store_->Close();
    }
  }
  emit Opened(opening, used);
}

void ArchiveWriter::BeginGame(const QString& player, std::int32_t bank, std::int64_t when) {
  totals_ = {};
  totals_.endBank = bank;
  game_ = store_ && store_->IsOpen() ? store_->BeginGame(player, bank, when) : 0;
  if (game_ == 0) return Failed();
  emit GameBegun(game_);
}

void ArchiveWriter::AddHand(const KeptHand& hand) {
  if (game_ == 0) return;
  totals_.Add(hand);
  if (!store_->AddHand(game_, hand, totals_)) return Failed();
  emit HandWritten(game_, totals_.hands);
}

void ArchiveWriter::EndGame(GameEnd end, std::int64_t when) {
  if (game_ == 0) return;
  const std::int64_t game = std::exchange(game_, 0);
  if (!store_->EndGame(game, end, when)) return Failed();
  emit GameEnded(game);
}

void ArchiveWriter::Finish(std::int64_t when) {
  EndGame(GameEnd::Quit, when);
  store_.reset();
  scratch_.reset();
  QThread::currentThread()->quit();
}

void ArchiveWriter::Failed() {
  if (!store_ || !store_->IsOpen() || std::exchange(told_, true)) return;
  emit WriteFailed(store_->LastError());
}

HandArchive::HandArchive(const HandRecorder* recorder, QObject* parent)
    : QObject(parent), writer_(new ArchiveWriter) {
  thread_.setObjectName(QStringLiteral("HandArchive"));
  writer_->moveToThread(&thread_);
  connect(recorder, &HandRecorder::GameBegun, writer_, &ArchiveWriter::BeginGame);
  connect(recorder, &HandRecorder::HandKept, writer_, &ArchiveWriter::AddHand);
  connect(recorder, &HandRecorder::GameEnded, writer_, &ArchiveWriter::EndGame);
  thread_.start();
}

void HandArchive::Open(const QString& path) {
  QMetaObject::invokeMethod(writer_, [writer = writer_, path] { writer->Open(path); });
}

HandArchive::~HandArchive() {
  // Queued behind every hand still to be written; the writer ends its thread when it is done.
  const std::int64_t when = CurrentPlatform().LocalDateTime().toSecsSinceEpoch();
  QMetaObject::invokeMethod(writer_, [writer = writer_, when] { writer->Finish(when); });
  thread_.wait();
  delete writer_;
}
