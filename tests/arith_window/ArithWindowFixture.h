// Brings up the application as start-up does (without the event loop) and
// opens the arithmetic window the way the user does: through its menu item.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "arithmetic/Windowbf.h"
#include "framework/Framework.h"
#include "framework/TestSupport.h"
#include "shell/App.h"
#include "shell/Startup.h"

inline const QString kWindowbfPath = QStringLiteral("Windowbf.Windowbf");

class ArithWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartForTests();
    fw::test::ClearMessages();
  }

  void TearDown() override {
    // Leave no window behind for the next test.
    if (fw::Window* w = fw::_GetImplicitWindow(kWindowbfPath)) w->close();
    flushDeletes();
    fw::test::ClearMessages();
  }

 public:
  static void flushDeletes() {
    fw::test::ProcessDeferredDeletes();
  }

  // Window > "do Arithmetic".
  static bool chooseDoArithmetic() { return get::App()._ChooseMenuItem(QStringLiteral("bfItem")); }

  // Opens the window through the menu and returns the live one.
  static fw::Window& open() {
    EXPECT_TRUE(chooseDoArithmetic());
    fw::Window* w = fw::_GetImplicitWindow(kWindowbfPath);
    if (w == nullptr) throw std::runtime_error("no arithmetic window after the menu choice");
    return *w;
  }

  template <class W>
  static W& child(const fw::Window& w, const char* name) {
    W* c = w.findChild<W*>(QString::fromLatin1(name));
    if (c == nullptr) throw std::runtime_error(std::string("missing control ") + name);
    return *c;
  }

  static QPlainTextEdit& area(const fw::Window& w, const char* name) { return child<QPlainTextEdit>(w, name); }

  static QPushButton& buttonCaptioned(const fw::Window& w, const QString& caption) {
    for (QPushButton* b : w.findChildren<QPushButton*>()) {
      if (b->text() == caption) return *b;
    }
    throw std::runtime_error("no button captioned " + caption.toStdString());
  }

  static int windowsOfClass() {
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (dynamic_cast<Windowbf*>(top) != nullptr) ++n;
    }
    return n;
  }
};
