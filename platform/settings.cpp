#include "platform/settings.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "platform/words.h"

namespace {

// One file for the whole run. A file found damaged at the start is ignored whole, since what
// looks valid in it may be debris, and started afresh at the first change.
std::unique_ptr<QSettings> chosen;
bool damaged = false;

// Every key the game writes. Anything else in the file is read by nobody and left out the next
// time the file is written.
const QStringList& KnownKeys() {
  static const QStringList keys = {
      "Player/Name",           "Deck/Back",
      "Deck/Randomize",        "Windows/CoachOpen",
      "Windows/HistoryOpen",   "Windows/TableGeometry",
      "Windows/CoachGeometry", "Windows/HistoryGeometry",
      "Files/StatsFolder",     "Sound/On",
  };
  return keys;
}

// An INI file as the game writes it is UTF-8 text whose every line is blank, a comment, a
// [section] or a key=value pair with a printable key. The toolkit's reader takes keys from
// among any junk, so anything else marks the whole file as damaged.
bool LooksWritten(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return false;
  for (QStringView line : QStringView(text).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
    if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) continue;
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) return false;
    for (const QChar c : line.left(equals))
      if (c.category() == QChar::Other_Control) return false;
  }
  return true;
}

bool Damaged(const QString& path) {
  if (chosen->status() != QSettings::NoError) return true;
  QFile file(path);
  if (!file.exists()) return false;
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return true;
  // A settings file is a few hundred bytes; a huge one is no file of ours.
  constexpr qint64 kMostBytes = 64 * 1024;
  const QByteArray bytes = file.read(kMostBytes + 1);
  return bytes.size() > kMostBytes || !LooksWritten(bytes);
}

QVariant Read(const QString& key) {
  if (!chosen || damaged) return {};
  return chosen->value(key);
}

void Write(const QString& key, const QVariant& value) {
  if (!chosen) return;
  if (damaged) chosen->clear();
  damaged = false;
  for (const QString& other : chosen->allKeys())
    if (!KnownKeys().contains(other)) chosen->remove(other);
  chosen->setValue(key, value);
  chosen->sync();
}

std::optional<int> Number(const QVariant& v) {
  bool ok = false;
  const int n = v.toString().toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

// A flag as written this run (a bool) or as read back from the file (its word); nothing for
// anything else.
std::optional<bool> Flag(const QVariant& v) {
  if (v.typeId() == QMetaType::Bool) return v.toBool();
  const QString word = v.typeId() == QMetaType::QString ? v.toString() : QString();
  if (word != "true" && word != "false") return std::nullopt;
  return word == "true";
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
    connect(&rest_, &QTimer::timeout, this, [this] { RememberGeometry(which_, window_->saveGeometry()); });
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
    // Only the player resizes a window that can be resized; the program sets its size before showing it.
    if (watched == window_ && e->type() == QEvent::Resize && e->spontaneous() && window_->isVisible())
      rest_.start();
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
  damaged = chosen && Damaged(path);
}

void IgnoreRelativeXdgFolders() {
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
    const QString folder = qEnvironmentVariable(name);
    if (!folder.isEmpty() && QDir::isRelativePath(folder)) qunsetenv(name);
  }
}

QString RememberedName() {
  const QVariant v = Read("Player/Name");
  if (v.typeId() != QMetaType::QString) return {};
  const QString name = v.toString();
  return CheckPlayerName(Characters(name)) == NameRefusal::None ? name : QString();
}

void RememberName(const QString& name) { Write("Player/Name", name); }

std::int32_t RememberedBack(std::int32_t fallback, bool (*isBack)(std::int32_t)) {
  const std::optional<int> back = Number(Read("Deck/Back"));
  return back && isBack(*back) ? *back : fallback;
}

bool RememberedRandomDeck() { return Flag(Read("Deck/Randomize")).value_or(false); }

void RememberDeckChoice(std::int32_t back, bool random) {
  Write("Deck/Back", back);
  Write("Deck/Randomize", random);
}

bool RememberedOpen(GameWindow window) { return Flag(Read(WindowKey(window, "Open"))).value_or(false); }

void RememberOpen(GameWindow window, bool open) { Write(WindowKey(window, "Open"), open); }

QByteArray RememberedGeometry(GameWindow window) {
  const QVariant v = Read(WindowKey(window, "Geometry"));
  return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

void RememberGeometry(GameWindow window, const QByteArray& geometry) {
  Write(WindowKey(window, "Geometry"), geometry);
}

QString RememberedStatsFolder() {
  const QVariant v = Read("Files/StatsFolder");
  if (v.typeId() != QMetaType::QString) return {};
  const QFileInfo folder(v.toString());
  return folder.isAbsolute() && folder.isDir() ? folder.absoluteFilePath() : QString();
}

void RememberStatsFile(const QString& path) { Write("Files/StatsFolder", QFileInfo(path).absolutePath()); }

bool RememberedSoundOn(bool fallback) { return Flag(Read("Sound/On")).value_or(fallback); }

void RememberSoundOn(bool on) { Write("Sound/On", on); }

void KeepPlayersPlace(QWidget* window, GameWindow which) { new PlaceKeeper(window, which); }

bool MoveToPlayersPlace(QWidget* window, GameWindow which) {
  const QByteArray geometry = RememberedGeometry(which);
  if (geometry.isEmpty() || !window->restoreGeometry(geometry)) return false;
  KeepWhollyOnScreen(window);
  return true;
}

QMargins FrameMargins(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

void KeepWhollyOnScreen(QWidget* window) {
  // The frame as it is, or, before the window manager has framed the window, as it will be.
  const QRect frame = window->frameGeometry();
  const QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QMargins margins = FrameMargins(window);
  QSize inner = window->size();
  if (window->minimumSize() != window->maximumSize())
    inner = inner.boundedTo(room.size().shrunkBy(margins)).expandedTo(window->minimumSize());
  window->resize(inner);
  const QSize outer = inner.grownBy(margins);
  const int x =
      std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
  const int y = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
  if (QPoint(x, y) != frame.topLeft()) window->move(x, y);  // a window's position is its frame's
}
