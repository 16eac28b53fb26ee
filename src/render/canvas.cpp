#include "render/canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <cstdlib>

namespace kven {

namespace {

// Rounds a / b to the nearest integer, halves away from zero (b > 0).
int DivRound(int a, int b) { return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b)); }

}  // namespace

Canvas::Canvas(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : ScreenPixelsPerInch) {}

Canvas::~Canvas() { End(); }

bool Canvas::Begin(QPaintDevice* device) {
  End();
  if (device == nullptr || !painter_.begin(device)) return false;
  device_ = device;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  // The font itself asks for no antialiasing. Switching the painter's text
  // antialiasing off as well makes FreeType hint for monochrome, which
  // thins bold stems to one pixel at grid sizes.
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painterFont_ = nullptr;
  return true;
}

void Canvas::End() {
  if (painter_.isActive()) painter_.end();
  device_ = nullptr;
  placedArea_ = QSize();
}

void Canvas::Place(const QTransform& placement, const QSize& area) {
  if (!painter_.isActive()) return;
  painter_.setWorldTransform(placement);
  placedArea_ = area;
}

void Canvas::Unplace() {
  if (painter_.isActive()) painter_.resetTransform();
  placedArea_ = QSize();
}

QString Canvas::ResolveFamily(const QString& name) {
  // The program names Windows families; fontconfig's own fallbacks for them
  // vary between machines, so the metric-compatible ones are chosen here.
  static const std::pair<QString, QString> Substitutes[] = {
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
  };
  for (const auto& [windows, installed] : Substitutes)
    if (name.compare(windows, Qt::CaseInsensitive) == 0) return installed;
  return name;
}

void Canvas::SetFontName(const QString& name) {
  if (name == fontName_) return;
  fontName_ = name;
  fontDirty_ = true;
}

void Canvas::SetFontSize(int points) {
  points = std::max(points, 1);
  if (sizeInPoints_ && fontSize_ == points) return;
  sizeInPoints_ = true;
  fontSize_ = points;
  fontDirty_ = true;
}

void Canvas::SetFontHeight(int pixels) {
  pixels = std::max(pixels, 1);
  if (!sizeInPoints_ && fontSize_ == pixels) return;
  sizeInPoints_ = false;
  fontSize_ = pixels;
  fontDirty_ = true;
}

void Canvas::SetFontStyle(unsigned styles) {
  if (styles == fontStyles_) return;
  fontStyles_ = styles;
  fontDirty_ = true;
}

QFont Canvas::MakeFont(const QString& family, unsigned styles, int pixelSize) const {
  QFont font(family);
  font.setPixelSize(std::max(pixelSize, 1));
  font.setBold((styles & FontBold) != 0);
  font.setItalic((styles & FontItalic) != 0);
  font.setUnderline((styles & FontUnderline) != 0);
  font.setStrikeOut((styles & FontStrikeOut) != 0);
  // Glyphs in exactly the font colour, placed the same way on every machine.
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias | QFont::PreferMatch));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

int Canvas::PixelSizeForLineHeight(const QString& family, unsigned styles, int height) {
  const auto key = std::make_tuple(family, styles, height);
  if (auto it = lineHeightCache_.find(key); it != lineHeightCache_.end()) return it->second;
  // The largest pixel size whose line fits the height; the line of a font
  // is taller than its pixel (em) size, so the search only goes down.
  int size = height;
  while (size > 1) {
    const QFontMetrics metrics(MakeFont(family, styles, size));
    if (metrics.ascent() + metrics.descent() <= height) break;
    --size;
  }
  lineHeightCache_.emplace(key, size);
  return size;
}

void Canvas::ApplyFont() {
  if (fontDirty_) {
    const QString family = ResolveFamily(fontName_);
    const int pixelSize = sizeInPoints_ ? DivRound(fontSize_ * pixelsPerInch_, 72)
                                        : PixelSizeForLineHeight(family, fontStyles_, fontSize_);
    const FontKey key{family, fontStyles_, pixelSize};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      BuiltFont built;
      built.font = MakeFont(family, fontStyles_, pixelSize);
      const QFontMetrics metrics(built.font);
      built.ascent = metrics.ascent();
      built.descent = metrics.descent();
      it = fonts_.emplace(key, std::move(built)).first;
    }
    font_ = &it->second;
    fontDirty_ = false;
  }
  if (painter_.isActive() && painterFont_ != font_) {
    painter_.setFont(font_->font);
    painterFont_ = font_;
  }
}

