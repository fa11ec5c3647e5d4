#include "MatrixText.h"

#include <algorithm>
#include <vector>

#include "framework/Strings.h"

namespace {

// Element text of one matrix element for each layout.
QString exactText(const zq::BigFraction& x) { return QString::fromStdString(zq::Str(x)); }
QString floatText(const zq::BigFraction& x) {
  return QString::fromStdString(zq::Str(zq::zqEquateBF_BFR(x)));
}

template <class ElementText>
QString layout(const zq::BigMatrix& m, ElementText elementText) {
  const std::int64_t nc = m.NumColumns();
  const std::int64_t nr = m.NumRows();
  const QString L = fw::EndOfLine::OSX();

  if (nc == 1) {
    std::vector<QString> cells;
    cells.reserve(static_cast<std::size_t>(std::max<std::int64_t>(nr, 0)));
    qsizetype total = 0;
    for (std::int64_t i = 0; i < nr; ++i) {
      cells.push_back(elementText(m.GetElement(i, 0)));
      total += cells.back().size() + L.size();
    }
    QString out;
    out.reserve(total);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) out += L;
      out += cells[i];
    }
    return out;
  }

  // Table form: every element read and converted once, before any measuring.
  struct Cell {
    QString text;
    int length;  // fw::Len of text
  };
  const auto rows = static_cast<std::size_t>(std::max<std::int64_t>(nr, 0));
  const auto cols = static_cast<std::size_t>(std::max<std::int64_t>(nc, 0));
  std::vector<Cell> cells;
  cells.reserve(rows * cols);
  for (std::int64_t i = 0; i < nr; ++i) {
    for (std::int64_t j = 0; j < nc; ++j) {
      QString text = elementText(m.GetElement(i, j));
      const int length = fw::Len(text);
      cells.push_back({std::move(text), length});
    }
  }

  // Width of every column but the last: its longest cell plus two blanks.
  std::vector<int> width(cols, 0);
  for (std::size_t i = 0; i < rows; ++i)
    for (std::size_t j = 0; j + 1 < cols; ++j)
      width[j] = std::max(width[j], cells[i * cols + j].length + 2);

  // Size the result exactly, then fill it in place.
  qsizetype total = static_cast<qsizetype>(rows) * L.size();
  for (std::size_t i = 0; i < rows; ++i)
    for (std::size_t j = 0; j < cols; ++j) {
      const Cell& cell = cells[i * cols + j];
      total += cell.text.size() + (j + 1 < cols ? width[j] - cell.length : 0);
    }
  QString out(total, Qt::Uninitialized);
  QChar* p = out.data();
  for (std::size_t i = 0; i < rows; ++i) {
    for (std::size_t j = 0; j < cols; ++j) {
      const Cell& cell = cells[i * cols + j];
      p = std::copy_n(cell.text.constData(), cell.text.size(), p);
      if (j + 1 < cols) p = std::fill_n(p, width[j] - cell.length, QChar(u' '));
    }
    p = std::copy_n(L.constData(), L.size(), p);
  }
  return out;
}

// Number of leading characters that fw::LTrim removes from text. LTrim only
// ever removes a prefix, so asking it about a growing head of the text finds
// that prefix without copying the whole text.
qsizetype leadingWhiteSpace(const QString& text) {
  for (qsizetype head = 64;; head *= 2) {
    const qsizetype taken = std::min(head, text.size());
    const qsizetype kept = fw::LTrim(text.left(taken)).size();
    if (kept > 0 || taken == text.size()) return taken - kept;
  }
}

}  // namespace

// One pass does the work of the separator and line-end replacements: a run of
// blanks, commas and semicolons becomes one blank, and a run that holds a line
// end becomes that one line end (blanks beside line ends and empty lines go).
// Leading white space then goes as LTrim removes it, and a second pass turns
// blanks and line ends into "," and ";". Linear in the length of the text.
QString MatrixText::inMod(const QString& typed) {
  const char16_t L = fw::EndOfLine::OSX().at(0).unicode();
  enum Pending { None, Blank, LineEnd };  // the separator run since the last entry character
  QString text(typed.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  const char16_t* in = reinterpret_cast<const char16_t*>(typed.constData());
  const char16_t* const inEnd = in + typed.size();
  qsizetype n = 0;
  Pending pending = None;
  for (; in != inEnd; ++in) {
    const char16_t c = *in;
    if (c == u' ' || c == u',' || c == u';') {
      if (pending == None) pending = Blank;
    } else if (c == L) {
      pending = LineEnd;
    } else {
      if (pending != None) out[n++] = pending == Blank ? u' ' : L;
      pending = None;
      out[n++] = c;
    }
  }
  if (pending != None) out[n++] = pending == Blank ? u' ' : L;
  text.truncate(n);

  const qsizetype cut = leadingWhiteSpace(text);
  out = reinterpret_cast<char16_t*>(text.data());
  for (qsizetype i = cut; i < n; ++i) {
    const char16_t c = out[i];
    out[i - cut] = c == u' ' ? u',' : c == L ? u';' : c;
  }
  text.truncate(n - cut);
  return text;
}

QString MatrixText::outMod(const QString& oneLine) {
  return fw::ReplaceAll(fw::ReplaceAll(oneLine, QStringLiteral(","), QStringLiteral("  ")),
                        QStringLiteral(";"), fw::EndOfLine::OSX());
}

QString MatrixText::outMod2(const zq::BigMatrix& m) { return layout(m, exactText); }

QString MatrixText::outModzq(const zq::BigMatrix& m) { return layout(m, floatText); }
