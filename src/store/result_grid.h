// The result of a table query: texts indexed (row, column) from 0, row 0 holding
// the column names, rows 1..N the data rows.  Cells are GB18030 (converted from
// the database's UTF-8 by the store); a NULL cell is an empty text.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

class ResultGrid {
 public:
  // Number of data rows N (the header row not counted).
  int Rows() const { return rows_ == 0 ? 0 : rows_ - 1; }
  int Columns() const { return columns_; }
  bool Empty() const { return rows_ == 0; }
  // REQUIRES: 0 <= row <= Rows(), 0 <= column < Columns().
  const std::string& At(int row, int column) const {
    return cells_[static_cast<size_t>(row) * columns_ + column];
  }
  // The cell's leading decimal number (empty text gives 0).
  long long Number(int row, int column) const;

  void Clear() {
    cells_.clear();
    rows_ = 0;
    columns_ = 0;
  }
  // Used by the store: takes the cells in row-major order, header row first.
  // REQUIRES: cells.size() == rows_with_header * columns.
  void Adopt(int rows_with_header, int columns, std::vector<std::string>&& cells) {
    rows_ = rows_with_header;
    columns_ = columns;
    cells_ = std::move(cells);
  }

 private:
  std::vector<std::string> cells_;
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace mivrel
