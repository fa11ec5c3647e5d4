#include "framework/Menu.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <functional>

#include "framework/Application.h"
#include "framework/EditItems.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"

namespace fw {

QString _PortableShortcut(const QString& shortcut) {
  QString s = shortcut.trimmed();
  if (s.isEmpty()) return s;
  static const QRegularExpression cmd(QStringLiteral("\\b(Cmd|Command)\\b"), QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression opt(QStringLiteral("\\b(Option|Opt)\\b"), QRegularExpression::CaseInsensitiveOption);
  s.replace(cmd, QStringLiteral("Ctrl"));
  s.replace(opt, QStringLiteral("Alt"));
  return s;
}

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() {
  detail::ForgetEditItem(this);
  // Qt objects may only go while the QApplication exists; after it, the
  // process is ending and they are left to it.
  if (!QCoreApplication::instance()) {
    (void)action_.release();
    (void)menu_.release();
  }
  // Children first: their actions leave this menu before it goes.
  children_.clear();
  action_.reset();
  menu_.reset();
}

void MenuItem::SetName(const QString& name) {
  _RequireUIThread();
  detail::ForgetEditItem(this);
  name_ = name;
  if (_IsStandardEditItem(name_)) detail::RememberEditItem(this);
  updateAction();
}
QString MenuItem::Name() const { return name_; }

void MenuItem::SetText(const QString& text) {
  _RequireUIThread();
  text_ = text;
  updateAction();
}
QString MenuItem::Text() const { return text_; }

void MenuItem::SetKeyboardShortcut(const QString& shortcut) {
  _RequireUIThread();
  shortcut_ = shortcut;
  shortcutAssigned_ = true;
  updateAction();
}
QString MenuItem::KeyboardShortcut() const { return shortcut_; }
bool MenuItem::KeyboardShortcutAssigned() const { return shortcutAssigned_; }

void MenuItem::SetAutoEnable(bool on) {
  _RequireUIThread();
  autoEnable_ = on;
  updateAction();
}
bool MenuItem::AutoEnable() const { return autoEnable_; }

void MenuItem::SetVisible(bool on) {
  _RequireUIThread();
  visible_ = on;
  updateAction();
}
bool MenuItem::Visible() const { return visible_; }

void MenuItem::SetEnabled(bool on) {
  _RequireUIThread();
  enabled_ = on;
  updateAction();
}
bool MenuItem::Enabled() const { return enabled_; }

void MenuItem::Append(std::unique_ptr<MenuItem> child) {
  _RequireUIThread();
  if (!child) throw NilObjectException("NilObjectException: appending a missing menu item");
  child->parent_ = this;
  MenuItem& added = *child;
  children_.push_back(std::move(child));
  if (menu_) menu_->addAction(added._Action());
  // A bar that windows already show: they show the new menu too.
  if (dynamic_cast<MenuBar*>(this) && QCoreApplication::instance())
    for (Window* w : _LiveWindows()) w->_PresentMenuBar();
}

MenuItem* MenuItem::Child(const QString& name) const {
  for (const auto& c : children_)
    if (c->name_ == name) return c.get();
  return nullptr;
}

MenuItem* MenuItem::_Lookup(const QString& name) const {
  if (name_ == name) return const_cast<MenuItem*>(this);
  for (const auto& c : children_)
    if (MenuItem* found = c->_Lookup(name)) return found;
  return nullptr;
}

int MenuItem::Count() const { return static_cast<int>(children_.size()); }

MenuItem* MenuItem::Item(int i) const {
  return (i >= 0 && i < Count()) ? children_[static_cast<std::size_t>(i)].get() : nullptr;
}

MenuItem* MenuItem::Parent() const { return parent_; }

bool MenuItem::IsSeparator() const { return text_ == QLatin1String("-"); }

bool MenuItem::presentsAsMenu() const {
  return !children_.empty() || (parent_ && dynamic_cast<const MenuBar*>(parent_));
}

QAction* MenuItem::_Action() {
  _RequireUIThread();
  if (presentsAsMenu()) return _Menu()->menuAction();
  if (!action_) {
    action_ = std::make_unique<QAction>();
    QObject::connect(action_.get(), &QAction::triggered, action_.get(), [this] { _DispatchMenuItem(*this); });
    updateAction();
    detail::EnsureEditTracking();
  }
  return action_.get();
}

QMenu* MenuItem::_Menu() {
  _RequireUIThread();
  if (!menu_) {
    menu_ = std::make_unique<QMenu>();
    for (const auto& c : children_) menu_->addAction(c->_Action());
    // Edit items reflect the focus and selection the moment the menu opens.
    QObject::connect(menu_.get(), &QMenu::aboutToShow, menu_.get(), [] { _UpdateEditItems(); });
    updateAction();
  }
  return menu_.get();
}

void MenuItem::updateAction() {
  if (menu_) {
    menu_->setObjectName(name_);
    menu_->setTitle(text_);
    menu_->menuAction()->setObjectName(name_);
    menu_->menuAction()->setVisible(visible_);
    menu_->menuAction()->setEnabled(enabled_);
  }
  if (!action_) return;
  action_->setObjectName(name_);
  // A separator presents no text: styles draw a separator's text beside its line.
  action_->setText(IsSeparator() ? QString() : text_);
  action_->setSeparator(IsSeparator());
  action_->setShortcut(QKeySequence(_PortableShortcut(shortcut_), QKeySequence::PortableText));
  action_->setVisible(visible_);
  if (_IsStandardEditItem(name_) && autoEnable_) detail::UpdateEditItem(*this, *action_);
  else action_->setEnabled(enabled_);
}

QAction* _FindMenuAction(QWidget* w, const QString& name) {
  if (!w) return nullptr;
  auto* main = qobject_cast<QMainWindow*>(w);
  QMenuBar* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : w->findChild<QMenuBar*>();
  if (!bar) return nullptr;
  std::function<QAction*(const QList<QAction*>&)> search = [&](const QList<QAction*>& actions) -> QAction* {
    for (QAction* a : actions) {
      if (a->objectName() == name) return a;
      if (QMenu* m = a->menu<QMenu*>())
        if (QAction* found = search(m->actions())) return found;
    }
    return nullptr;
  };
  return search(bar->actions());
}

}  // namespace fw
