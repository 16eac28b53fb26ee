// An ipuz crossword with circled and shaded squares through every kventool
// command that writes a puzzle: each output, read back or looked at, shows
// the squares' styles as far as its format can hold them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

namespace {

using Square = std::pair<int, int>;  // [col, row]

// The styles an output shows: circled squares, and shaded ones with their
// colour as "RRGGBB".
struct Seen {
  std::set<Square> circled;
  std::map<Square, std::string> shaded;
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
  out << "circled";
  for (const auto& [col, row] : seen.circled) out << " " << col << "," << row;
  out << "; shaded";
  for (const auto& [square, colour] : seen.shaded) out << " " << square.first << "," << square.second << " " << colour;
  return out;
}

// tests/data/ipuz/styled.ipuz: [3,2] is circled and shaded, [3,3] is
// highlighted (the program's grey), the blocks stand at [2,2], [4,2],
// [2,4] and [4,4].
const Seen Everything{{{1, 1}, {3, 2}, {5, 4}}, {{{4, 1}, "FFD966"}, {{3, 2}, "C0E0FF"}, {{3, 3}, "D9D9D9"}}};
const Seen CirclesOnly{{{1, 1}, {3, 2}, {5, 4}}, {}};
const Seen ShadesInGrey{{}, {{{4, 1}, "D9D9D9"}, {{3, 2}, "D9D9D9"}, {{3, 3}, "D9D9D9"}}};
const std::set<Square> Blocks{{2, 2}, {4, 2}, {2, 4}, {4, 4}};
constexpr int Side = 5;

QString StyledIpuz() { return QStringLiteral(KVEN_TEST_DATA_DIR "/ipuz/styled.ipuz"); }

struct ToolRun {
  int status = -1;
  QByteArray out, err;
};

ToolRun Kventool(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(KVENTOOL_PATH), arguments);
  ToolRun run;
  if (!process.waitForFinished(120000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

std::string Hex(QRgb colour) {
  return QStringLiteral("%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper().toStdString();
}

// The styles of an ipuz document's cells, as the ipuz reader takes them.
Seen FromIpuz(const QByteArray& text) {
  Seen seen;
  const nlohmann::json ipuz = nlohmann::json::parse(text.toStdString());
  for (int row = 0; row < static_cast<int>(ipuz["puzzle"].size()); ++row)
    for (int col = 0; col < static_cast<int>(ipuz["puzzle"][row].size()); ++col) {
      const nlohmann::json& cell = ipuz["puzzle"][row][col];
      if (!cell.is_object() || !cell.contains("style")) continue;
      const nlohmann::json& style = cell["style"];
      const Square square{col + 1, row + 1};
      if (style.value("shapebg", "") == "circle") seen.circled.insert(square);
      if (style.contains("color")) seen.shaded[square] = style["color"].get<std::string>();
      if (style.value("highlight", false)) seen.shaded[square] = "D9D9D9";
    }
  return seen;
}

// A file of another format read back by kventool and written as ipuz.
Seen ReadBack(const QString& path) {
  const ToolRun run = Kventool({QStringLiteral("ipuz"), path});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  return run.status == 0 ? FromIpuz(run.out) : Seen{};
}

// The page's puzzle data, which its player draws the grid from.
Seen FromPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  static const QRegularExpression data(
      QStringLiteral(R"(<script type="application/json" id="puzzle-data">(.*?)</script>)"));
  const QRegularExpressionMatch m = data.match(QString::fromUtf8(file.readAll()));
  if (!m.hasMatch()) return {};
  const nlohmann::json json = nlohmann::json::parse(m.captured(1).toStdString());
  Seen seen;
  for (const nlohmann::json& at : json["circled"]) seen.circled.insert({at[0].get<int>(), at[1].get<int>()});
  for (const nlohmann::json& at : json["shaded"])
    seen.shaded[{at[0].get<int>(), at[1].get<int>()}] =
        QString::fromStdString(at[2].get<std::string>()).mid(1).toUpper().toStdString();  // "#ffd966"
  return seen;
}

bool Dark(QRgb c) { return qGray(c) < 96; }

// The styles drawn on a grid whose top-left corner and squares are given in
// pixels: a shade read inside the square clear of its number and letter, a
// circle by its ink where it passes 45 degrees below right of the centre,
// `inset` inside the square's side.
Seen FromGrid(const QImage& image, QPointF corner, double square, double inset) {
  Seen seen;
  for (int row = 1; row <= Side; ++row)
    for (int col = 1; col <= Side; ++col) {
      if (Blocks.contains({col, row})) continue;
      const QPointF topLeft = corner + QPointF((col - 1) * square, (row - 1) * square);
      const QRgb shade = image.pixel((topLeft + QPointF(0.75 * square, 0.25 * square)).toPoint());
      if ((shade & 0xFFFFFFu) != 0xFFFFFFu) seen.shaded[{col, row}] = Hex(shade);
      const double along = (square / 2 - inset) / std::sqrt(2.0);
      const QPoint ring = (topLeft + QPointF(square / 2 + along, square / 2 + along)).toPoint();
      bool ink = false;
      for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) ink = ink || Dark(image.pixel(ring + QPoint(dx, dy)));
      if (ink) seen.circled.insert({col, row});
    }
  return seen;
}

// The bitmap picture: squares of 32 pixels below a title row.
Seen FromPicture(const QImage& image) {
  if (image.isNull()) {
    ADD_FAILURE() << "no picture";
    return {};
  }
  return FromGrid(image.convertToFormat(QImage::Format_RGB32), QPointF(0, 32), 32, 1);
}

Seen FromSvg(const QString& path) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QImage image(renderer.defaultSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  renderer.render(&painter);
  painter.end();
  return FromPicture(image);
}

// The first page of a PDF at 144 dpi: the grid is found by its frame, the
// first black run of five squares at least three pixels thick.
Seen FromPdf(const QString& path) {
  constexpr double Dpi = 144;
  QTemporaryDir dir;
  const QString stem = dir.filePath(QStringLiteral("page"));
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-f"), QStringLiteral("1"),
                     QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-aa"), QStringLiteral("no"),
                     QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-singlefile"),
                     QStringLiteral("-png"), path, stem});
  const QImage page = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  if (page.isNull()) {
    ADD_FAILURE() << "no page rendered from " << path.toStdString();
    return {};
  }
  const double frame = 1.5 * Dpi / 72;
  const auto black = [&](int x, int y) { return (page.pixel(x, y) & 0xFFFFFFu) == 0; };
  for (int y = 0; y + 2 < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      int run = 0;
      while (x + run < page.width() && black(x + run, y) && black(x + run, y + 1) && black(x + run, y + 2)) ++run;
      if (run >= 150) return FromGrid(page, QPointF(x + frame / 2, y + frame / 2), (run - frame) / Side, Dpi / 144);
      x += run;
    }
  ADD_FAILURE() << "no grid on the first page of " << path.toStdString();
  return {};
}

