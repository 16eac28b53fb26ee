#pragma once

// A PDF read back as a reader reads it: its words with their boxes, its
// text, and its pages as pixels (Poppler's pdftotext and pdftoppm).
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace kven::test {

// What a PDF reader finds on a page: words with their boxes, in points.
struct Word {
  int page = 0;
  QRectF box;
  QString text;
};

struct Rendered {
  QSizeF paper;  // points
  std::vector<Word> words;
  QString text;  // in reading order, pages separated by form feeds
};

inline QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return QByteArray();
  return process.readAllStandardOutput();
}

// Writes the document into a folder of its own and reads it back as a
// reader does: its words, their boxes and its text.
class Document {
 public:
  explicit Document(const std::string& pdf) : path_(dir_.filePath(QStringLiteral("p.pdf"))) {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly)) file.write(pdf.data(), static_cast<qint64>(pdf.size()));
  }

  Rendered Read() const {
    Rendered out;
    out.text = QString::fromUtf8(Run(QStringLiteral("pdftotext"), {path_, QStringLiteral("-")}));
    const QString html =
        QString::fromUtf8(Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")}));
    static const QRegularExpression tag(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
                                                       R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                                                       R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    int page = -1;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
      if (!m.captured(1).isEmpty()) {
        ++page;
        out.paper = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        continue;
      }
      out.words.push_back({page, QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                        QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                           m.captured(7)});
    }
    return out;
  }

  // Page `page` (from 1) at `dpi`, without antialiasing: edges are either
  // in or out, as the bitmap's are.
  QImage Page(int page, double dpi) const {
    const QString stem = dir_.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi, 'f', 6), QStringLiteral("-f"),
                                     QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                     QStringLiteral("no"), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                                     path_, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  }

 private:
  QTemporaryDir dir_;
  QString path_;
};

// Square (col, row) of a grid in pixels of a page made at `dpi`: `grid` is
// the grid with its frame in points, as the page geometry gives it, whose
// frame stands three quarters of a point beyond the squares.
inline QRectF SquareOnPage(const QRectF& grid, double squarePoints, double dpi, int col, int row) {
  const double pixels = dpi / 72;
  const QPointF corner = (grid.topLeft() + QPointF(0.75, 0.75)) * pixels;
  const double square = squarePoints * pixels;
  return QRectF(corner + QPointF((col - 1) * square, (row - 1) * square), QSizeF(square, square));
}

}  // namespace kven::test
