#include "Strings.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace fw {

QString ReplaceAll(const QString& source, const QString& find, const QString& replacement) {
  if (find.isEmpty()) return source;
  QString result = source;
  result.replace(find, replacement);  // one left-to-right pass, linear
  return result;
}

QString ReplaceLineEndings(const QString& source, const QString& lineEnd) {
  QString result;
  result.reserve(source.size());
  const QChar* p = source.constData();
  const qsizetype n = source.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = p[i];
    if (c == u'\r') {
      if (i + 1 < n && p[i + 1] == u'\n') ++i;
      result += lineEnd;
    } else if (c == u'\n') {
      result += lineEnd;
    } else {
      result += c;
    }
  }
  return result;
}

namespace {
bool isLeadingWhite(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isCSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// The C locale, so that the decimal point is "." whatever the process locale.
locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
  return loc;
}
}  // namespace

QString LTrim(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && isLeadingWhite(s[i])) ++i;
  return i == 0 ? s : s.mid(i);
}

int Len(const QString& s) {
  // Code points: a low surrogate that follows a high one adds nothing.
  qsizetype count = 0;
  const QChar* p = s.constData();
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (p[i].isLowSurrogate() && i > 0 && p[i - 1].isHighSurrogate()) continue;
    ++count;
  }
  return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                  : static_cast<int>(count);
}

double CDbl(const QString& s) {
  const qsizetype n = s.size();
  qsizetype i = 0;
  while (i < n && isCSpace(s[i])) ++i;

  // Collect the longest prefix of the decimal grammar as ASCII.
  std::string number;
  if (i < n && (s[i] == u'+' || s[i] == u'-')) number += static_cast<char>(s[i++].unicode());
  bool haveDigits = false;
  while (i < n && isAsciiDigit(s[i])) {
    number += static_cast<char>(s[i++].unicode());
    haveDigits = true;
  }
  if (i < n && s[i] == u'.') {
    number += '.';
    ++i;
    while (i < n && isAsciiDigit(s[i])) {
      number += static_cast<char>(s[i++].unicode());
      haveDigits = true;
    }
  }
  if (!haveDigits) return 0.0;
  if (i < n && (s[i] == u'e' || s[i] == u'E')) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < n && (s[j] == u'+' || s[j] == u'-')) exponent += static_cast<char>(s[j++].unicode());
    bool expDigits = false;
    while (j < n && isAsciiDigit(s[j])) {
      exponent += static_cast<char>(s[j++].unicode());
      expDigits = true;
    }
    if (expDigits) number += exponent;  // "2e" and "2e+" read as 2
  }
  // The prefix is exactly the grammar strtod reads, so it consumes all of it.
  if (const locale_t loc = cLocale()) return strtod_l(number.c_str(), nullptr, loc);
  return std::strtod(number.c_str(), nullptr);  // no C locale object: out of memory at start

}

std::int32_t RuntimeCvtReal64ToSInt32(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
  constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
  if (x >= kMax) return std::numeric_limits<std::int32_t>::max();
  if (x <= kMin) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(x);  // in range: truncates toward zero
}

double RuntimeCvtSInt32ToReal64(std::int32_t x) { return static_cast<double>(x); }

QString Str(std::int32_t x) { return QString::number(x); }

namespace EndOfLine {
QString Default() { return QStringLiteral("\n"); }
QString OSX() { return QStringLiteral("\n"); }
}  // namespace EndOfLine

QString EndOfLineDefault() { return EndOfLine::Default(); }

}  // namespace fw
