#include "HelpExamples.h"

#include <QRegularExpression>
#include <stdexcept>

namespace helptest {
namespace {

[[noreturn]] void fail(int lineIndex, const QString& why) {
  throw std::runtime_error(QStringLiteral("help text line %1: %2").arg(lineIndex + 1).arg(why).toStdString());
}

// Rows from line i on, up to the next empty line (or the end); i is left on that line.
QStringList rowsFrom(const QStringList& lines, qsizetype& i) {
  QStringList rows;
  while (i < lines.size() && !lines[i].isEmpty()) rows << lines[i++];
  return rows;
}

}  // namespace

std::vector<WorkedExample> ParseWorkedExamples(const QString& helpText) {
  if (!helpText.endsWith('\n')) throw std::runtime_error("help text does not end with a line end");
  QStringList lines = helpText.split('\n');
  lines.removeLast();  // after the final line end

  static const QRegularExpression heading(QStringLiteral(R"(^Example (\d+): )"));
  static const QRegularExpression resultIntro(QStringLiteral(R"(^(\S+) .*\((\d+) lines?\b[^)]*\):$)"));

  std::vector<WorkedExample> examples;
  QStringList carriedCoefficients, carriedRhs;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (const auto m = heading.match(line); m.hasMatch()) {
      WorkedExample next;
      next.number = m.captured(1).toInt();
      next.coefficientRows = carriedCoefficients;
      next.rhsRows = carriedRhs;
      examples.push_back(next);
      continue;
    }
    if (examples.empty()) continue;  // the introduction
    WorkedExample& ex = examples.back();
    if (line == QLatin1String("Coefficient matrix:")) {
      ++i;
      ex.coefficientRows = carriedCoefficients = rowsFrom(lines, i);
      if (ex.coefficientRows.isEmpty()) fail(i, "coefficient matrix without rows");
    } else if (line == QLatin1String("r.h.s.:")) {
      ++i;
      ex.rhsRows = carriedRhs = rowsFrom(lines, i);
      if (ex.rhsRows.isEmpty()) fail(i, "r.h.s. without rows");
    } else if (line == QLatin1String("x:") || line == QLatin1String("y:")) {
      if (i + 1 >= lines.size() || lines[i + 1].isEmpty()) fail(i, "operand line missing");
      (line.startsWith('x') ? ex.x : ex.y) = lines[++i];
    } else if (const auto m = resultIntro.match(line); m.hasMatch()) {
      if (!ex.resultLines.isEmpty()) fail(i, "a second result in one example");
      ex.action = m.captured(1);
      if (line.contains(QLatin1String("floating point output window"))) ex.shown = Shown::FloatingPointWindow;
      else if (line.contains(QLatin1String(" in z "))) ex.shown = Shown::ArithmeticZ;
      else if (line.contains(QLatin1String("solution area"))) ex.shown = Shown::SolutionArea;
      else fail(i, "result line names no known area: " + line);
      const int count = m.captured(2).toInt();
      if (count < 1 || i + count >= lines.size()) fail(i, "result runs past the end of the text");
      ex.resultLines = lines.mid(i + 1, count);
      i += count;
    } else if (!line.isEmpty()) {
      ex.prose << line;
    }
  }
  for (const WorkedExample& ex : examples)
    if (ex.resultLines.isEmpty())
      throw std::runtime_error("example " + std::to_string(ex.number) + " shows no result");
  return examples;
}

QString ExpectedAreaText(const WorkedExample& example) {
  const QString joined = example.resultLines.join('\n');
  return example.shown == Shown::ArithmeticZ ? joined : joined + '\n';
}

}  // namespace helptest
