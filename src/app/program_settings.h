#pragma once

#include <QLatin1String>
#include <QSettings>

namespace kven {

// Where the window and its panels remember their choices between runs.
inline QSettings ProgramSettings() { return QSettings(QLatin1String("KVEN3"), QLatin1String("kven3")); }

}  // namespace kven
