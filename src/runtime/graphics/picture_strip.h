#pragma once

#include <string_view>

#include "runtime/graphics/picture.h"

namespace talvora {

// A picture divided into rows x columns equal cells, numbered row by row from 0. The cell size is
// the picture's size divided by the counts, rounded down, so pixels beyond the last whole cell on
// the right or at the bottom belong to no cell.
class PictureStrip {
 public:
  PictureStrip() = default;
  explicit PictureStrip(Picture picture, int rows = 1, int columns = 1);

  // The strip's name, which its cells carry as their origin: text that lives
  // as long as the program, such as a literal.
  std::string_view Name() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }

  const Picture& Whole() const { return picture_; }
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  // A count below 1 is taken as 1: a strip always has at least one cell.
  void SetRows(int rows);
  void SetColumns(int columns);

  int CellWidth() const { return picture_.Width() / columns_; }
  int CellHeight() const { return picture_.Height() / rows_; }

  // The picture of cell k, a view into the strip's picture; empty for k outside the cells.
  Picture Cell(int k) const;

 private:
  Picture picture_;
  std::string_view name_;
  int rows_ = 1;
  int columns_ = 1;
};

}  // namespace talvora
