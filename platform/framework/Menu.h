// The menu model: a tree of MenuItems found by Name. It is presented as a
// QMenuBar on every window; each item has one QAction shared by all windows
// (its objectName is the item's Name).
#pragma once

#include <QString>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace fw {

class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  void Constructor() {}  // the parameterless MenuItem.Constructor

  void SetName(const QString& name);
  QString Name() const;
  void SetText(const QString& text);  // "&" marks the mnemonic, "-" is a separator
  QString Text() const;
  void SetKeyboardShortcut(const QString& shortcut);  // "Cmd+Q" -> Ctrl+Q
  QString KeyboardShortcut() const;
  bool KeyboardShortcutAssigned() const;
  void SetAutoEnable(bool on);
  bool AutoEnable() const;
  void SetVisible(bool on);
  bool Visible() const;
  void SetEnabled(bool on);  // for items not under AutoEnable control
  bool Enabled() const;

  void Append(std::unique_ptr<MenuItem> child);  // becomes the last child
  MenuItem* Child(const QString& name) const;    // direct child or nullptr
  MenuItem* _Lookup(const QString& name) const;  // at any depth (this item included) or nullptr
  int Count() const;
  MenuItem* Item(int i) const;  // nullptr outside 0..Count()-1
  MenuItem* Parent() const;

  bool IsSeparator() const;
  // The shared QAction presenting this item (made on first use); for an item
  // with children or a menu of the bar it is the action of its QMenu.
  QAction* _Action();
  QMenu* _Menu();  // this item's popup menu (made on first use)

 private:
  bool presentsAsMenu() const;
  void updateAction();

  QString name_, text_, shortcut_;
  bool shortcutAssigned_ = false, autoEnable_ = true, visible_ = true, enabled_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
  std::unique_ptr<QAction> action_;
  std::unique_ptr<QMenu> menu_;
};

// Quits the application by itself when chosen.
class QuitMenuItem : public MenuItem {};
// The application menu's item (About); on Linux it stays where it was appended.
class AppleMenuItem : public MenuItem {};
// The root of a menu bar; its children are the menus.
class MenuBar : public MenuItem {};

// "Cmd+Q" -> "Ctrl+Q" (also "Option" -> "Alt"); "" stays "".
QString _PortableShortcut(const QString& shortcut);

// The QAction of the item of that Name in the menu bar shown on window w, or nullptr.
QAction* _FindMenuAction(QWidget* w, const QString& name);

// The standard Edit items the framework acts on by Name.
bool _IsStandardEditItem(const QString& name);
// Performs a standard Edit item on the focused text control; false if none.
bool _PerformStandardEdit(const QString& name);
// Recomputes the enabled state of the standard Edit items.
void _UpdateEditItems();

}  // namespace fw
