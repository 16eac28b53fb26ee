#pragma once

#include <QImage>
#include <algorithm>
#include <set>
#include <utility>

#include "render/canvas.h"

namespace kven::test {

// A pixel as the rgb:: constants write it (opaque).
inline QRgb Px(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

// Every pixel of colour inside r, as (x, y).
inline std::set<std::pair<int, int>> PixelsOf(const QImage& image, const CanvasRect& r, QRgb colour) {
  std::set<std::pair<int, int>> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (Px(image, x, y) == colour) out.emplace(x, y);
  return out;
}

inline int Count(const QImage& image, const CanvasRect& r, QRgb colour) {
  return static_cast<int>(PixelsOf(image, r, colour).size());
}

inline bool All(const QImage& image, const CanvasRect& r, QRgb colour) {
  return Count(image, r, colour) == r.Width() * r.Height();
}

// The smallest rectangle holding every pixel of colour inside r; empty when none.
inline CanvasRect InkBounds(const QImage& image, const CanvasRect& r, QRgb colour) {
  CanvasRect ink{r.right, r.bottom, r.left, r.top};
  for (const auto& [x, y] : PixelsOf(image, r, colour))
    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
  return ink.IsEmpty() ? CanvasRect{} : ink;
}

}  // namespace kven::test
