#include "table/application.h"

#include <QCoreApplication>
#include <exception>

#include "platform/platform.h"

namespace {

void ShowException(const QString& what) { ShowMessage(what, QApplication::applicationDisplayName(), StopOk); }

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool DeliverGuarded(const std::function<bool()>& f, bool fallback) {
  try {
    return f();
  } catch (const std::exception& e) {
    ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowException(QCoreApplication::translate("TApplication", "An unknown error occurred."));
  }
  return fallback;
}

int RunGuarded(const std::function<int()>& body) {
  try {
    body();
  } catch (const std::exception& e) {
    ShowException(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowException(QCoreApplication::translate("TApplication", "An unknown error occurred."));
  }
  return 0;
}
