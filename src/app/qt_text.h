#pragma once

#include <QDir>
#include <QString>
#include <string>
#include <string_view>

#include "model/messages.h"

namespace kven {

// The program's texts are single bytes read as Latin-1 wherever they meet
// Qt's strings; a character outside Latin-1 becomes "?".
inline QString FromLatin1(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

// A message of the program naming a file, the name written as the platform writes it.
inline QString FileMessage(std::string_view message, const QString& fileName) {
  return QString::fromStdString(message::Format(message, QDir::toNativeSeparators(fileName).toStdString()));
}

}  // namespace kven
