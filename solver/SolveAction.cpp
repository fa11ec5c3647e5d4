// The "Solve" button: reads the typed system, writes the exact result into the
// solution area and its floating-point version into the floating-point output
// window, and turns every failure into one message box.
#include <QStringBuilder>
#include <exception>
#include <new>
#include <optional>
#include <string>

#include "framework/Framework.h"
#include "shell/App.h"
#include "solver/Window1.h"
#include "solver/Windowzq.h"
#include "zq/zq.h"

namespace {

const QString FewerEquations = QStringLiteral("The  number of equations is fewer than the number of unknowns.");
const QString MoreEquations = QStringLiteral("The  number of equations is more than the number of unknowns.");
const QString ZeroDeterminant = QStringLiteral("The coefficient matrix has zero determinant");
const QString ReducedHeading = QStringLiteral(
    "Here is the reduced row echelon matrix of the coefficient matrix augmented with the r.h.s vector or matrix:");
const QString SolutionHeading = QStringLiteral("solution set:");
const QString DeterminantHeading = QStringLiteral("Determinant of coefficient matrix =");

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

// Typed text (line ends of any system) to a matrix of the component.
zq::BigMatrix MatrixFromTypedText(const QString& typed) {
  const QString oneLine = Window1::inMod(fw::ReplaceLineEndings(typed, fw::EndOfLine::OSX()));
  return zq::BigMatrix(oneLine.toStdString());
}

// What the arithmetic of one Solve yields. It is computed off the
// user-interface thread, which then writes it in the order of the steps.
struct SolveOutcome {
  bool rowMismatch = false;
  std::optional<QString> exact;     // the text of TextAreasol, once complete
  std::optional<QString> floating;  // the text of TextAreazq, once complete
  std::exception_ptr failure;       // what ended the arithmetic early
};

// The reduced row echelon form of A augmented with B under heading. The
// floating layout of a one-column matrix has no line end of its own, so
// addLineEndToFloating says whether E follows it.
void ReduceAugmented(SolveOutcome& out, const zq::BigMatrix& A, const zq::BigMatrix& B, const QString& heading,
                     bool addLineEndToFloating) {
  const QString E = fw::EndOfLine::Default();
  const zq::BigMatrix R = A.ColumnAugment(B).ReduceRowEchelon();
  // An exact text can run to tens of MB. It is joined with %, which sizes it
  // once: each + would leave one more full-size temporary alive to the end of
  // the statement.
  out.exact = QString(heading % Window1::outMod2(R) % E);
  out.floating = QString(heading % Window1::outModzq(R) % (addLineEndToFloating ? E : QString()));
}

// Steps 1 to 6 on the typed texts: everything but the writing. The floating
// text is composed at the precisions in force when the click began.
void Compute(SolveOutcome& out, const QString& coefficients, const QString& rightHandSide) {
  // Every number of this Solve is made and dropped inside the scope, so a
  // failure gives all of their memory back.
  const zq::ComputationScope scope;
  const QString E = fw::EndOfLine::Default();
  const zq::BigMatrix A = MatrixFromTypedText(coefficients);
  const zq::BigMatrix B = MatrixFromTypedText(rightHandSide);

  if (B.NumRows() != A.NumRows()) {
    out.rowMismatch = true;
    return;
  }

  if (A.NumRows() != A.NumColumns()) {
    const QString first = A.NumRows() < A.NumColumns() ? FewerEquations : MoreEquations;
    ReduceAugmented(out, A, B, first + E + ReducedHeading + E, /*addLineEndToFloating=*/false);
    return;
  }

  const zq::BigFraction d = A.Det();
  if (d.Operator_Compare(0) != 0) {
    const zq::BigMatrix X = A.Invert().Operator_Multiply(B);
    // Joined as in ReduceAugmented.
    out.exact = QString(SolutionHeading % E % Window1::outMod2(X) % E % DeterminantHeading % E %
                        FromUtf8(zq::Str(d)) % E);
    out.floating = QString(SolutionHeading % E % Window1::outModzq(X) % E % DeterminantHeading % E %
                           FromUtf8(zq::Str(zq::zqEquateBF_BFR(d))) % E);
    return;
  }

  ReduceAugmented(out, A, B, ZeroDeterminant + E + ReducedHeading + E, /*addLineEndToFloating=*/true);
}

// Hands the finished floating text to the floating-point output window. The
// text is complete before the window is touched, because building the window
// resets the precisions. The window is only visible while the user has it
// open from the Window menu.
void DeliverFloatingText(const QString& floating) {
  get::Windowzq().TextAreazq().SetText(floating);
  if (!get::App().WindowzqOpen) get::Windowzq().Hide();
}

void Solve(Window1& window) {
  const QString coefficients = window.TextAreacm().Text();
  const QString rightHandSide = window.TextArearhs().Text();
  const SolveOutcome out = fw::RunOffUIThread([&] {
    SolveOutcome computed;
    try {
      Compute(computed, coefficients, rightHandSide);
    } catch (...) {
      computed.failure = std::current_exception();
    }
    return computed;
  });

  if (out.rowMismatch) {
    fw::MsgBox(QStringLiteral("row number mismatch"));
    return;
  }
  // What was complete before a failure is written, as the steps would have.
  if (out.exact) window.TextAreasol().SetText(*out.exact);
  if (out.failure) std::rethrow_exception(out.failure);
  DeliverFloatingText(*out.floating);
}

}  // namespace

void Window1::PushButton1_Action(fw::PushButton&) {
  // Whatever fails ends the action with one message; what was already
  // written stays.
  try {
    Solve(*this);
  } catch (const zq::zqDivideByZeroException&) {
    fw::MsgBox(QStringLiteral("Can't divide by zero"));
  } catch (const zq::zqBadEntryNumberException&) {
    fw::MsgBox(QStringLiteral("Bad entry"));
  } catch (const std::bad_alloc&) {  // the component's zqOutOfMemoryException too
    fw::MsgBox(QStringLiteral("Not enough memory to solve this system."));
  } catch (...) {
    fw::MsgBox(QStringLiteral("Bad Entry"));
  }
}
