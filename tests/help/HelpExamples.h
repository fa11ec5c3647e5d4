// Reads the worked examples out of the help text, so that tests can hold the
// program to what its help promises.
//
// The help text lays each example out as:
//   "Example N: title"                    starts example N
//   "Coefficient matrix:" / "r.h.s.:"     the rows that follow, up to an empty line
//   "x:" / "y:"                           the operand on the next line
//   "... (K lines...):"                   the next K lines are what the program shows;
//                                         where depends on the line: "solution area",
//                                         "floating point output window" or "in z"
// An example that gives no coefficient matrix or r.h.s. keeps those of the
// example before it, just as the main window keeps what the user typed.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace helptest {

enum class Shown { SolutionArea, FloatingPointWindow, ArithmeticZ };

struct WorkedExample {
  int number = 0;
  QStringList coefficientRows;  // as the main window then holds them
  QStringList rhsRows;
  QString x, y;                 // operands of the arithmetic window
  QString action;               // first word of the result's introducing line ("Solve", "Add")
  Shown shown = Shown::SolutionArea;
  QStringList resultLines;      // one line each, empty lines included
  QStringList prose;            // the example's other lines
};

// Throws std::runtime_error naming the line when the layout is broken.
std::vector<WorkedExample> ParseWorkedExamples(const QString& helpText);

// The text of a whole result as the program writes it: Solve ends its last
// line with a line end, the arithmetic window's z holds the fraction alone.
QString ExpectedAreaText(const WorkedExample& example);

}  // namespace helptest
