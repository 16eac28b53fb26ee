#include "app/instr_form.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "app/instr_form_texts.h"

namespace kven {
namespace {

template <std::size_t N>
QString JoinLines(const std::array<QLatin1String, N>& lines) {
  QStringList list;
  for (const auto& line : lines) list << line;
  return list.join(QLatin1Char('\n'));
}

QPlainTextEdit* MakeMemo(const QString& text, QWidget* parent) {
  auto* memo = new QPlainTextEdit(text, parent);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  return memo;
}

}  // namespace

Instrform::Instrform(QWidget* parent) : QDialog(parent) {
  setWindowTitle(instr_text::Caption);
  setObjectName(QLatin1String("Instrform"));
  QFont font(QStringList{QLatin1String("MS Sans Serif"), QLatin1String("Liberation Sans")});
  font.setPixelSize(13);
  setFont(font);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::Base, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);

  auto* menuBar = new QMenuBar(this);
  miDef_ = menuBar->addAction(instr_text::ShowLanguageDefinition);
  connect(miDef_, &QAction::triggered, this, &Instrform::miDefClick);

  memoInstr_ = MakeMemo(JoinLines(instr_text::Instructions), this);
  memoLangDef_ = MakeMemo(JoinLines(instr_text::LanguageDefinition), this);
  memoLangDef_->hide();

  auto* texts = new QVBoxLayout;
  texts->addWidget(memoInstr_);
  texts->addWidget(memoLangDef_);

  auto* credits = new QVBoxLayout;
  credits->setSpacing(0);
  for (const auto& line : instr_text::Credits) credits->addWidget(new QLabel(line, this));

  btnOK_ = new QPushButton(instr_text::Ok, this);
  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &Instrform::BtnOKClick);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(instr_text::Version, this), 0, Qt::AlignTop);
  bottom->addSpacing(24);
  bottom->addLayout(credits);
  bottom->addStretch();
  bottom->addWidget(btnOK_, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addLayout(texts, 1);
  layout->addLayout(bottom);

  setFixedSize(582, 422);
}

void Instrform::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
  btnOK_->setFocus();
}

void Instrform::FormShow() {
  showingInstructions_ = true;
  ShowChosenText();
}

void Instrform::miDefClick() {
  showingInstructions_ = !showingInstructions_;
  ShowChosenText();
}

void Instrform::ShowChosenText() {
  memoInstr_->setVisible(showingInstructions_);
  memoLangDef_->setVisible(!showingInstructions_);
  miDef_->setText(showingInstructions_ ? QString(instr_text::ShowLanguageDefinition)
                                       : QString(instr_text::ShowInstructions));
}

void Instrform::BtnOKClick() { accept(); }

}  // namespace kven
