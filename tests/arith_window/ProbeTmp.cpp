#include <chrono>
#include <cstdio>
#include "ArithWindowFixture.h"
TEST_F(ArithWindowTest, ProbeLargePowers) {
  fw::Window& w = open();
  const char* cases[][2] = {{"2", "16777216"}, {"3", "10000000"}, {"3/7", "8000000"}, {"2", "16777217"}, {"12345678901234567890", "250000"}};
  for (auto& c : cases) {
    area(w, "TextAreax").setPlainText(c[0]);
    area(w, "TextAreay").setPlainText(c[1]);
    area(w, "TextAreaz").setPlainText("s");
    fw::test::ClearMessages();
    auto t = std::chrono::steady_clock::now();
    buttonCaptioned(w, "x^y").click();
    QCoreApplication::processEvents();
    auto t2 = std::chrono::steady_clock::now();
    area(w, "TextAreaz").document()->firstBlock().layout();
    std::printf("%s^%s: %lld ms, z len %lld, msgs %s\n", c[0], c[1],
      (long long)std::chrono::duration_cast<std::chrono::milliseconds>(t2 - t).count(),
      (long long)area(w, "TextAreaz").toPlainText().size(), fw::test::Messages().join("|").toUtf8().constData());
  }
}
