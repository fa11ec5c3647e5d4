#include "zq/MatrixReader.h"

#include <algorithm>
#include <vector>

#include "zq/NumberText.h"

namespace zq::detail {

std::shared_ptr<BigMatrix::Impl> ReadMatrixText(std::string_view text) {
  // A single final ";" or "," ends the last row.
  if (!text.empty() && (text.back() == ';' || text.back() == ',')) text.remove_suffix(1);
  if (text.empty()) throw zqBadEntryNumberException("the matrix text has no rows");

  // Entries first (in text order), the shape afterwards.
  NumberReader reader;
  std::vector<Fmpq> values;
  std::vector<std::size_t> rowLengths;
  const auto rowCount = std::count(text.begin(), text.end(), ';') + 1;
  values.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), ',') + rowCount));
  rowLengths.reserve(static_cast<std::size_t>(rowCount));
  std::size_t rowLength = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ';';
    if (c != ',' && c != ';') continue;
    values.emplace_back();
    reader.Read(text.substr(start, i - start), values.back().get());
    ++rowLength;
    if (c == ';') {
      rowLengths.push_back(rowLength);
      rowLength = 0;
    }
    start = i + 1;
  }
  const std::size_t cols = rowLengths.front();
  for (std::size_t r = 1; r < rowLengths.size(); ++r) {
    if (rowLengths[r] != cols)
      throw zqArithmeticException("row " + std::to_string(r + 1) + " has " + std::to_string(rowLengths[r]) +
                                  " entries, row 1 has " + std::to_string(cols));
  }

  auto m = std::make_shared<BigMatrix::Impl>(static_cast<slong>(rowLengths.size()), static_cast<slong>(cols));
  fmpq_mat_struct* e = m->entries->get();
  std::size_t k = 0;
  for (slong r = 0; r < m->rows; ++r)
    for (slong c = 0; c < m->cols; ++c) fmpq_swap(fmpq_mat_entry(e, r, c), values[k++].get());
  return m;
}

}  // namespace zq::detail
