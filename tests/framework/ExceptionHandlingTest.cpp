#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "framework/ExceptionHandling.h"
#include "framework/Exceptions.h"
#include "framework/MsgBox.h"
#include "framework/TestSupport.h"
#include "zq/zq.h"

namespace {

class ExceptionHandlingTest : public ::testing::Test {
 protected:
  void SetUp() override { fw::test::ClearMessages(); }
};

TEST_F(ExceptionHandlingTest, NormalReturnIsTrueAndShowsNothing) {
  bool ran = false;
  EXPECT_TRUE(fw::CallWithExceptionHandling([&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(fw::test::Messages().isEmpty());
}

TEST_F(ExceptionHandlingTest, EveryKindOfExceptionIsCaughtAndNamed) {
  struct Case {
    const char* label;
    std::function<void()> raise;
    QStringList mustContain;
  };
  const Case cases[] = {
      {"component", [] { throw zq::zqBadEntryNumberException("bad entry"); }, {"bad entry", "zqBadEntryNumberException"}},
      {"framework", [] { throw fw::NilObjectException(); }, {"NilObjectException"}},
      {"standard", [] { throw std::out_of_range("index 7"); }, {"index 7", "std::out_of_range"}},
      {"memory", [] { throw std::bad_alloc(); }, {"out of memory"}},
      {"not std", [] { throw 42; }, {"int"}},
  };
  for (const Case& c : cases) {
    fw::test::ClearMessages();
    EXPECT_FALSE(fw::CallWithExceptionHandling(c.raise)) << c.label;
    ASSERT_EQ(fw::test::Messages().size(), 1) << c.label;
    const QString shown = fw::test::Messages()[0];
    EXPECT_TRUE(shown.startsWith("An unexpected error occurred: ")) << c.label << ": " << shown.toStdString();
    for (const QString& part : c.mustContain) EXPECT_TRUE(shown.contains(part)) << c.label << ": " << shown.toStdString();
  }
}

TEST_F(ExceptionHandlingTest, FrameworkExceptionsAreRuntimeExceptions) {
  EXPECT_THROW(throw fw::IllegalCastException(), fw::RuntimeException);
  EXPECT_THROW(throw fw::ThreadAccessingUIException(), zq::RuntimeException);
}

TEST_F(ExceptionHandlingTest, UnhandledExceptionReportsAndReturns) {
  fw::_UnhandledException(std::make_exception_ptr(std::runtime_error("escaped")));
  ASSERT_EQ(fw::test::Messages().size(), 1);
  EXPECT_TRUE(fw::test::Messages()[0].contains("escaped"));
  fw::_UnhandledException(nullptr);
  EXPECT_EQ(fw::test::Messages().size(), 1);
}

TEST_F(ExceptionHandlingTest, SinkReceivesMsgBoxTextAndCanBeSwapped) {
  QStringList mine;
  fw::MessageSink previous = fw::SetMessageSink([&](const QString& t) { mine << t; });
  fw::MsgBox("row number mismatch");
  fw::SetMessageSink(previous);
  fw::MsgBox("after");
  EXPECT_EQ(mine, QStringList{"row number mismatch"});
  EXPECT_EQ(fw::test::Messages(), QStringList{"after"});
}

}  // namespace
