// The "Solve" button: reads the typed system, writes the exact result into the
// solution area and its floating-point version into the floating-point output
// window, and turns every failure into one message box.
#include <new>
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

// Hands the finished floating text to the floating-point output window. The
// text is complete before the window is touched, because building the window
// resets the precisions. The window is only visible while the user has it
// open from the Window menu.
void DeliverFloatingText(const QString& floating) {
  get::Windowzq().TextAreazq().SetText(floating);
  if (!get::App().WindowzqOpen) get::Windowzq().Hide();
}

// Writes the reduced row echelon form of A augmented with B under heading.
// The floating layout of a one-column matrix has no line end of its own, so
// addLineEndToFloating says whether E follows it.
void WriteReducedAugmented(Window1& window, const zq::BigMatrix& A, const zq::BigMatrix& B, const QString& heading,
                           bool addLineEndToFloating) {
  const QString E = fw::EndOfLine::Default();
  const zq::BigMatrix R = A.ColumnAugment(B).ReduceRowEchelon();
  window.TextAreasol().SetText(heading + Window1::outMod2(R) + E);
  const QString floating = heading + Window1::outModzq(R) + (addLineEndToFloating ? E : QString());
  DeliverFloatingText(floating);
}

void Solve(Window1& window) {
  const QString E = fw::EndOfLine::Default();
  const zq::BigMatrix A = MatrixFromTypedText(window.TextAreacm().Text());
  const zq::BigMatrix B = MatrixFromTypedText(window.TextArearhs().Text());

  if (B.NumRows() != A.NumRows()) {
    fw::MsgBox(QStringLiteral("row number mismatch"));
    return;
  }

  if (A.NumRows() != A.NumColumns()) {
    const QString first = A.NumRows() < A.NumColumns() ? FewerEquations : MoreEquations;
    WriteReducedAugmented(window, A, B, first + E + ReducedHeading + E, /*addLineEndToFloating=*/false);
    return;
  }

  const zq::BigFraction d = A.Det();
  if (d.Operator_Compare(0) != 0) {
    const zq::BigMatrix X = A.Invert().Operator_Multiply(B);
    window.TextAreasol().SetText(SolutionHeading + E + Window1::outMod2(X) + E + DeterminantHeading + E +
                                 FromUtf8(zq::Str(d)) + E);
    const QString floating = SolutionHeading + E + Window1::outModzq(X) + E + DeterminantHeading + E +
                             FromUtf8(zq::Str(zq::zqEquateBF_BFR(d))) + E;
    DeliverFloatingText(floating);
    return;
  }

  WriteReducedAugmented(window, A, B, ZeroDeterminant + E + ReducedHeading + E, /*addLineEndToFloating=*/true);
}

}  // namespace

void Window1::PushButton1_Action(fw::PushButton&) {
  // Whatever fails ends the action with one message; what was already
  // written stays.
  try {
    zq::ComputationScope scope;
    Solve(*this);
  } catch (const zq::zqDivideByZeroException&) {
    fw::MsgBox(QStringLiteral("Can't divide by zero"));
  } catch (const zq::zqBadEntryNumberException&) {
    fw::MsgBox(QStringLiteral("Bad entry"));
  } catch (const std::bad_alloc&) {
    fw::MsgBox(QStringLiteral("Not enough memory to solve this system."));
  } catch (...) {
    fw::MsgBox(QStringLiteral("Bad Entry"));
  }
}