QFont Canvas::ResolvedFont() {
  ApplyFont();
  return font_->font;
}

int Canvas::LineHeight() {
  ApplyFont();
  return font_->ascent + font_->descent;
}

int Canvas::TextWidth(const QString& text) {
  ApplyFont();
  return QFontMetrics(font_->font).horizontalAdvance(text);
}

CanvasRect Canvas::ClipRect() const {
  if (device_ == nullptr) return {};
  if (placedArea_.isValid()) return {0, 0, placedArea_.width(), placedArea_.height()};
  // In the canvas's pixels, which an image for a dense screen has several
  // device pixels to.
  const qreal ratio = device_->devicePixelRatioF();
  return {0, 0, qRound(device_->width() / ratio), qRound(device_->height() / ratio)};
}

void Canvas::FillRect(const CanvasRect& r) { FillRectWithColor(r, brush_); }

void Canvas::FillRectWithColor(const CanvasRect& r, QRgb colour) {
  if (!painter_.isActive() || r.IsEmpty()) return;
  painter_.fillRect(r.ToQRect(), QColor(colour));
}

void Canvas::TextOut(int x, int y, const QString& text) {
  if (!painter_.isActive() || text.isEmpty()) return;
  ApplyFont();
  const int width = QFontMetrics(font_->font).horizontalAdvance(text);
  painter_.fillRect(QRect(x, y, width, font_->ascent + font_->descent), QColor(brush_));
  painter_.setPen(QColor(fontColour_));
  painter_.drawText(QPoint(x, y + font_->ascent), text);
}

void Canvas::TextRect(const CanvasRect& r, int x, int y, const QString& text) {
  if (!painter_.isActive() || r.IsEmpty()) return;
  FillRect(r);
  if (text.isEmpty()) return;
  ApplyFont();
  painter_.setClipRect(r.ToQRect());
  painter_.setPen(QColor(fontColour_));
  painter_.drawText(QPoint(x, y + font_->ascent), text);
  painter_.setClipping(false);
}

void Canvas::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void Canvas::LineTo(int x, int y) {
  const QPoint from = position_;
  position_ = QPoint(x, y);
  if (!painter_.isActive()) return;
  const int dx = x - from.x();
  const int dy = y - from.y();
  if (dx == 0 && dy == 0) return;
  const QColor colour(pen_);

  if (penWidth_ > 1) {
    painter_.setPen(QPen(colour, penWidth_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(from, position_);
    return;
  }
  // One-pixel lines are set pixel by pixel, so that the last point is left
  // out exactly and the pixels do not depend on the paint engine.
  if (dy == 0) {
    const int left = dx > 0 ? from.x() : x + 1;
    painter_.fillRect(QRect(left, y, std::abs(dx), 1), colour);
    return;
  }
  if (dx == 0) {
    const int top = dy > 0 ? from.y() : y + 1;
    painter_.fillRect(QRect(x, top, 1, std::abs(dy)), colour);
    return;
  }
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i)
    painter_.fillRect(QRect(from.x() + DivRound(i * dx, steps), from.y() + DivRound(i * dy, steps), 1, 1), colour);
}

void Canvas::Rectangle(const CanvasRect& r) {
  if (!painter_.isActive() || r.IsEmpty()) return;
  const int w = std::min({penWidth_, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
  const CanvasRect inside{r.left + w, r.top + w, r.right - w, r.bottom - w};
  FillRect(inside);
  const QColor colour(pen_);
  painter_.fillRect(QRect(r.left, r.top, r.Width(), w), colour);
  painter_.fillRect(QRect(r.left, r.bottom - w, r.Width(), w), colour);
  painter_.fillRect(QRect(r.left, r.top, w, r.Height()), colour);
  painter_.fillRect(QRect(r.right - w, r.top, w, r.Height()), colour);
}

void Canvas::Circle(const CanvasRect& r) {
  if (!painter_.isActive() || r.IsEmpty()) return;
  painter_.save();
  // The pen's line lies inside the rectangle, as a rectangle's outline does.
  const qreal half = penWidth_ / 2.0;
  painter_.setPen(QPen(QColor(pen_), penWidth_));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QRectF(r.left + half, r.top + half, r.Width() - penWidth_, r.Height() - penWidth_));
  painter_.restore();
}

}  // namespace kven
