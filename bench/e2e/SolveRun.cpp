// Child process: the whole Solve through the real main window, headless.
// The areas get the typed texts, "Solve" is clicked, and the time runs until
// TextAreasol and TextAreazq hold their texts and the posted events are done.
// A breakdown through the same public calls follows, to show where time goes.
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include "Measure.h"
#include "framework/Framework.h"
#include "framework/MsgBox.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "solver/Window1.h"
#include "solver/Windowzq.h"
#include "zq/zq.h"

namespace bench {
namespace {

QStringList& Messages() {
  static QStringList m;
  return m;
}

zq::BigMatrix FromTyped(const QString& typed) {
  return zq::BigMatrix(Window1::inMod(fw::ReplaceLineEndings(typed, fw::EndOfLine::OSX())).toStdString());
}

// Where the time of one Solve goes, step by step through the same calls.
std::string Breakdown(const Case& c, Window1& w) {
  char buf[512];
  double tRead = 0, tParse = 0, tDet = 0, tSolve = 0, tOut2 = 0, tSet = 0, tOutzq = 0, tSetzq = 0;
  QString cm, rhs, sol, fl;
  tRead = Seconds([&] {
    cm = w.TextAreacm().Text();
    rhs = w.TextArearhs().Text();
  });
  zq::BigMatrix A, B, X;
  tParse = Seconds([&] {
    A = FromTyped(cm);
    B = FromTyped(rhs);
  });
  if (c.kind == 'P') {
    QString one;
    const double tLines = Seconds([&] { one = fw::ReplaceLineEndings(cm, fw::EndOfLine::OSX()); });
    QString in;
    const double tIn = Seconds([&] { in = Window1::inMod(one); });
    std::string s;
    const double tStd = Seconds([&] { s = in.toStdString(); });
    const double tCtor = Seconds([&] { A = zq::BigMatrix(s); });
    std::snprintf(buf, sizeof buf,
                  "Text() %.3f  A+B %.3f = ReplaceLineEndings %.3f + inMod %.3f + toStdString %.3f + BigMatrix %.3f",
                  tRead, tParse, tLines, tIn, tStd, tCtor);
    return buf;
  }
  zq::BigFraction d;
  tDet = Seconds([&] { d = A.Det(); });
  const bool singular = d.Operator_Compare(0) == 0;
  tSolve = Seconds([&] { X = singular ? A.ColumnAugment(B).ReduceRowEchelon() : A.Invert().Operator_Multiply(B); });
  tOut2 = Seconds([&] { sol = Window1::outMod2(X); });
  tSet = Seconds([&] { w.TextAreasol().SetText(sol); });
  tOutzq = Seconds([&] { fl = Window1::outModzq(X); });
  tSetzq = Seconds([&] {
    get::Windowzq().TextAreazq().SetText(fl);
    QCoreApplication::processEvents();
  });
  std::snprintf(buf, sizeof buf,
                "Text() %.3f parse %.3f Det %.3f %s %.3f outMod2 %.3f SetText %.3f outModzq %.3f SetText(zq) %.3f  "
                "[%.1f MB exact text]",
                tRead, tParse, tDet, singular ? "rref" : "Inv*B", tSolve, tOut2, tSet, tOutzq, tSetzq,
                sol.size() / 1e6);
  return buf;
}

}  // namespace

int RunSolveChild(const Case& c, int reps) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "solve_bench";
  static char* argv[] = {name, nullptr};
  fw::RuntimeInit(argc, argv);
  fw::SetMessageSink([](const QString& text) { Messages() << text; });
  StartForTests();
  Window1& w = get::Window1();
  QCoreApplication::processEvents();

  const TypedSystem typed = MakeSystem(c);
  w.TextAreacm().SetText(QString::fromStdString(typed.coefficients));
  w.TextArearhs().SetText(QString::fromStdString(typed.rhs));
  QCoreApplication::processEvents();

  const double before = PeakMiB();
  double peakDelta = 0;
  std::vector<double> times;
  for (int r = 0; r < reps; ++r) {
    Messages().clear();
    times.push_back(Seconds([&] {
      w.PushButton1().click();
      QCoreApplication::processEvents();
    }));
    if (r == 0) peakDelta = PeakMiB() - before;
  }
  unsigned long long digest = 0;
  std::string extra;
  if (c.kind == 'P') {
    extra = Messages().join(QStringLiteral("|")).toStdString() == "row number mismatch" ? "" : "UNEXPECTED-MESSAGE ";
  } else {
    if (!Messages().isEmpty()) extra = "MESSAGE:" + Messages().join(QStringLiteral("|")).toStdString() + " ";
    const std::string sol = w.TextAreasol().Text().toStdString();
    digest = Digest(NumberTokens(sol));
    extra += "zq-bytes=" + std::to_string(get::Windowzq().TextAreazq().Text().size()) + " ";
  }
  extra += "| " + Breakdown(c, w);
  Report(Median(times), peakDelta, digest, extra);
  fw::SetMessageSink({});
  StopForTests();
  fw::RuntimeExit();
  return 0;
}

}  // namespace bench
