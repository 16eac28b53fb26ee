#include "app/form_layout.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/fill_panel_texts.h"
#include "app/kven_form_texts.h"
#include "app/spin_button.h"
#include "render/kven_grid.h"

namespace kven {

QFont WindowFont() {
  // fontconfig knows no "MS Sans Serif"; asking for it first would cost a
  // fruitless match at every start.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  return font;
}

namespace {

template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

}  // namespace

std::optional<FileFormat> DocumentFormatOf(CopySaveAs choice) {
  switch (choice) {
    case CopySaveAs::KvenText: return FileFormat::KvenText;
    case CopySaveAs::Ipuz: return FileFormat::Ipuz;
    case CopySaveAs::Puz: return FileFormat::Puz;
    case CopySaveAs::Jpz: return FileFormat::Jpz;
    case CopySaveAs::Xd: return FileFormat::Xd;
    case CopySaveAs::Grid:
    case CopySaveAs::ClueList: break;
  }
  return std::nullopt;
}

FormControls BuildFormControls(QMainWindow& window, const Puzzle& puzzle, const EditorState& editor) {
  FormControls c;
  c.scroll = Named(new QScrollArea(&window), "ScrollBox");
  c.scroll->setFrameShape(QFrame::NoFrame);
  c.scroll->setWidgetResizable(true);
  auto* content = new QWidget;
  content->setAutoFillBackground(true);

  auto* sizes = new QGridLayout;
  sizes->setHorizontalSpacing(4);
  sizes->setVerticalSpacing(4);
  c.editH = Named(new QLineEdit(QStringLiteral("12"), content), "EditH");
  c.editV = Named(new QLineEdit(QStringLiteral("12"), content), "EditV");
  c.spinH = Named(new SpinButton(content), "SpinH");
  c.spinV = Named(new SpinButton(content), "SpinV");
  int row = 0;
  for (auto [label, edit, spin] : {std::tuple{form_text::HorizontalSquares, c.editH, c.spinH},
                                   std::tuple{form_text::VerticalSquares, c.editV, c.spinV}}) {
    // A size typed in counts once Enter is pressed or the field is left.
    edit->setValidator(new QIntValidator(0, 99, edit));
    edit->setFixedWidth(32);
    edit->setFocusPolicy(Qt::ClickFocus);
    sizes->addWidget(new QLabel(label, content), row, 0);
    sizes->addWidget(edit, row, 1);
    sizes->addWidget(spin, row, 2);
    ++row;
  }

  auto* titleGrid = new QGridLayout;
  titleGrid->setHorizontalSpacing(4);
  titleGrid->setVerticalSpacing(5);
  c.edTitle = Named(new QLineEdit(content), "edTitle");
  c.edTitle->setMaxLength(static_cast<int>(MaxShortString));
  c.lblNum = Named(new QLabel(form_text::NumberEntry, content), "LblNUm");
  c.edNum = Named(new QLineEdit(form_text::FirstManualNumber, content), "EdNum");
  // The number row lies below the title row and keeps its room while
  // hidden; a twin of it above the title, never shown, balances it, so the
  // title stays in the middle of the top row, where it is without them, and
  // showing the number field moves nothing.
  const auto numberRow = [&](QLabel* label, QLineEdit* field) {
    field->setFixedWidth(48);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(label);
    row->addWidget(field);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(field)}) {
      QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
      policy.setRetainSizeWhenHidden(true);
      w->setSizePolicy(policy);
      w->hide();
    }
    return row;
  };
  titleGrid->addLayout(numberRow(new QLabel(form_text::NumberEntry, content), new QLineEdit(content)), 0, 0, 1, 3,
                       Qt::AlignLeft);
  titleGrid->addWidget(new QLabel(form_text::TitleLabel, content), 1, 0);
  titleGrid->addWidget(c.edTitle, 1, 1, 1, 2);
  titleGrid->addLayout(numberRow(c.lblNum, c.edNum), 2, 0, 1, 3, Qt::AlignLeft);
  titleGrid->setColumnStretch(2, 1);

  auto* group = Named(new QGroupBox(form_text::CopySaveAs, content), "RadGrpCS");
  // The program's own choices in the first column, other programs' formats
  // beside them, so the group grows no taller than the four first ones.
  auto* groupLayout = new QGridLayout(group);
  groupLayout->setContentsMargins(6, 2, 6, 2);
  groupLayout->setHorizontalSpacing(12);
  groupLayout->setVerticalSpacing(0);
  c.copySaveAs = new QButtonGroup(&window);
  constexpr int ChoicesInColumn = 4;
  int index = 0;
  for (const auto& [caption, choice] : {std::pair{form_text::KvenText, CopySaveAs::KvenText},
                                        std::pair{form_text::Grid, CopySaveAs::Grid},
                                        std::pair{form_text::ClueList, CopySaveAs::ClueList},
                                        std::pair{form_text::IpuzChoice, CopySaveAs::Ipuz},
                                        std::pair{form_text::PuzChoice, CopySaveAs::Puz},
                                        std::pair{form_text::JpzChoice, CopySaveAs::Jpz},
                                        std::pair{form_text::XdChoice, CopySaveAs::Xd}}) {
    auto* radio = new QRadioButton(caption, group);
    radio->setFocusPolicy(Qt::NoFocus);
    c.copySaveAs->addButton(radio, static_cast<int>(choice));
    groupLayout->addWidget(radio, index % ChoicesInColumn, index / ChoicesInColumn);
    ++index;
  }
  c.copySaveAs->button(static_cast<int>(CopySaveAs::KvenText))->setChecked(true);

  auto* top = new QHBoxLayout;
  top->setSpacing(12);
  top->addLayout(sizes);
  top->addLayout(titleGrid, 1);
  top->addWidget(group);

  c.grid = Named(new KvenGrid(puzzle, editor, content), "KvenGrid");

  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addWidget(c.grid, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addStretch(1);

  c.scroll->setWidget(content);
  window.setCentralWidget(c.scroll);
  return c;
}

