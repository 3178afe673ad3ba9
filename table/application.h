#pragma once
// The application object: an exception that escapes an event handler is shown in the
// standard error box and the program goes on.

#include <QApplication>
#include <functional>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception escaping f in the standard error box. Returns f's result, or
// fallback when it threw.
bool DeliverGuarded(const std::function<bool()>& f, bool fallback = false);

// Runs the program body; an exception escaping it is shown and the program ends with 0.
int RunGuarded(const std::function<int()>& body);
