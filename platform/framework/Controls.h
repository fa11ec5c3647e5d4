// The four control classes. Each control IS its Qt widget (its Name is the Qt
// objectName, so tests find it with findChild) and also a fw::Control.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "framework/Design.h"

namespace fw {

class Control {
 public:
  virtual ~Control();
  QString Name() const;
  virtual QWidget* widget() = 0;
  const QWidget* widget() const { return const_cast<Control*>(this)->widget(); }
  // RectControl.Constructor: nothing to do, the widget exists already.
  void Constructor() {}
  // Applies geometry, locks, tab index, text and flags from the design.
  virtual void _SetProperties(const ControlDesign& d);
  // The design last applied, if any (locks and tab order are taken from it).
  const std::optional<ControlDesign>& _Design() const { return design_; }
  // Places the control for a content area of the given size, from its design
  // geometry: locked right/bottom edges keep their designed margins.
  void _PlaceIn(QSize designedContent, QSize currentContent);

 protected:
  virtual void _ApplyClassProperties(const ControlDesign& d) = 0;
  static void _ApplyFontDesign(QWidget& w, const ControlDesign& d);

 private:
  std::optional<ControlDesign> design_;
};

class Label : public QLabel, public Control {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr);
  QWidget* widget() override { return this; }
  QString Text() const;
  void SetText(const QString& text);

 protected:
  void _ApplyClassProperties(const ControlDesign& d) override;
};

class TextArea : public QPlainTextEdit, public Control {
  Q_OBJECT
 public:
  explicit TextArea(QWidget* parent = nullptr);
  QWidget* widget() override { return this; }
  QString Text() const;              // whole text, plain
  void SetText(const QString& text);  // replaces the whole text (no rich text)
  // Font family for the whole area, also text written later. "Courier" (and
  // the other usual fixed-pitch names) give a fixed-pitch font even where no
  // font of that name is installed.
  void SetSelTextFont(const QString& family);
  void SetSelTextSize(float size);  // points, whole area

 protected:
  void _ApplyClassProperties(const ControlDesign& d) override;
};

class TextField : public QLineEdit, public Control {
  Q_OBJECT
 public:
  explicit TextField(QWidget* parent = nullptr);
  QWidget* widget() override { return this; }
  QString Text() const;
  void SetText(const QString& text);

 protected:
  void _ApplyClassProperties(const ControlDesign& d) override;
};

class PushButton : public QPushButton, public Control {
  Q_OBJECT
 public:
  explicit PushButton(QWidget* parent = nullptr);
  QWidget* widget() override { return this; }
  QString Caption() const;
  void SetCaption(const QString& caption);
  // The button's Action: each click calls h(*this) with the busy cursor shown,
  // through CallWithExceptionHandling.
  void AddActionHandler(std::function<void(PushButton&)> h);

 protected:
  void _ApplyClassProperties(const ControlDesign& d) override;
};

// The font for a family name: fixed-pitch names fall back to the system's
// fixed-pitch font when nothing of that name is installed.
QFont _FontForFamily(const QFont& base, const QString& family);

}  // namespace fw
