#include "app/held_keys.h"

#include <QGuiApplication>

#if defined(KVEN_HAVE_XKB) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace kven {

bool AskForOneReleasePerHold() {
#if defined(KVEN_HAVE_XKB) && QT_CONFIG(xcb)
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return false;
  // The setting belongs to the program's connection and lasts as long as it.
  Bool supported = False;
  return XkbSetDetectableAutoRepeat(x11->display(), True, &supported) && supported;
#else
  return false;
#endif
}

}  // namespace kven
