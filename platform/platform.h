#pragma once
// The thin layer between the game and the toolkit: everything that shows a message box,
// asks for a file name, reads the clock, pauses or ends the program goes through here,
// so that tests can script it.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>

// Message-box styles: an OK button with the stop icon; Yes/No with the question icon;
// Yes/No/Cancel with the question icon.
enum MessageStyle : int {
  StopOk = 16,
  QuestionYesNo = 36,
  QuestionYesNoCancel = 35,
};

enum class MessageAnswer { Ok, Yes, No, Cancel };

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal message box; text may hold line breaks ("\n").
  virtual MessageAnswer ShowMessage(const QString& text, const QString& caption, int style) = 0;
  // File dialogs; an empty result means the player cancelled.
  virtual QString OpenFileName(const QString& title, const QString& filter, const QString& defaultExt) = 0;
  virtual QString SaveFileName(const QString& title, const QString& filter, const QString& defaultExt) = 0;
  // Calendar time in whole seconds, and the local date and time.
  virtual std::int64_t CalendarSeconds() = 0;
  virtual QDateTime LocalDateTime() = 0;
  // Holds the user-interface thread for ms milliseconds.
  virtual void Pause(int ms) = 0;
  // Asks the application to end once the running handler returns; also ends open modal loops.
  virtual void Terminate() = 0;
};

// The installed platform. The program entry installs the Qt one; tests install a fake.
Platform& CurrentPlatform();
// Installs p (not owned) and routes the game's calendar clock through it; nullptr restores Qt's.
void InstallPlatform(Platform* p);

// Shorthands used by the windows.
MessageAnswer ShowMessage(const QString& text, const QString& caption, int style);
void TerminateApplication();

// A path as the player's system writes it, in full.
QString NativeFullPath(const QString& path);
// The save dialog, shown again while the player answers No to replacing a file that exists
// (replaceText, with %1 the file's full path): the path to write, or empty when the player
// cancelled.
QString SaveFileNameAskingToReplace(const QString& title, const QString& filter, const QString& defaultExt,
                                    const QString& replaceText, const QString& replaceCaption);
// Writes bytes beside path and puts them in its place only once every byte is written, so that
// a failed save leaves an earlier file as it was. False when the file could not be saved.
bool SaveWholeFile(const QString& path, const QByteArray& bytes);

// The real thing, on Qt Widgets.
class QtPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const QString& text, const QString& caption, int style) override;
  QString OpenFileName(const QString& title, const QString& filter, const QString& defaultExt) override;
  QString SaveFileName(const QString& title, const QString& filter, const QString& defaultExt) override;
  std::int64_t CalendarSeconds() override;
  QDateTime LocalDateTime() override;
  void Pause(int ms) override;
  void Terminate() override;
};
