#include "table/dialogkeys.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

class DialogKeys : public QObject {
 public:
  DialogKeys(QObject* owner, std::function<void()> openHelp)
      : QObject(owner), openHelp_(std::move(openHelp)) {}

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    // A key travels up from the focused widget; it is looked at once, where it starts.
    if (event->type() != QEvent::KeyPress || receiver != QApplication::focusWidget()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    auto* dialog = qobject_cast<QDialog*>(widget->window());
    if (!dialog || qobject_cast<QMessageBox*>(dialog) || qobject_cast<QFileDialog*>(dialog)) return false;

    auto* button = qobject_cast<QPushButton*>(widget);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && button && !button->autoDefault() && button->isEnabled()) {
      button->click();
      return true;
    }
    if (key->key() == Qt::Key_F1 && !dialog->inherits("THelpBox")) {
      openHelp_();
      return true;
    }
    return false;
  }

 private:
  std::function<void()> openHelp_;
};

}  // namespace

void InstallDialogKeys(QObject* owner, std::function<void()> openHelp) {
  qApp->installEventFilter(new DialogKeys(owner, std::move(openHelp)));
}
