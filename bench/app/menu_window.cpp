// A second yardstick for the start-up benchmark: the least window with a
// menu bar and a line of text. Any such Qt program pays for the font
// database, a font and the menu bar's style icons before its window shows,
// which a bare window never does.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.setCentralWidget(new QLineEdit(QStringLiteral("12")));
  window.resize(580, 476);
  window.show();
  return QApplication::exec();
}
