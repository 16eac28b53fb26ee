#include "app/zoom.h"

#include <algorithm>
#include <iterator>

namespace kven {

double ZoomedIn(double zoom) {
  const auto* next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom);
  return next == std::end(ZoomSteps) ? ZoomSteps[std::size(ZoomSteps) - 1] : *next;
}

double ZoomedOut(double zoom) {
  const auto* below = std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom);
  return below == std::begin(ZoomSteps) ? ZoomSteps[0] : *(below - 1);
}

}  // namespace kven
