#include "framework/EditItems.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "framework/Menu.h"

namespace fw {
namespace {

enum class Edit { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

Edit editOf(const QString& name) {
  if (name == QLatin1String("EditUndo")) return Edit::Undo;
  if (name == QLatin1String("EditCut")) return Edit::Cut;
  if (name == QLatin1String("EditCopy")) return Edit::Copy;
  if (name == QLatin1String("EditPaste")) return Edit::Paste;
  if (name == QLatin1String("EditClear")) return Edit::Clear;
  if (name == QLatin1String("EditSelectAll")) return Edit::SelectAll;
  return Edit::None;
}

// Held by pointer: menu items may outlive static destruction order.
std::vector<MenuItem*>& editItems() {
  static auto* items = new std::vector<MenuItem*>;
  return *items;
}

bool isTextControl(QWidget* w) { return qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QLineEdit*>(w); }

bool clipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

bool enabledFor(Edit e, QWidget* target) {
  if (auto* area = qobject_cast<QPlainTextEdit*>(target)) {
    const bool ro = area->isReadOnly(), sel = area->textCursor().hasSelection();
    switch (e) {
      case Edit::Undo: return !ro && area->document()->isUndoAvailable();
      case Edit::Cut: case Edit::Clear: return !ro && sel;
      case Edit::Copy: return sel;
      case Edit::Paste: return !ro && clipboardHasText();
      case Edit::SelectAll: return !area->document()->isEmpty();
      case Edit::None: return false;
    }
  }
  if (auto* field = qobject_cast<QLineEdit*>(target)) {
    const bool ro = field->isReadOnly(), sel = field->hasSelectedText();
    switch (e) {
      case Edit::Undo: return !ro && field->isUndoAvailable();
      case Edit::Cut: case Edit::Clear: return !ro && sel;
      case Edit::Copy: return sel && field->echoMode() == QLineEdit::Normal;
      case Edit::Paste: return !ro && clipboardHasText();
      case Edit::SelectAll: return !field->text().isEmpty();
      case Edit::None: return false;
    }
  }
  return false;
}

// Follows the focused text control and refreshes the Edit items when its
// selection, undo state or text change, and when the clipboard changes.
class EditTracker : public QObject {
 public:
  explicit EditTracker(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [] { _UpdateEditItems(); });
    follow(QApplication::focusWidget());
  }

  QWidget* target() const {
    QWidget* f = QApplication::focusWidget();
    if (isTextControl(f)) return f;
    if (!f || qobject_cast<QMenu*>(f) || qobject_cast<QMenuBar*>(f)) return last_.data();
    return nullptr;
  }

 private:
  void follow(QWidget* now) {
    if (qobject_cast<QMenu*>(now) || qobject_cast<QMenuBar*>(now)) return;  // menus keep the last control
    if (now != last_) {
      for (const auto& c : connections_) disconnect(c);
      connections_.clear();
      last_ = isTextControl(now) ? now : nullptr;
      auto refresh = [] { _UpdateEditItems(); };
      if (auto* area = qobject_cast<QPlainTextEdit*>(now)) {
        connections_.push_back(connect(area, &QPlainTextEdit::selectionChanged, this, refresh));
        connections_.push_back(connect(area, &QPlainTextEdit::undoAvailable, this, refresh));
        connections_.push_back(connect(area, &QPlainTextEdit::textChanged, this, refresh));
      } else if (auto* field = qobject_cast<QLineEdit*>(now)) {
        connections_.push_back(connect(field, &QLineEdit::selectionChanged, this, refresh));
        connections_.push_back(connect(field, &QLineEdit::textChanged, this, refresh));
      }
    }
    _UpdateEditItems();
  }

  QPointer<QWidget> last_;
  std::vector<QMetaObject::Connection> connections_;
};

QPointer<EditTracker>& tracker() {
  static QPointer<EditTracker> t;
  return t;
}

}  // namespace

namespace detail {

void RememberEditItem(MenuItem* item) { editItems().push_back(item); }

void ForgetEditItem(MenuItem* item) {
  auto& items = editItems();
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

void EnsureEditTracking() {
  if (!tracker() && qApp) tracker() = new EditTracker(qApp);  // owned by the application
}

QWidget* EditTarget() {
  if (tracker()) return tracker()->target();
  QWidget* f = QApplication::focusWidget();
  return isTextControl(f) ? f : nullptr;
}

void UpdateEditItem(const MenuItem& item, QAction& action) {
  action.setEnabled(enabledFor(editOf(item.Name()), EditTarget()));
}

}  // namespace detail

bool _IsStandardEditItem(const QString& name) { return editOf(name) != Edit::None; }

void _UpdateEditItems() {
  if (!qApp) return;
  QWidget* target = detail::EditTarget();
  for (MenuItem* item : editItems())
    if (item->AutoEnable()) item->_Action()->setEnabled(enabledFor(editOf(item->Name()), target));
}

bool _PerformStandardEdit(const QString& name) {
  const Edit e = editOf(name);
  QWidget* target = detail::EditTarget();
  if (e == Edit::None || !target) return false;
  if (auto* area = qobject_cast<QPlainTextEdit*>(target)) {
    switch (e) {
      case Edit::Undo: area->undo(); break;
      case Edit::Cut: area->cut(); break;
      case Edit::Copy: area->copy(); break;
      case Edit::Paste: area->paste(); break;
      case Edit::Clear:
        if (!area->isReadOnly()) area->textCursor().removeSelectedText();
        break;
      case Edit::SelectAll: area->selectAll(); break;
      case Edit::None: break;
    }
  } else if (auto* field = qobject_cast<QLineEdit*>(target)) {
    switch (e) {
      case Edit::Undo: field->undo(); break;
      case Edit::Cut: field->cut(); break;
      case Edit::Copy: field->copy(); break;
      case Edit::Paste: field->paste(); break;
      case Edit::Clear:
        if (!field->isReadOnly() && field->hasSelectedText()) field->del();
        break;
      case Edit::SelectAll: field->selectAll(); break;
      case Edit::None: break;
    }
  }
  _UpdateEditItems();
  return true;
}

}  // namespace fw
