// The help window: one editable area holding the help text with its worked
// examples.
#pragma once

#include <QString>

#include "framework/Framework.h"

class WindowHelp : public fw::Window {
 public:
  WindowHelp();

  void Layout() override;
  void CreateControls() override;
  void Event_Open() override;

  fw::TextArea& TextAreaHelp() const;

  // The help text as stored with the program (UTF-8 resource, "\n" line ends):
  // what a newly built help window shows.
  static QString StoredText();

 private:
  void _CreateControls0();
};

// Qt's hidden friends named get (QPoint, QSize, ...) clash with a global
// namespace get; inside an inline namespace, get::WindowHelp() still works.
inline namespace morvessa {
namespace get {
// The one help window: the existing one (a hidden one counts), else a new one
// with the stored text and the Open settings.
::WindowHelp& WindowHelp();
}  // namespace get
}  // namespace morvessa
