#include "shell/MainMenuBar.h"

#include "framework/Exceptions.h"

std::unique_ptr<MainMenuBar> MainMenuBar::_implicitInstance;

namespace {

std::unique_ptr<fw::MenuItem> NewMenuItem(MenuRowDesign::Kind kind) {
  switch (kind) {
    case MenuRowDesign::Kind::QuitMenuItem: return std::make_unique<fw::QuitMenuItem>();
    case MenuRowDesign::Kind::AppleMenuItem: return std::make_unique<fw::AppleMenuItem>();
    case MenuRowDesign::Kind::MenuItem: break;
  }
  return std::make_unique<fw::MenuItem>();
}

}  // namespace

void MainMenuBar::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
}

void MainMenuBar::Untitled0() { BuildMenu(0); }
void MainMenuBar::Untitled1() { BuildMenu(1); }
void MainMenuBar::Untitled2() { BuildMenu(2); }
void MainMenuBar::Untitled3() { BuildMenu(3); }

// The menu row comes first, so it is on the bar before any of its items is
// made; each item finds its menu again by Name rather than holding on to it.
void MainMenuBar::BuildMenu(int builder) {
  for (const MenuRowDesign& row : MainMenuBarDesign::Rows) {
    if (row.Builder != builder) continue;
    std::unique_ptr<fw::MenuItem> item = NewMenuItem(row.Class);
    item->Constructor();
    item->SetName(QString::fromUtf8(row.Name));
    item->SetAutoEnable(true);
    item->SetText(QString::fromUtf8(row.Text));
    item->SetVisible(true);
    if (row.Shortcut != nullptr) item->SetKeyboardShortcut(QString::fromUtf8(row.Shortcut));
    if (row.Parent == nullptr) {
      Append(std::move(item));
      continue;
    }
    fw::MenuItem* menu = Child(QString::fromUtf8(row.Parent));
    if (menu == nullptr) throw fw::NilObjectException("NilObjectException: menu " + std::string(row.Parent) + " is missing");
    menu->Append(std::move(item));
  }
}

void MainMenuBar::_Finalize() {
  std::unique_ptr<MainMenuBar> bar = std::move(_implicitInstance);
  bar.reset();
}

::MainMenuBar& get::MainMenuBar() {
  if (!::MainMenuBar::_implicitInstance) {
    auto bar = std::make_unique<::MainMenuBar>();
    bar->Constructor();
    ::MainMenuBar::_implicitInstance = std::move(bar);
  }
  return *::MainMenuBar::_implicitInstance;
}
