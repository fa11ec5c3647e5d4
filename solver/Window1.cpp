#include "solver/Window1.h"

#include "shell/MainMenuBar.h"
#include "solver/Window1Design.h"

Window1::Window1() : fw::Window(QString::fromLatin1(ClassPathName)) {}

void Window1::Layout() {
  fw::MenuBar& bar = get::MainMenuBar();
  SetMenuBar(&bar);
  _SetProperties(Window1Design::Window);
}

void Window1::CreateControls() { _CreateControls0(); }

template <class C>
C& Window1::MakeControl(const fw::ControlDesign& design) {
  _AddControl(design.Name, __New<C>());
  C& control = ControlAs<C>(design.Name);
  control._SetProperties(design);
  return control;
}

void Window1::_CreateControls0() {
  namespace D = Window1Design;
  MakeControl<fw::Label>(D::Controls[D::Label1]);
  MakeControl<fw::TextArea>(D::Controls[D::TextAreacm]);
  MakeControl<fw::Label>(D::Controls[D::Label2]);
  MakeControl<fw::TextArea>(D::Controls[D::TextArearhs]);
  // The Solve button's action is bound before the next control is made.
  MakeControl<fw::PushButton>(D::Controls[D::PushButton1]);
  ControlAs<fw::PushButton>(D::Controls[D::PushButton1].Name)
      .AddActionHandler([this](fw::PushButton& button) { PushButton1_Action(button); });
  MakeControl<fw::TextArea>(D::Controls[D::TextAreasol]);
  MakeControl<fw::Label>(D::Controls[D::Label3]);
}

fw::Label& Window1::Label1() const { return ControlAs<fw::Label>(QStringLiteral("Label1")); }
fw::TextArea& Window1::TextAreacm() const { return ControlAs<fw::TextArea>(QStringLiteral("TextAreacm")); }
fw::Label& Window1::Label2() const { return ControlAs<fw::Label>(QStringLiteral("Label2")); }
fw::TextArea& Window1::TextArearhs() const { return ControlAs<fw::TextArea>(QStringLiteral("TextArearhs")); }
fw::PushButton& Window1::PushButton1() const { return ControlAs<fw::PushButton>(QStringLiteral("PushButton1")); }
fw::TextArea& Window1::TextAreasol() const { return ControlAs<fw::TextArea>(QStringLiteral("TextAreasol")); }
fw::Label& Window1::Label3() const { return ControlAs<fw::Label>(QStringLiteral("Label3")); }

template <class Item>
Item& Window1::MenuItemNamed(const char* name) const {
  fw::MenuBar* bar = GetMenuBar();
  if (bar == nullptr) throw fw::NilObjectException("NilObjectException: the window has no menu bar");
  fw::MenuItem* found = bar->_Lookup(QString::fromLatin1(name));
  if (found == nullptr) throw fw::NilObjectException("NilObjectException: no menu item " + std::string(name));
  auto* item = dynamic_cast<Item*>(found);
  if (item == nullptr) throw fw::IllegalCastException("IllegalCastException: menu item " + std::string(name) + " has another class");
  return *item;
}

fw::MenuItem& Window1::HelpMenu() const { return MenuItemNamed<fw::MenuItem>("HelpMenu"); }
fw::MenuItem& Window1::HelpItem() const { return MenuItemNamed<fw::MenuItem>("HelpItem"); }
fw::MenuItem& Window1::WindowMenu() const { return MenuItemNamed<fw::MenuItem>("WindowMenu"); }
fw::MenuItem& Window1::bfItem() const { return MenuItemNamed<fw::MenuItem>("bfItem"); }
fw::MenuItem& Window1::WindowWindowzq() const { return MenuItemNamed<fw::MenuItem>("WindowWindowzq"); }
fw::MenuItem& Window1::EditMenu() const { return MenuItemNamed<fw::MenuItem>("EditMenu"); }
fw::MenuItem& Window1::EditSelectAll() const { return MenuItemNamed<fw::MenuItem>("EditSelectAll"); }
fw::MenuItem& Window1::EditSeparator2() const { return MenuItemNamed<fw::MenuItem>("EditSeparator2"); }
fw::MenuItem& Window1::EditClear() const { return MenuItemNamed<fw::MenuItem>("EditClear"); }
fw::MenuItem& Window1::EditPaste() const { return MenuItemNamed<fw::MenuItem>("EditPaste"); }
fw::MenuItem& Window1::EditCopy() const { return MenuItemNamed<fw::MenuItem>("EditCopy"); }
fw::MenuItem& Window1::EditCut() const { return MenuItemNamed<fw::MenuItem>("EditCut"); }
fw::MenuItem& Window1::EditSeparator1() const { return MenuItemNamed<fw::MenuItem>("EditSeparator1"); }
fw::MenuItem& Window1::EditUndo() const { return MenuItemNamed<fw::MenuItem>("EditUndo"); }
fw::MenuItem& Window1::FileMenu() const { return MenuItemNamed<fw::MenuItem>("FileMenu"); }
fw::AppleMenuItem& Window1::AboutItem() const { return MenuItemNamed<fw::AppleMenuItem>("AboutItem"); }
fw::QuitMenuItem& Window1::FileQuit() const { return MenuItemNamed<fw::QuitMenuItem>("FileQuit"); }

// The font goes on while the areas are still empty, so the example text and
// everything typed later come out fixed-pitch.
void Window1::Event_Open() {
  TextAreasol().SetSelTextFont(QStringLiteral("Courier"));
  TextAreasol().SetSelTextSize(16.0f);
  TextAreacm().SetSelTextFont(QStringLiteral("Courier"));
  TextAreacm().SetSelTextSize(16.0f);
  TextArearhs().SetSelTextFont(QStringLiteral("Courier"));
  TextArearhs().SetSelTextSize(16.0f);
  TextAreacm().SetText(QStringLiteral("2 1 -5") + fw::EndOfLine::Default() + QStringLiteral("-3 -1 2") +
                       fw::EndOfLine::Default() + QStringLiteral("-3 1 -2") + fw::EndOfLine::Default());
  TextArearhs().SetText(QStringLiteral("8") + fw::EndOfLine::Default() + QStringLiteral("-11") +
                        fw::EndOfLine::Default() + QStringLiteral("-3") + fw::EndOfLine::Default());
}

::Window1& get::Window1() { return fw::ImplicitWindow<::Window1>(QString::fromLatin1(::Window1::ClassPathName)); }
