#pragma once
// Conversions between typed matrix text, the one-line matrix text that
// zq::BigMatrix reads, and the two result layouts. They depend on no window.
#include <QString>

#include "zq/zq.h"

struct MatrixText {
  // Typed text (line ends already unified to fw::EndOfLine::OSX()) to the
  // one-line matrix text: entries "," rows ";". Linear time; never fails.
  static QString inMod(const QString& typed);
  // One-line matrix text back into lines: "," -> two blanks, ";" -> line end.
  static QString outMod(const QString& oneLine);
  // Exact layout: element texts zq::Str(BigFraction).
  static QString outMod2(const zq::BigMatrix& m);
  // Floating-point layout: zq::Str(zq::zqEquateBF_BFR(x)) at the settings in force.
  static QString outModzq(const zq::BigMatrix& m);
};
