#pragma once
// String functions of the framework layer. QtCore only, so that code which
// works on texts alone (matrix text conversion, its tests) needs no widgets.
#include <QString>
#include <cstdint>

namespace fw {

// Every occurrence of find, left to right, without overlap. An empty find
// changes nothing (there is nothing to find).
QString ReplaceAll(const QString& source, const QString& find, const QString& replacement);

// Every line end ("\r\n", a lone "\r", a lone "\n") becomes lineEnd; a
// "\r\n" pair counts as one line end.
QString ReplaceLineEndings(const QString& source, const QString& lineEnd);

// The text without its leading white space: every leading blank, tab,
// carriage return and line feed is removed. Nothing else counts as white space.
QString LTrim(const QString& s);

// Length in characters (Unicode code points: a surrogate pair counts once).
int Len(const QString& s);

// The longest leading decimal number of s, read like C strtod in the C locale:
// leading white space (blank, tab, CR, LF, VT, FF) skipped; then an optional
// sign, digits with an optional decimal point (at least one digit) and an
// optional exponent e/E with optional sign and at least one digit. Only ASCII
// digits and "." count, whatever the locale; "inf", "nan" and hexadecimal
// ("0x10" reads as 0) are not numbers here. No number gives 0; a value too
// large for a double gives +-infinity, one too small +-0 (or a subnormal).
double CDbl(const QString& s);

// Double to 32-bit integer: truncated toward zero, saturated at the int32
// limits (infinities included); NaN gives 0.
std::int32_t RuntimeCvtReal64ToSInt32(double x);
double RuntimeCvtSInt32ToReal64(std::int32_t x);

// Plain decimal, "-" in front when negative.
QString Str(std::int32_t x);

namespace EndOfLine {
QString Default();  // ends message lines
QString OSX();      // ends matrix rows; typed text is unified to it
}  // namespace EndOfLine

QString EndOfLineDefault();  // same as EndOfLine::Default()

}  // namespace fw
