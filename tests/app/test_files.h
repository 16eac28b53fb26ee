#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kven::test {

// The bytes of a file; none when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef KVEN_EXAMPLES
inline QString ExamplePath(const QString& name) { return QStringLiteral(KVEN_EXAMPLES) + QLatin1Char('/') + name; }

// The five-by-five clued example: blocks, a whole solution, clues with
// markup, author and copyright.
inline QString CluedDocument() { return QString::fromUtf8(FileBytes(ExamplePath(QStringLiteral("clued.ipuz")))); }
#endif

}  // namespace kven::test
