// Exceptions of the framework layer. They share the arithmetic component's
// base class so that one catch clause covers every run-time failure.
#pragma once

#include <string>

#include "zq/zq.h"

namespace fw {

using RuntimeException = zq::RuntimeException;

// Using an object or control that does not exist.
class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& what = "NilObjectException: the object does not exist")
      : RuntimeException(what) {}
};

// A class test failed (an object is not of the class asked for).
class IllegalCastException : public RuntimeException {
 public:
  explicit IllegalCastException(const std::string& what = "IllegalCastException: the object is not of the expected class")
      : RuntimeException(what) {}
};

// A user-interface call made from a thread other than the main one.
class ThreadAccessingUIException : public RuntimeException {
 public:
  explicit ThreadAccessingUIException(
      const std::string& what = "ThreadAccessingUIException: user-interface calls must run on the main thread")
      : RuntimeException(what) {}
};

// Throws ThreadAccessingUIException unless called on the thread that owns the
// QApplication (does nothing before the QApplication exists).
void _RequireUIThread();

}  // namespace fw
