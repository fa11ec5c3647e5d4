// The whole Solve action on arbitrary coefficient and right-hand-side texts,
// clicked through the real main window: the solution area gets exactly the
// result the action's steps give, or the one message for the failure; the
// input areas never change. Input: coefficients '|' right-hand side, and
// optionally '|' a digit count typed into "Set DecPrec" before the click.
#include <QPushButton>

#include "FuzzSupport.h"
#include "GuiHarness.h"
#include "framework/Framework.h"
#include "shell/App.h"
#include "solver/MatrixText.h"
#include "solver/Window1.h"
#include "solver/Windowzq.h"
#include "zq/zq.h"

namespace {

struct Expected {
  QString message;            // empty: no message box
  bool exactWritten = false;  // the solution area's new text is `exact`
  QString exact;
  bool floatingWritten = false;
  QString floating;
};

zq::BigMatrix Read(const QString& typed) {
  const QString text = fw::ReplaceLineEndings(typed, fw::EndOfLine::OSX());
  return zq::BigMatrix(MatrixText::inMod(text).toStdString());
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The action's steps, done here without the windows.
Expected Model(const QString& cm, const QString& rhs) {
  const QString E = fw::EndOfLine::Default();
  const QString reduced =
      "Here is the reduced row echelon matrix of the coefficient matrix augmented with the r.h.s vector or matrix:";
  Expected r;
  try {
    const zq::BigMatrix A = Read(cm), B = Read(rhs);
    if (A.NumRows() != B.NumRows()) {
      r.message = "row number mismatch";
      return r;
    }
    if (A.NumRows() != A.NumColumns()) {
      const QString heading = (A.NumRows() < A.NumColumns()
                                   ? QString("The  number of equations is fewer than the number of unknowns.")
                                   : QString("The  number of equations is more than the number of unknowns.")) +
                              E + reduced + E;
      const zq::BigMatrix R = A.ColumnAugment(B).ReduceRowEchelon();
      r.exact = heading + MatrixText::outMod2(R) + E;
      r.exactWritten = true;
      r.floating = heading + MatrixText::outModzq(R);
      r.floatingWritten = true;
      return r;
    }
    const zq::BigFraction d = A.Det();
    if (d.Operator_Compare(0) != 0) {
      const zq::BigMatrix X = A.Invert().Operator_Multiply(B);
      r.exact = "solution set:" + E + MatrixText::outMod2(X) + E + "Determinant of coefficient matrix =" + E +
                Q(zq::Str(d)) + E;
      r.exactWritten = true;
      r.floating = "solution set:" + E + MatrixText::outModzq(X) + E + "Determinant of coefficient matrix =" + E +
                   Q(zq::Str(zq::zqEquateBF_BFR(d))) + E;
      r.floatingWritten = true;
      return r;
    }
    const QString heading = "The coefficient matrix has zero determinant" + E + reduced + E;
    const zq::BigMatrix R = A.ColumnAugment(B).ReduceRowEchelon();
    r.exact = heading + MatrixText::outMod2(R) + E;
    r.exactWritten = true;
    r.floating = heading + MatrixText::outModzq(R) + E;
    r.floatingWritten = true;
  } catch (const zq::zqDivideByZeroException&) {
    r.message = "Can't divide by zero";
  } catch (const zq::zqBadEntryNumberException&) {
    r.message = "Bad entry";
  } catch (...) {
    r.message = "Bad Entry";
  }
  return r;
}

const QString kSolutionBefore = QStringLiteral("solution area before the click");
const QString kFloatingBefore = QStringLiteral("floating area before the click");

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::gui::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QStringList fields = fuzz::SplitFields(data, size, 3);
  const bool setDigits =
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).count(fuzz::kFieldSeparator) >= 2;

  // Every input starts from the settings a fresh floating-point window makes.
  zq::zqSetPrecision(60);
  zq::zqSetOutputPrecision(15);
  Window1& window = get::Window1();
  window.TextAreacm().SetText(fields[0]);
  window.TextArearhs().SetText(fields[1]);
  window.TextAreasol().SetText(kSolutionBefore);
  const QString cm = window.TextAreacm().Text(), rhs = window.TextArearhs().Text();
  if (setDigits) {
    Windowzq& zqWindow = get::Windowzq();
    zqWindow.TextFieldDecPrec().SetText(fields[2]);
    zqWindow.PushButton1().click();
  }
  if (fw::Window* existing = fw::_GetImplicitWindow("Windowzq.Windowzq"))
    static_cast<Windowzq*>(existing)->TextAreazq().SetText(kFloatingBefore);
  fuzz::gui::ClearMessages();

  const Expected expected = Model(cm, rhs);
  window.PushButton1().click();

  const QStringList messages = fuzz::gui::Messages();
  const std::string input = " for coefficients " + fuzz::Quoted(cm) + " and right-hand side " + fuzz::Quoted(rhs);
  fuzz::Check(window.TextAreacm().Text() == cm && window.TextArearhs().Text() == rhs,
              "the Solve action changed an input area" + input);
  if (expected.message.isEmpty())
    fuzz::Check(messages.isEmpty(), "unexpected message " + fuzz::Quoted(messages.join(" / ")) + input);
  else
    fuzz::Check(messages == QStringList{expected.message}, "messages " + fuzz::Quoted(messages.join(" / ")) +
                                                               ", expected " + fuzz::Quoted(expected.message) + input);
  const QString solution = window.TextAreasol().Text();
  fuzz::Check(solution == (expected.exactWritten ? expected.exact : kSolutionBefore),
              "solution area " + fuzz::Quoted(solution) + ", expected " +
                  fuzz::Quoted(expected.exactWritten ? expected.exact : kSolutionBefore) + input);
  if (expected.floatingWritten) {
    fw::Window* zqWindow = fw::_GetImplicitWindow("Windowzq.Windowzq");
    fuzz::Check(zqWindow != nullptr, "no floating-point output window after a result" + input);
    const QString floating = static_cast<Windowzq*>(zqWindow)->TextAreazq().Text();
    fuzz::Check(floating == expected.floating, "floating area " + fuzz::Quoted(floating) + ", expected " +
                                                   fuzz::Quoted(expected.floating) + input);
    fuzz::Check(!zqWindow->isVisible() || get::App().WindowzqOpen, "the floating-point window was left shown");
  }
  fuzz::gui::Settle();
  return 0;
}