struct CommandCase {
  const char* name;
  QStringList arguments;  // after the command's name and its input
  const char* output;     // the file it writes, in the test's folder
  std::function<Seen(const QString& path)> look;
  Seen expected;
  const char* note;  // what standard error says is left out; "" for nothing
};

TEST(StyledCommands, EveryOutputShowsTheCirclesAndShadesItsFormatHolds) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // The same crossword with its shades alone, for .xd, which holds shades
  // only where there are no circles.
  QFile styled(StyledIpuz());
  ASSERT_TRUE(styled.open(QIODevice::ReadOnly));
  QByteArray shadedOnly = styled.readAll();
  shadedOnly.replace(R"("shapebg":"circle",)", "").replace(R"({"shapebg":"circle"})", "{}");
  const QString shaded = dir.filePath(QStringLiteral("shaded.ipuz"));
  QFile shadedFile(shaded);
  ASSERT_TRUE(shadedFile.open(QIODevice::WriteOnly));
  shadedFile.write(shadedOnly);
  shadedFile.close();

  const auto file = [](const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  const auto ipuz = [&](const QString& path) { return FromIpuz(file(path)); };
  const auto image = [](const QString& path) { return FromPicture(QImage(path)); };
  const CommandCase cases[] = {
      {"ipuz", {}, "out.ipuz", ipuz, Everything, ""},
      {"jpz", {}, "out.jpz", ReadBack, Everything, ""},
      {"puz", {}, "out.puz", ReadBack, CirclesOnly, "no place for shaded squares"},
      {"xd", {}, "out.xd", ReadBack, CirclesOnly, "no place for shaded squares beside circled ones"},
      {"html", {}, "out.html", FromPage, Everything, ""},
      {"html", {QStringLiteral("--no-solution")}, "blind.html", FromPage, Everything, ""},
      {"picture", {}, "out.png", image, Everything, ""},
      {"picture", {}, "out.bmp", image, Everything, ""},
      {"picture", {}, "out.svg", FromSvg, Everything, ""},
      {"pdf", {QStringLiteral("--paper"), QStringLiteral("a4")}, "out.pdf", FromPdf, Everything, ""},
      {"pdf", {QStringLiteral("--solution-only")}, "solution.pdf", FromPdf, Everything, ""},
      {"pdf", {QStringLiteral("--submission"), QStringLiteral("--paper"), QStringLiteral("letter")}, "copy.pdf",
       FromPdf, Everything, ""},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " -> " + c.output);
    const QString out = dir.filePath(QString::fromLatin1(c.output));
    const ToolRun run = Kventool(QStringList{QString::fromLatin1(c.name), StyledIpuz()} + c.arguments +
                             QStringList{QStringLiteral("-o"), out});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(c.look(out), c.expected);
    const std::string err = run.err.toStdString();
    if (*c.note == '\0') {
      EXPECT_EQ(err.find("no place"), std::string::npos) << err;
    } else {
      EXPECT_NE(err.find(c.note), std::string::npos) << err;
    }
  }
  // Without circles, .xd keeps the shades, in one grey.
  const QString xd = dir.filePath(QStringLiteral("shaded.xd"));
  ASSERT_EQ(Kventool({QStringLiteral("xd"), shaded, QStringLiteral("-o"), xd}).status, 0);
  EXPECT_EQ(ReadBack(xd), ShadesInGrey);
  // The KVEN text holds no styles: a picture of it shows none.
  const QString text = dir.filePath(QStringLiteral("styled.txt"));
  ASSERT_EQ(Kventool({QStringLiteral("encode"), StyledIpuz(), QStringLiteral("-o"), text}).status, 0);
  const QString plainPicture = dir.filePath(QStringLiteral("plain.png"));
  ASSERT_EQ(Kventool({QStringLiteral("picture"), text, QStringLiteral("-o"), plainPicture}).status, 0);
  EXPECT_EQ(FromPicture(QImage(plainPicture)), Seen{});
  const QString plainPdf = dir.filePath(QStringLiteral("plain.pdf"));
  ASSERT_EQ(Kventool({QStringLiteral("pdf"), text, QStringLiteral("-o"), plainPdf}).status, 0);
  EXPECT_EQ(FromPdf(plainPdf), Seen{});
}

}  // namespace
