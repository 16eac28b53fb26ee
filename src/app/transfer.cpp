#include "app/transfer.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>

#include "app/dialogs.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "render/puzzle_picture.h"

namespace kven {

std::optional<std::string> Transfer::OpenTextFile() {
  const QString proposal = lastOpenName_.isEmpty() ? InLastFolder(form_text::ProposedText) : lastOpenName_;
  const QString name = dialogs_.getOpenFileName(&window_, proposal, form_text::FilterAnyAscii);
  if (name.isEmpty()) return std::nullopt;
  lastOpenName_ = name;
  RememberFolder(name);
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    dialogs_.showError(&window_, FileMessage(message::CannotOpenFile, name));
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  return bytes.toStdString();
}

QString Transfer::AskSaveName(QLatin1String name, int filterIndex) {
  const QStringList filters{form_text::FilterText, form_text::FilterBitmap};
  const QString chosen = dialogs_.getSaveFileName(&window_, InLastFolder(name), filters, filterIndex);
  if (!chosen.isEmpty()) RememberFolder(chosen);
  return chosen;
}

bool Transfer::WriteText(const QString& name, const TextLineList& lines) {
  const std::string text = JoinLinesCrLf(lines);
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) !=
                                              static_cast<qint64>(text.size()) ||
      !file.commit()) {
    ReportCannotCreate(name);
    return false;
  }
  return true;
}

bool Transfer::WritePicture(const QString& name, const QImage& picture) {
  if (SavePicture(picture, name, "BMP")) return true;
  ReportCannotCreate(name);
  return false;
}

void Transfer::ReportCannotCreate(const QString& name) {
  dialogs_.showError(&window_, FileMessage(message::CannotCreateFile, name));
}

void Transfer::CopyText(const TextLineList& lines) {
  QGuiApplication::clipboard()->setText(FromLatin1(JoinLinesCrLf(lines)));
}

void Transfer::CopyPicture(const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); }

std::optional<std::string> Transfer::PastedText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return ToLatin1(data->text());
}

QString Transfer::InLastFolder(QLatin1String name) const {
  const QString folder = lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  return QDir(folder).filePath(name);
}

void Transfer::RememberFolder(const QString& fileName) { lastFolder_ = QFileInfo(fileName).absolutePath(); }

}  // namespace kven