FormMenus BuildFormMenus(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  const auto menu = [&](QLatin1String caption, const char* name) {
    return Named(bar->addMenu(caption), name);
  };
  const auto item = [](QMenu* parent, QLatin1String caption, const char* name, QLatin1String shortcut = {}) {
    QAction* action = Named(parent->addAction(caption), name);
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
    return action;
  };
  const auto exclusive = [&](std::initializer_list<QAction*> items) {
    auto* group = new QActionGroup(&window);
    for (QAction* action : items) {
      action->setCheckable(true);
      group->addAction(action);
    }
  };

  FormMenus m{};
  QMenu* mnFile = menu(form_text::MenuFile, "mnFile");
  m.miNew = item(mnFile, form_text::MenuNew, "miNew", form_text::ShortcutNew);
  m.miOpen = item(mnFile, form_text::MenuOpen, "miOpen", form_text::ShortcutOpen);
  m.miSave = item(mnFile, form_text::MenuSave, "miSave", form_text::ShortcutSave);
  m.miExportIpuz = item(mnFile, form_text::MenuExportIpuz, "miExportIpuz");
  m.miExportPuz = item(mnFile, form_text::MenuExportPuz, "miExportPuz");
  m.miExportJpz = item(mnFile, form_text::MenuExportJpz, "miExportJpz");
  m.miExportXd = item(mnFile, form_text::MenuExportXd, "miExportXd");
  m.miExportSvg = item(mnFile, form_text::MenuExportSvg, "miExportSvg");
  m.miExportPdf = item(mnFile, form_text::MenuExportPdf, "miExportPdf");
  m.miExportSubmission = item(mnFile, form_text::MenuExportSubmission, "miExportSubmission");
  m.miExportWebPage = item(mnFile, form_text::MenuExportWebPage, "miExportWebPage");
  m.miProperties = item(mnFile, form_text::MenuProperties, "miProperties");
  mnFile->addSeparator();
  m.miPrint = item(mnFile, form_text::MenuPrint, "miPrint", form_text::ShortcutPrint);
  mnFile->addSeparator();
  m.miExit = item(mnFile, form_text::MenuExit, "miExit", form_text::ShortcutExit);

  QMenu* mnEdit = menu(form_text::MenuEdit, "mnEdit");
  m.miUndo = item(mnEdit, form_text::MenuUndo, "miUndo", form_text::ShortcutUndo);
  m.miRedo = item(mnEdit, form_text::MenuRedo, "miRedo", form_text::ShortcutRedo);
  mnEdit->addSeparator();
  m.miCopy = item(mnEdit, form_text::MenuCopy, "miCopy", form_text::ShortcutCopy);
  m.miPaste = item(mnEdit, form_text::MenuPaste, "miPaste", form_text::ShortcutPaste);
  m.miClear = item(mnEdit, form_text::MenuClear, "miClear", form_text::ShortcutClear);

  QMenu* mnEntry = menu(form_text::MenuEntry, "mnEntry");
  m.miHbar = item(mnEntry, form_text::MenuHbar, "miHbar");
  m.miVbar = item(mnEntry, form_text::MenuVbar, "miVbar");
  m.miBlock = item(mnEntry, form_text::MenuBlock, "miBlock");
  QMenu* mnNumber = Named(mnEntry->addMenu(form_text::MenuNumber), "mnNumber");
  m.miNumber = Named(mnNumber->menuAction(), "miNumber");
  m.miNumber->setCheckable(true);
  m.miAuto = item(mnNumber, form_text::MenuAuto, "miAuto");
  m.miManual = item(mnNumber, form_text::MenuManual, "miManual");
  m.miLetter = item(mnEntry, form_text::MenuSolution, "miLetter");
  m.miCircle = item(mnEntry, form_text::MenuCircle, "miCircle");
  m.miShade = item(mnEntry, form_text::MenuShade, "miShade");
  exclusive({m.miHbar, m.miVbar, m.miBlock, m.miLetter, m.miCircle, m.miShade});
  mnEntry->addSeparator();
  m.miToggleCircle = item(mnEntry, form_text::MenuToggleCircle, "miToggleCircle", form_text::ShortcutToggleCircle);
  m.miToggleShade = item(mnEntry, form_text::MenuToggleShade, "miToggleShade", form_text::ShortcutToggleShade);
  mnEntry->addSeparator();
  m.miCheck = item(mnEntry, form_text::MenuCheck, "miCheck");
  m.mnEntry = mnEntry;
  m.miFill = item(mnEntry, fill_text::MenuFill, "miFill");
  // The window's first activation checks Hbar instead.
  m.miBlock->setChecked(true);

  QMenu* mnSymm = menu(form_text::MenuSymmetry, "mnSymm");
  m.miNone = item(mnSymm, form_text::MenuNone, "miNone");
  m.miTwo = item(mnSymm, form_text::MenuTwofold, "miTwo");
  m.miFour = item(mnSymm, form_text::MenuFourfold, "miFour");
  exclusive({m.miNone, m.miTwo, m.miFour});

  QMenu* mnView = menu(form_text::MenuView, "mnView");
  m.miZoomIn = item(mnView, form_text::MenuZoomIn, "miZoomIn");
  m.miZoomIn->setShortcuts({QKeySequence(form_text::ShortcutZoomIn), QKeySequence(form_text::ShortcutZoomInUnshifted)});
  m.miZoomOut = item(mnView, form_text::MenuZoomOut, "miZoomOut", form_text::ShortcutZoomOut);
  m.miActualSize = item(mnView, form_text::MenuActualSize, "miActualSize", form_text::ShortcutActualSize);

  QMenu* mnHelp = menu(form_text::MenuHelp, "mnHelp");
  m.miInstr = item(mnHelp, form_text::MenuHowToUse, "miInstr");
  m.miBeyond = item(mnHelp, form_text::MenuBeyond, "miBeyond");
  m.miAbout = item(mnHelp, form_text::MenuAbout, "miAbout");
  return m;
}

}  // namespace kven
