#pragma once
// The ten steps of inMod done literally, one whole-text replacement pass at a
// time and repeated until a pass changes nothing. Quadratic on purpose: it is
// the reference the linear implementation must agree with, so it stays as
// plain as the steps themselves.
#include <QString>

#include "framework/Strings.h"

namespace fuzz {

inline QString ReplaceOnce(const QString& text, const QString& find, const QString& replacement) {
  QString result = text;
  result.replace(find, replacement);
  return result;
}

inline QString ReplaceRepeatedly(const QString& text, const QString& find, const QString& replacement) {
  QString kept = text;
  for (;;) {
    QString next = ReplaceOnce(kept, find, replacement);
    if (next == kept) return next;
    kept = std::move(next);
  }
}

inline QString LiteralInMod(const QString& typed) {
  const QString L = fw::EndOfLine::OSX();
  const QString blank = QStringLiteral(" ");
  QString t = ReplaceOnce(typed, QStringLiteral(","), blank);  // 1
  t = ReplaceOnce(t, QStringLiteral(";"), blank);              // 2
  t = ReplaceRepeatedly(t, blank + L, L);                      // 3
  t = ReplaceRepeatedly(t, L + L, L);                          // 4
  t = ReplaceRepeatedly(t, L + blank, L);                      // 5
  t = ReplaceRepeatedly(t, blank + blank, blank);              // 6
  t = fw::LTrim(t);                                            // 7
  t = ReplaceOnce(t, blank, QStringLiteral(","));              // 8
  t = ReplaceOnce(t, L, QStringLiteral(";"));                  // 9
  return t;                                                    // 10
}

}  // namespace fuzz
