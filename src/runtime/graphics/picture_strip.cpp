#include "runtime/graphics/picture_strip.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace talvora {

PictureStrip::PictureStrip(Picture picture, int rows, int columns) : picture_(std::move(picture)) {
  SetRows(rows);
  SetColumns(columns);
}

void PictureStrip::SetRows(int rows) { rows_ = std::max(rows, 1); }

void PictureStrip::SetColumns(int columns) { columns_ = std::max(columns, 1); }

Picture PictureStrip::Cell(int k) const {
  // 64 bits: rows x columns may exceed the int range.
  if (k < 0 || k >= std::int64_t{rows_} * columns_) return {};
  const int row = k / columns_;
  const int column = k % columns_;
  const int width = CellWidth();
  const int height = CellHeight();
  return picture_.Part({column * width, row * height, width, height}).WithOrigin({name_, k, {}});
}

}  // namespace talvora
