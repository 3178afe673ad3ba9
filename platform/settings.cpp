#include "platform/settings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace {

// One file for the whole run. A file found damaged at the start is ignored whole, since what
// looks valid in it may be debris, and started afresh at the first change.
std::unique_ptr<QSettings> chosen;
bool damaged = false;

QVariant Read(const QString& key) {
  if (!chosen || damaged) return {};
  return chosen->value(key);
}

void Write(const QString& key, const QVariant& value) {
  if (!chosen) return;
  if (damaged) chosen->clear();
  damaged = false;
  chosen->setValue(key, value);
  chosen->sync();
}

std::optional<int> Number(const QVariant& v) {
  bool ok = false;
  const int n = v.toString().toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

bool Flag(const QVariant& v) {
  return v.typeId() == QMetaType::QString ? v.toString() == "true" : v.toBool();
}

QString WindowKey(GameWindow window, const char* what) {
  static constexpr const char* kNames[] = {"Table", "Coach", "History"};
  return QStringLiteral("Windows/%1%2").arg(kNames[static_cast<int>(window)], what);
}

// A window manager that frames a window may shift it by the frame's width; that is no move of the
// player's.
constexpr int kFrameAllowance = 40;
// A window dragged about moves many times a second; its place is written once it comes to rest.
constexpr int kRestMs = 300;

class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QWidget* window, GameWindow which) : QObject(window), window_(window), which_(which) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, [this] { RememberPlace(which_, window_->pos()); });
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == window_ && e->type() == QEvent::Move) {
      if (!e->spontaneous()) {
        placed_ = window_->pos();
      } else if (window_->isVisible() && (window_->pos() - placed_).manhattanLength() > kFrameAllowance) {
        rest_.start();
      }
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  QWidget* window_;
  GameWindow which_;
  QPoint placed_;
  QTimer rest_;
};

}  // namespace

QString DefaultSettingsFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder.isEmpty() ? QString() : folder + "/brindlewharf/brindlewharf.conf";
}

void UseSettingsFile(const QString& path) {
  chosen.reset(path.isEmpty() ? nullptr : new QSettings(path, QSettings::IniFormat));
  damaged = chosen && chosen->status() != QSettings::NoError;
}

QString RememberedName() {
  const QVariant v = Read("Player/Name");
  if (v.typeId() != QMetaType::QString) return {};
  const QString name = v.toString();
  if (name.toUcs4().size() > 10) return {};
  for (const QChar c : name)
    if (c.category() == QChar::Other_Control) return {};
  return name;
}

void RememberName(const QString& name) { Write("Player/Name", name); }

std::int32_t RememberedBack(std::int32_t fallback, bool (*isBack)(std::int32_t)) {
  const std::optional<int> back = Number(Read("Deck/Back"));
  return back && isBack(*back) ? *back : fallback;
}

bool RememberedRandomDeck() { return Flag(Read("Deck/Randomize")); }

void RememberDeckChoice(std::int32_t back, bool random) {
  Write("Deck/Back", back);
  Write("Deck/Randomize", random);
}

bool RememberedOpen(GameWindow window) { return Flag(Read(WindowKey(window, "Open"))); }

void RememberOpen(GameWindow window, bool open) { Write(WindowKey(window, "Open"), open); }

std::optional<QPoint> RememberedPlace(GameWindow window) {
  const QVariant v = Read(WindowKey(window, "Place"));
  if (v.typeId() != QMetaType::QPoint) return std::nullopt;
  return v.toPoint();
}

void RememberPlace(GameWindow window, const QPoint& at) { Write(WindowKey(window, "Place"), at); }

QString RememberedStatsFolder() {
  const QVariant v = Read("Files/StatsFolder");
  if (v.typeId() != QMetaType::QString) return {};
  const QFileInfo folder(v.toString());
  return folder.isAbsolute() && folder.isDir() ? folder.absoluteFilePath() : QString();
}

void RememberStatsFile(const QString& path) { Write("Files/StatsFolder", QFileInfo(path).absolutePath()); }

void KeepPlayersPlace(QWidget* window, GameWindow which) { new PlaceKeeper(window, which); }

bool MoveToPlayersPlace(QWidget* window, GameWindow which) {
  const std::optional<QPoint> at = RememberedPlace(which);
  if (!at) return false;
  // Only where the player can still take hold of its title bar: the screens may have changed.
  const QScreen* screen = QGuiApplication::screenAt(*at + QPoint(window->width() / 2, 10));
  if (!screen || !screen->availableGeometry().contains(*at)) return false;
  window->move(*at);
  return true;
}
