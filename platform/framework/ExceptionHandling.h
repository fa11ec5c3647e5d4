// Every handler the program's code runs from the event loop goes through
// CallWithExceptionHandling: Qt's event loop cannot carry exceptions.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace fw {

// Runs f. Catches every exception (std::exception and anything else), reports
// it with MsgBox ("An unexpected error occurred: ...") and returns false;
// returns true when f returned normally.
bool CallWithExceptionHandling(const std::function<void()>& f);

// The text CallWithExceptionHandling shows for an exception.
QString _DescribeException(std::exception_ptr e);

// Last-resort report of an exception nothing else caught (start-up's catch-all).
void _UnhandledException(std::exception_ptr e);

// Shows the busy cursor while a handler runs; restores it on exit, also on an
// exception. Nests.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool active_;
};

// A user handler as the framework runs it: busy cursor, exceptions reported.
bool _RunHandler(const std::function<void()>& f);

}  // namespace fw
