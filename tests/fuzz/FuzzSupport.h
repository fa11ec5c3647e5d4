#pragma once
// Shared pieces of the fuzz targets: the libFuzzer entry points, turning the
// raw input into texts, and a failure that stops the run with a reason.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fuzz {

// Input bytes as the text a user would have typed or pasted: UTF-8, with
// invalid sequences turned into U+FFFD as a paste would.
inline QString TextFromBytes(const std::uint8_t* data, std::size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The GUI targets split one input into the texts of several areas at this
// byte; missing parts are empty.
inline constexpr char kFieldSeparator = '|';

inline QStringList SplitFields(const std::uint8_t* data, std::size_t size, int count) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QStringList fields;
  qsizetype start = 0;
  for (int i = 0; i < count; ++i) {
    if (start > bytes.size()) {
      fields << QString();
      continue;
    }
    qsizetype end = i + 1 < count ? bytes.indexOf(kFieldSeparator, start) : -1;
    if (end < 0) end = bytes.size();
    fields << QString::fromUtf8(bytes.mid(start, end - start));
    start = end + 1;
  }
  return fields;
}

inline std::string Quoted(const QString& s) {
  QByteArray bytes = s.toUtf8();
  if (bytes.size() > 400) bytes = bytes.left(400) + "...";
  return "\"" + bytes.toStdString() + "\"";
}

// A property the program broke: print why and abort so that libFuzzer keeps
// the input and the replay test fails.
[[noreturn]] inline void Fail(const std::string& why) {
  std::fprintf(stderr, "FUZZ PROPERTY BROKEN: %s\n", why.c_str());
  std::fflush(stderr);
  std::abort();
}

inline void Check(bool ok, const std::string& why) {
  if (!ok) Fail(why);
}

}  // namespace fuzz
