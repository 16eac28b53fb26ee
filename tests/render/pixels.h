#pragma once

#include <QImage>
#include <QPoint>
#include <set>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace kven::testing {

// The RGB of a pixel, alpha dropped.
inline QRgb Px(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
inline QRgb Rgb(QRgb colour) { return colour & 0xFFFFFFu; }

// Pixels of colour inside r.
inline int Count(const QImage& image, const CanvasRect& r, QRgb colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (Px(image, x, y) == Rgb(colour)) ++n;
  return n;
}

inline bool All(const QImage& image, const CanvasRect& r, QRgb colour) {
  return Count(image, r, colour) == r.Width() * r.Height();
}

// The smallest rectangle holding every pixel of colour inside r; empty when
// there is none.
inline CanvasRect InkBounds(const QImage& image, const CanvasRect& r, QRgb colour) {
  CanvasRect ink{r.right, r.bottom, r.left, r.top};
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (Px(image, x, y) == Rgb(colour)) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
      }
  return ink.IsEmpty() ? CanvasRect{} : ink;
}

// Every pixel of colour inside r, as points.
inline std::set<std::pair<int, int>> PixelsOf(const QImage& image, const CanvasRect& r, QRgb colour) {
  std::set<std::pair<int, int>> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (Px(image, x, y) == Rgb(colour)) out.emplace(x, y);
  return out;
}

// The colours that occur inside r.
inline std::set<QRgb> Colours(const QImage& image, const CanvasRect& r) {
  std::set<QRgb> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.insert(Px(image, x, y));
  return out;
}

inline CanvasRect Whole(const QImage& image) { return {0, 0, image.width(), image.height()}; }

}  // namespace kven::testing
