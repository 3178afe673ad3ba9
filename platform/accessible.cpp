#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "platform/imagebox.h"

namespace {

constexpr const char* kLeftOut = "brindlewharfLeftOut";
constexpr const char* kAbsentWhileHidden = "brindlewharfAbsentWhileHidden";
constexpr const char* kFiltersChildren = "brindlewharfFiltersChildren";
constexpr const char* kRole = "brindlewharfRole";
constexpr const char* kShownAs = "brindlewharfShownAs";

// The wordings of the widgets worded by WordedBy; each leaves when its widget goes.
QHash<const QObject*, Wording>& Wordings() {
  static QHash<const QObject*, Wording> wordings;
  return wordings;
}

bool LeftOut(const QWidget* w) {
  return w->property(kLeftOut).toBool() || (w->property(kAbsentWhileHidden).toBool() && w->isHidden());
}

// A widget whose children the tree shows without the ones left out.
class Filtering : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Children() const {
    QList<QWidget*> shown;
    for (QObject* o : widget()->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w && !w->isWindow() && !LeftOut(w)) shown.append(w);
    }
    return shown;
  }
};

// A label given an interface of our own is still named by its text, as the toolkit's labels are.
class NamedByText : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  QString text(QAccessible::Text t) const override {
    const auto worded = Wordings().constFind(widget());
    if (worded != Wordings().constEnd()) {
      if (t == QAccessible::Name && worded->name) return worded->name();
      if (t == QAccessible::Description && worded->description && widget()->accessibleDescription().isEmpty())
        return worded->description();
    }
    const auto* label = qobject_cast<const QLabel*>(widget());
    if (t == QAccessible::Name && label && widget()->accessibleName().isEmpty()) return label->text();
    return QAccessibleWidget::text(t);
  }
};

// A picture box in the role of a button or link, which assistive technology can press.
class Pressable : public NamedByText {
 public:
  using NamedByText::NamedByText;

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) {
      if (auto* box = qobject_cast<ImageBox*>(widget())) box->activate();
      return;
    }
    QAccessibleWidget::doAction(action);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = widget()->focusPolicy() != Qt::NoFocus;
    return s;
  }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* w = qobject_cast<QWidget*>(object);
  if (!w) return nullptr;
  const QVariant role = w->property(kRole);
  if (role.isValid()) return new Pressable(w, static_cast<QAccessible::Role>(role.toInt()));
  const QVariant shownAs = w->property(kShownAs);
  if (shownAs.isValid()) return new NamedByText(w, static_cast<QAccessible::Role>(shownAs.toInt()));
  if (Wordings().contains(w)) return new NamedByText(w, QAccessible::StaticText);
  // Every dialog, and every frame that holds controls, can leave children out, from the start: an
  // interface made again later would leave a screen reader with the old one's address, which it
  // may have cached as the parent of a control inside, and then cannot look up.
  if (qobject_cast<QDialog*>(w)) return new Filtering(w, QAccessible::Dialog);
  // A plain frame groups controls; the toolkit would call it a window frame, which a screen reader
  // takes for a window of its own.
  if (w->property(kFiltersChildren).toBool() || w->metaObject() == &QFrame::staticMetaObject)
    return new Filtering(w, QAccessible::Pane);
  return nullptr;
}

void InstallFactoryOnce() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

// The toolkit makes a widget's interface the first time anything asks for it, and keeps it: a
// label announces a new text, so one whose layout gives it a text has one from the start. One
// made before the widget was given its part here is made again, by the factory.
void Remake(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  if (iface && !dynamic_cast<Filtering*>(iface) && !dynamic_cast<NamedByText*>(iface))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void FilterChildrenOf(QWidget* parent) {
  if (parent && (!parent->isWindow() || qobject_cast<QDialog*>(parent))) {
    parent->setProperty(kFiltersChildren, true);
    Remake(parent);
  }
}

}  // namespace

void InstallAccessibleParts() { InstallFactoryOnce(); }

void HideFromAssistiveTech(QWidget* w) {
  InstallFactoryOnce();
  w->setProperty(kLeftOut, true);
  FilterChildrenOf(w->parentWidget());
}

void AbsentWhileHidden(QWidget* w) {
  InstallFactoryOnce();
  w->setProperty(kAbsentWhileHidden, true);
  FilterChildrenOf(w->parentWidget());
}

void PresentAs(QWidget* w, QAccessible::Role role) {
  InstallFactoryOnce();
  w->setProperty(kRole, static_cast<int>(role));
  Remake(w);
}

void ShownAs(QWidget* w, QAccessible::Role role) {
  InstallFactoryOnce();
  w->setProperty(kShownAs, static_cast<int>(role));
  Remake(w);
}

void WordedBy(QWidget* w, Wording words) {
  InstallFactoryOnce();
  if (!Wordings().contains(w)) QObject::connect(w, &QObject::destroyed, [w] { Wordings().remove(w); });
  Wordings().insert(w, std::move(words));
  Remake(w);
}

void SayChanged(QWidget* w) {
  if (!w->hasFocus()) return;
  QAccessibleEvent changed(w, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void Announce(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  label->setText(text);
  QAccessibleEvent changed(label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void Notify(QWidget* window, const QString& text) {
  // Shown for a moment, a pixel wide and without colour, it is heard and not seen.
  auto* notice = window->findChild<QLabel*>(QStringLiteral("NewsNotice"), Qt::FindDirectChildrenOnly);
  if (!notice) {
    notice = new QLabel(window);
    notice->setObjectName("NewsNotice");
    notice->setGeometry(0, 0, 1, 1);
    notice->setStyleSheet("color: transparent; background: transparent;");
    ShownAs(notice, QAccessible::Notification);
  }
  notice->setText(text);
  notice->hide();
  notice->show();
  notice->raise();
}
