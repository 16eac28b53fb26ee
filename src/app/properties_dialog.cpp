#include "app/properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/clues_texts.h"

namespace kven {

PropertiesDialog::PropertiesDialog(const PuzzleFacts& facts, const QString& title, QWidget* parent)
    : QDialog(parent), given_(facts) {
  setObjectName(QLatin1String("PropertiesDialog"));
  setWindowTitle(clues_text::PropertiesTitle);
  const auto field = [this](const std::string& text, const char* name) {
    auto* edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setObjectName(QLatin1String(name));
    return edit;
  };
  title_ = field({}, "edPropertiesTitle");
  title_->setText(title);
  author_ = field(facts.author, "edAuthor");
  copyright_ = field(facts.copyright, "edCopyright");
  notes_ = new QPlainTextEdit(QString::fromStdString(facts.notes), this);
  notes_->setObjectName(QLatin1String("edNotes"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(clues_text::TitleLabel, title_);
  layout->addRow(clues_text::AuthorLabel, author_);
  layout->addRow(clues_text::CopyrightLabel, copyright_);
  layout->addRow(clues_text::NotesLabel, notes_);
  layout->addRow(buttons);
  resize(420, 300);
}

PuzzleFacts PropertiesDialog::Facts() const {
  PuzzleFacts facts = given_;
  facts.title = title_->text().toStdString();
  facts.author = author_->text().toStdString();
  facts.copyright = copyright_->text().toStdString();
  facts.notes = notes_->toPlainText().toStdString();
  return facts;
}

}  // namespace kven
