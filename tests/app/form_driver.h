#pragma once

#include <QAction>
#include <QWidget>

#include "app/kven_form.h"
#include "render/kven_grid.h"

namespace kven::test {

// Finds a control or menu item of the window by its object name; aborts the
// test program when there is none, as every name here is the program's own.
template <typename T>
T& Find(const QWidget& window, const char* name) {
  T* found = window.findChild<T*>(QLatin1String(name));
  if (found == nullptr) qFatal("no %s named %s", T::staticMetaObject.className(), name);
  return *found;
}

// Chooses a menu item, as a click on it would.
inline void Trigger(const QWidget& window, const char* name) { Find<QAction>(window, name).trigger(); }

inline KvenGrid& Grid(const QWidget& window) { return Find<KvenGrid>(window, "KvenGrid"); }

}  // namespace kven::test
