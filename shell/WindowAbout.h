// The about window: one read-only, centred area naming the program and its
// version.
#pragma once

#include <QString>

#include "framework/Framework.h"

class WindowAbout : public fw::Window {
 public:
  WindowAbout();

  void Layout() override;
  void CreateControls() override;

  fw::TextArea& TextAreaAbout() const;

  // The about text as stored with the program (UTF-8 resource, "\n" line ends,
  // no line end after the last line).
  static QString StoredText();

 private:
  void _CreateControls0();
};

// Qt's hidden friends named get (QPoint, QSize, ...) clash with a global
// namespace get; inside an inline namespace, get::WindowAbout() still works.
inline namespace morvessa {
namespace get {
// The one about window: the existing one (a hidden one counts), else a new one.
::WindowAbout& WindowAbout();
}  // namespace get
}  // namespace morvessa
