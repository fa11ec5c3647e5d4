#include "LiteralInMod.h"

#include "framework/Strings.h"

namespace {
QString replaceRepeatedly(QString text, const QString& find, const QString& replacement) {
  for (;;) {
    QString next = fw::ReplaceAll(text, find, replacement);
    if (next == text) return next;
    text = std::move(next);
  }
}
}  // namespace

QString literalInMod(const QString& typed) {
  const QString L = fw::EndOfLine::OSX();
  QString t = fw::ReplaceAll(typed, ",", " ");   // 1
  t = fw::ReplaceAll(t, ";", " ");               // 2
  t = replaceRepeatedly(t, " " + L, L);          // 3
  t = replaceRepeatedly(t, L + L, L);            // 4
  t = replaceRepeatedly(t, L + " ", L);          // 5
  t = replaceRepeatedly(t, "  ", " ");           // 6
  t = fw::LTrim(t);                              // 7
  t = fw::ReplaceAll(t, " ", ",");               // 8
  t = fw::ReplaceAll(t, L, ";");                 // 9
  return t;                                      // 10
}
