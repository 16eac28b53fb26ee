#include "app/transfer.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include "app/dialogs.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "formats/file_format.h"
#include "io/files.h"
#include "render/puzzle_picture.h"

namespace kven {

namespace {

// Every crossword the program reads, each format, then any file.
QString OpenFilter() {
  QStringList filters{form_text::FilterOpenAll, form_text::FilterOpenKven};
  for (const FormatInfo& info : AllFormats())
    if (info.format != FileFormat::KvenText) filters << FromLatin1(info.filter);
  filters << form_text::FilterAnyFile;
  return filters.join(QLatin1String(";;"));
}

}  // namespace

std::optional<std::string> Transfer::OpenTextFile() {
  const QString proposal =
      lastOpenName_.isEmpty() ? InLastFolder(FromLatin1(InfoOf(FileFormat::KvenText).proposed)) : lastOpenName_;
  const QString name = dialogs_.getOpenFileName(&window_, proposal, OpenFilter());
  if (name.isEmpty()) return std::nullopt;
  lastOpenName_ = name;
  RememberFolder(name);
  io::ReadResult read = io::ReadFile(QFile::encodeName(name).toStdString(), io::Accept::RegularFiles);
  switch (read.status) {
    case io::ReadStatus::Read:
      return std::move(read.bytes);
    case io::ReadStatus::TooLarge:
      dialogs_.showError(&window_, FileMessage(message::TooLargeFile(), name));
      return std::nullopt;
    case io::ReadStatus::CannotOpen:
      break;
  }
  dialogs_.showError(&window_, FileMessage(message::CannotOpenFile, name));
  return std::nullopt;
}

QString Transfer::AskSaveName(const QString& name, const QStringList& filters, int filterIndex) {
  const QString chosen = dialogs_.getSaveFileName(&window_, InLastFolder(name), filters, filterIndex);
  if (!chosen.isEmpty()) RememberFolder(chosen);
  return chosen;
}

bool Transfer::WriteText(const QString& name, const TextLineList& lines) {
  return WriteBytes(name, JoinLinesCrLf(lines));
}

bool Transfer::WritePicture(const QString& name, const QImage& picture) {
  const std::string bytes = EncodePicture(picture, "BMP");
  if (bytes.empty()) {
    ReportCannotCreate(name);
    return false;
  }
  return WriteBytes(name, bytes);
}

bool Transfer::WriteBytes(const QString& name, std::string_view bytes) {
  if (io::SaveFile(QFile::encodeName(name).toStdString(), bytes).ok) return true;
  ReportCannotCreate(name);
  return false;
}

void Transfer::ReportCannotCreate(const QString& name) {
  dialogs_.showError(&window_, FileMessage(message::CannotCreateFile, name));
}

void Transfer::CopyText(const TextLineList& lines) {
  QGuiApplication::clipboard()->setText(FromLatin1(JoinLinesCrLf(lines)));
}

void Transfer::CopyDocument(std::string_view utf8) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void Transfer::CopyPicture(const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); }

std::optional<QString> Transfer::PastedText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  const QString text = data->text();
  if (static_cast<std::size_t>(text.size()) > io::MaxInputBytes) {
    dialogs_.showError(&window_, FromLatin1(message::TooLargeClipboard()));
    return std::nullopt;
  }
  return text;
}

void Transfer::CopyBinary(const QString& mimeType, std::string_view bytes) {
  auto* data = new QMimeData;
  data->setData(mimeType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::string> Transfer::PastedBinary(const QString& mimeType) const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(mimeType)) return std::nullopt;
  const QByteArray bytes = data->data(mimeType);
  if (static_cast<std::size_t>(bytes.size()) > io::MaxInputBytes) {
    dialogs_.showError(&window_, FromLatin1(message::TooLargeClipboard()));
    return std::nullopt;
  }
  return bytes.toStdString();
}

QString Transfer::InLastFolder(const QString& name) const {
  const QString folder = lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  return QDir(folder).filePath(name);
}

void Transfer::RememberFolder(const QString& fileName) { lastFolder_ = QFileInfo(fileName).absolutePath(); }

}  // namespace kven
