#include "framework/Controls.h"

#include <QFontDatabase>
#include <algorithm>
#include <QFontInfo>
#include <QTextOption>

#include "framework/ExceptionHandling.h"
#include "framework/Exceptions.h"

namespace fw {
namespace {

Qt::Alignment horizontalAlignment(int code) {
  switch (code) {
    case 2: return Qt::AlignHCenter;
    case 3: return Qt::AlignRight;
    default: return Qt::AlignLeft;  // 0 (default) and 1
  }
}

bool isFixedPitchName(const QString& family) {
  static const QStringList names = {"courier",  "courier new", "monaco",  "menlo",         "monospace",
                                    "fixed",    "consolas",    "typewriter", "lucida console"};
  return names.contains(family.trimmed().toLower());
}

}  // namespace

QFont _FontForFamily(const QFont& base, const QString& family) {
  QFont font = base;
  if (family.isEmpty() || family.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) return font;
  font.setFamilies({family});
  if (!isFixedPitchName(family)) return font;
  // Where no font of that name is installed, fontconfig may substitute a
  // proportional one; the result layouts need columns that line up.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (QFontInfo(font).fixedPitch()) return font;
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (base.pointSizeF() > 0) fixed.setPointSizeF(base.pointSizeF());
  fixed.setBold(base.bold());
  fixed.setItalic(base.italic());
  fixed.setUnderline(base.underline());
  return fixed;
}

// ---------------------------------------------------------------------------
Control::~Control() = default;

QString Control::Name() const { return widget()->objectName(); }

void Control::_SetProperties(const ControlDesign& d) {
  _RequireUIThread();
  design_ = d;
  QWidget& w = *widget();
  w.setObjectName(d.Name);
  w.setGeometry(d.Left, d.Top, std::max(0, d.Width), std::max(0, d.Height));
  w.setEnabled(d.Enabled);
  w.setHidden(!d.Visible);
  _ApplyFontDesign(w, d);
  _ApplyClassProperties(d);
}

void Control::_ApplyFontDesign(QWidget& w, const ControlDesign& d) {
  QFont font = _FontForFamily(w.font(), d.TextFont);
  if (d.TextSize > 0) font.setPointSizeF(d.TextSize);
  font.setBold(d.Bold);
  font.setItalic(d.Italic);
  font.setUnderline(d.Underline);
  if (font != w.font()) w.setFont(font);
}

void Control::_PlaceIn(QSize designedContent, QSize currentContent) {
  if (!design_) return;
  const ControlDesign& d = *design_;
  int left = d.Left, top = d.Top, width = d.Width, height = d.Height;
  const int dx = currentContent.width() - designedContent.width();
  const int dy = currentContent.height() - designedContent.height();
  if (d.LockRight) {
    if (d.LockLeft) width += dx;
    else left += dx;
  }
  if (d.LockBottom) {
    if (d.LockTop) height += dy;
    else top += dy;
  }
  widget()->setGeometry(left, top, std::max(0, width), std::max(0, height));
}

// ---------------------------------------------------------------------------
Label::Label(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
}

QString Label::Text() const { return text(); }
void Label::SetText(const QString& t) {
  _RequireUIThread();
  setText(t);
}

void Label::_ApplyClassProperties(const ControlDesign& d) {
  setText(d.Text);
  setAlignment(horizontalAlignment(d.Alignment) | Qt::AlignVCenter);
  setWordWrap(false);  // captions stay on one line, as designed
}

// ---------------------------------------------------------------------------
TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

QString TextArea::Text() const { return toPlainText(); }

void TextArea::SetText(const QString& t) {
  _RequireUIThread();
  setPlainText(t);
}

void TextArea::SetSelTextFont(const QString& family) {
  _RequireUIThread();
  setFont(_FontForFamily(font(), family));
}

void TextArea::SetSelTextSize(float size) {
  _RequireUIThread();
  if (!(size > 0)) return;  // 0: the default size stays
  QFont f = font();
  f.setPointSizeF(size);
  setFont(f);
}

void TextArea::_ApplyClassProperties(const ControlDesign& d) {
  setPlainText(d.Text);
  setReadOnly(d.ReadOnly);
  setLineWrapMode(d.ScrollbarHorizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(d.ScrollbarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(d.ScrollbarVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(!d.AcceptTabs);
  setFrameShape(d.Border ? QFrame::StyledPanel : QFrame::NoFrame);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(horizontalAlignment(d.Alignment));
  document()->setDefaultTextOption(option);
}

// ---------------------------------------------------------------------------
TextField::TextField(QWidget* parent) : QLineEdit(parent) {}

QString TextField::Text() const { return text(); }

void TextField::SetText(const QString& t) {
  _RequireUIThread();
  setText(t);
}

void TextField::_ApplyClassProperties(const ControlDesign& d) {
  setText(d.Text);
  setReadOnly(d.ReadOnly);
  setAlignment(horizontalAlignment(d.Alignment) | Qt::AlignVCenter);
  setFrame(d.Border);
}

// ---------------------------------------------------------------------------
PushButton::PushButton(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

QString PushButton::Caption() const { return text(); }

void PushButton::SetCaption(const QString& caption) {
  _RequireUIThread();
  setText(caption);
}

void PushButton::AddActionHandler(std::function<void(PushButton&)> h) {
  _RequireUIThread();
  connect(this, &QPushButton::clicked, this, [this, h = std::move(h)] { _RunHandler([&] { h(*this); }); });
}

void PushButton::_ApplyClassProperties(const ControlDesign& d) { setText(d.Text); }

}  // namespace fw
