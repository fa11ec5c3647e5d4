// The program as a process: start-up to exit.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

QProcessEnvironment Headless() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  return env;
}

}  // namespace

// main() through RunMorvessa, with File > Quit chosen on the main window.
TEST(Executable, QuitEndsTheProgramWithStatusZeroAfterAFullShutDown) {
  QProcess probe;
  probe.setProcessEnvironment(Headless());
  probe.start(MORVESSA_QUIT_PROBE, {});
  ASSERT_TRUE(probe.waitForStarted(10000));
  ASSERT_TRUE(probe.waitForFinished(60000)) << "the program did not quit";
  const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
  const QString err = QString::fromLocal8Bit(probe.readAllStandardError());
  EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << err.toStdString();
  EXPECT_EQ(probe.exitCode(), 0) << out.toStdString() << err.toStdString();
  EXPECT_TRUE(out.contains("QUIT-PROBE OK")) << out.toStdString() << err.toStdString();
}

// The shipped binary gets through start-up (component check included) and
// keeps running in its event loop until it is told to stop.
TEST(Executable, ProgramStartsAndStaysUp) {
  QProcess program;
  program.setProcessEnvironment(Headless());
  program.start(MORVESSA_EXECUTABLE, {});
  ASSERT_TRUE(program.waitForStarted(10000));
  const bool endedEarly = program.waitForFinished(1500);
  if (endedEarly) {
    ADD_FAILURE() << "exited with " << program.exitCode() << ": "
                  << QString::fromLocal8Bit(program.readAllStandardError()).toStdString();
    return;
  }
  program.kill();
  program.waitForFinished(10000);
}
