#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSaveFile>
#include <QThread>
#include <ctime>

#include "game/random.h"
#include "platform/settings.h"

namespace {

QtPlatform& QtOne() {
  static QtPlatform qt;
  return qt;
}

Platform* installed = nullptr;

class EscapeIgnored : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
      return true;
    return QObject::eventFilter(watched, event);
  }
};

// A window manager cuts a caption short when the title bar is too narrow for it. Room for the
// whole caption in a bold title face, with the title bar's icon and buttons beside it.
void MakeRoomForCaption(QMessageBox& box) {
  constexpr int kTitleBarFurniture = 120;
  QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  title.setBold(true);
  const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + kTitleBarFurniture;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

Platform& CurrentPlatform() { return installed ? *installed : QtOne(); }

void InstallPlatform(Platform* p) {
  installed = p;
  if (p) {
    SetCalendarSecondsSource([] { return CurrentPlatform().CalendarSeconds(); });
  } else {
    SetCalendarSecondsSource({});
  }
}

MessageAnswer ShowMessage(const QString& text, const QString& caption, int style) {
  return CurrentPlatform().ShowMessage(text, caption, style);
}

void TerminateApplication() { CurrentPlatform().Terminate(); }

QString NativeFullPath(const QString& path) {
  return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString SaveFileNameAskingToReplace(const QString& title, const QString& filter, const QString& defaultExt,
                                    const QString& replaceText, const QString& replaceCaption) {
  for (;;) {
    const QString path = CurrentPlatform().SaveFileName(title, filter, defaultExt);
    if (path.isEmpty() || !QFileInfo::exists(path)) return path;
    switch (ShowMessage(replaceText.arg(NativeFullPath(path)), replaceCaption, QuestionYesNoCancel)) {
      case MessageAnswer::Yes:
        return path;
      case MessageAnswer::No:
        continue;  // another name
      default:
        return {};
    }
  }
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // The bytes sit in the file's buffer until it is flushed, and a write that fails then (a full
  // disk) is not seen by commit(), which would put a short file in the old one's place: flush
  // first and give up on any error, so the old file stays as it was.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

MessageAnswer QtPlatform::ShowMessage(const QString& text, const QString& caption, int style) {
  EscapeIgnored escapeIgnored;
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(caption);
  // A message may quote a file name, which may look like markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  switch (style) {
    case QuestionYesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      // A Yes/No question is answered, never escaped: Escape would answer No.
      box.installEventFilter(&escapeIgnored);
      break;
    case QuestionYesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    default:
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  MakeRoomForCaption(box);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      // Closing a Yes/No box from its title bar is not possible; for OK boxes it means OK.
      return style == QuestionYesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
  }
}

// Both file dialogs start in the folder of the last statistics file saved or opened, a player's
// usual place for the game's files.
QString QtPlatform::OpenFileName(const QString& title, const QString& filter, const QString& defaultExt) {
  QFileDialog dialog(QApplication::activeWindow(), title, RememberedStatsFolder(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // The open command itself tells the player when the file is not there.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultExt);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtPlatform::SaveFileName(const QString& title, const QString& filter, const QString& defaultExt) {
  QFileDialog dialog(QApplication::activeWindow(), title, RememberedStatsFolder(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The save command asks about replacing a file itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(defaultExt);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

std::int64_t QtPlatform::CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

QDateTime QtPlatform::LocalDateTime() { return QDateTime::currentDateTime(); }

void QtPlatform::Pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

void QtPlatform::Terminate() { QCoreApplication::exit(0); }
