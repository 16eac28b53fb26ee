#pragma once

#include <QFont>
#include <QPainter>
#include <QRgb>
#include <QString>
#include <map>
#include <tuple>

class QPaintDevice;

namespace kven {

// The colours of every drawing the program makes.
namespace rgb {
inline constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
inline constexpr QRgb Black = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb Grey = qRgb(0x80, 0x80, 0x80);
inline constexpr QRgb Red = qRgb(0xFF, 0x00, 0x00);
// The frame round the squares a finding of the diagram check is about.
inline constexpr QRgb Mark = qRgb(0x00, 0x78, 0xD7);
}  // namespace rgb

// A rectangle in integer pixels whose right and bottom are the first pixels
// outside it.
struct CanvasRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
  static CanvasRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
  bool operator==(const CanvasRect&) const = default;
};

enum FontStyle : unsigned {
  FontRegular = 0,
  FontBold = 1,
  FontItalic = 2,
  FontUnderline = 4,
  FontStrikeOut = 8,
};

// A drawing surface whose brush, pen and font keep every setting until it is
// changed, across operations and across the devices it is bound to. The
// drawing rules of the grid and the picture depend on what earlier
// operations left behind, so nothing here resets state behind the caller's
// back. Drawing is aliased and text is drawn without antialiasing, so every
// pixel is exactly one of the colours set.
//
// Font sizes in points are converted at pixelsPerInch (96 on screens and
// bitmaps, whatever the monitor; the printer's resolution on a printer).
// The families the program names resolve to installed metric-compatible
// fonts ("Arial" and "MS Sans Serif" to Liberation Sans).
class Canvas {
 public:
  static constexpr int ScreenPixelsPerInch = 96;
  // A new canvas starts with "MS Sans Serif" at 8 points, regular, black;
  // a white brush; a black pen one pixel wide.
  static constexpr int DefaultFontSize = 8;

  explicit Canvas(int pixelsPerInch = ScreenPixelsPerInch);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Binds the canvas to a device until End. Returns false when the device
  // cannot be painted on. Drawing operations need a bound device.
  bool Begin(QPaintDevice* device);
  void End();
  bool IsActive() const { return painter_.isActive(); }
  QPaintDevice* Device() const { return device_; }
  // Sets a drawing into a page among other things: until Unplace, canvas
  // pixel (x, y) lands on placement.map(x, y) of the device, and the
  // drawable area (ClipRect) is `area` from (0, 0).
  void Place(const QTransform& placement, const QSize& area);
  void Unplace();
  // The painter, for what a page draws besides the program's own pictures
  // (laid-out paragraphs of text). Anything set on it is set back by the
  // caller.
  QPainter& Painter() { return painter_; }

  // --- persistent state ---
  void SetBrushColor(QRgb colour) { brush_ = colour; }
  QRgb BrushColor() const { return brush_; }
  void SetPenColor(QRgb colour) { pen_ = colour; }
  QRgb PenColor() const { return pen_; }
  void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
  int PenWidth() const { return penWidth_; }

  void SetFontName(const QString& name);
  QString FontName() const { return fontName_; }
  // Size in points; the font's pixel size follows from pixelsPerInch.
  void SetFontSize(int points);
  // The size in points, or 0 while the size is given as a height.
  int FontSize() const { return sizeInPoints_ ? fontSize_ : 0; }
  // Height in device pixels as the full line height (ascent plus descent).
  void SetFontHeight(int pixels);
  void SetFontStyle(unsigned styles);
  unsigned FontStyles() const { return fontStyles_; }
  void SetFontColor(QRgb colour) { fontColour_ = colour; }
  QRgb FontColor() const { return fontColour_; }

  // The Qt font the current state resolves to, and its line height
  // (ascent plus descent) in device pixels.
  QFont ResolvedFont();
  int LineHeight();
  int TextWidth(const QString& text);

  // --- drawing ---
  // The whole drawable area of the bound device.
  CanvasRect ClipRect() const;
  // Fills with the brush colour.
  void FillRect(const CanvasRect& r);
  // Fills with a colour of its own and leaves the brush alone: for drawing
  // that belongs to no rule of the program (a control's frame).
  void FillRectWithColor(const CanvasRect& r, QRgb colour);
  // Text with the top-left corner of its line box at (x, y), on a
  // background of the brush colour as wide as the text.
  void TextOut(int x, int y, const QString& text);
  // Fills r with the brush colour and draws the text at (x, y) clipped to r.
  void TextRect(const CanvasRect& r, int x, int y, const QString& text);
  // Lines with the pen from the current position; a line covers its first
  // point and stops short of its last, which becomes the current position.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  QPoint PenPosition() const { return position_; }
  // The outline in the pen colour on the rectangle's outermost pixels (as
  // thick as the pen), the inside filled with the brush colour.
  void Rectangle(const CanvasRect& r);
  // The outline of the ellipse inscribed in r, in the pen colour and as
  // thick as the pen, inside r; nothing is filled.
  void Circle(const CanvasRect& r);

  // The installed family that a family name of the program stands for.
  static QString ResolveFamily(const QString& name);

 private:
  void ApplyFont();
  int PixelSizeForLineHeight(const QString& family, unsigned styles, int height);
  QFont MakeFont(const QString& family, unsigned styles, int pixelSize) const;

  QPainter painter_;
  QPaintDevice* device_ = nullptr;
  int pixelsPerInch_;
  QSize placedArea_;  // valid while a placement is set

  QRgb brush_ = rgb::White;
  QRgb pen_ = rgb::Black;
  int penWidth_ = 1;
  QPoint position_;

  QString fontName_ = QStringLiteral("MS Sans Serif");
  bool sizeInPoints_ = true;
  int fontSize_ = DefaultFontSize;  // points, or pixels of line height
  unsigned fontStyles_ = FontRegular;
  QRgb fontColour_ = rgb::Black;

  // The Qt font of the current state, looked up again when the state
  // changes. The grid switches between a few fonts in every cell, so built
  // fonts and their metrics are kept.
  struct BuiltFont {
    QFont font;
    int ascent = 0;
    int descent = 0;
  };
  using FontKey = std::tuple<QString, unsigned, int>;  // family, styles, pixel size
  const BuiltFont* font_ = nullptr;
  const BuiltFont* painterFont_ = nullptr;
  bool fontDirty_ = true;
  std::map<FontKey, BuiltFont> fonts_;
  // Pixel sizes found for line heights, by family, styles and height.
  std::map<FontKey, int> lineHeightCache_;
};

}  // namespace kven
