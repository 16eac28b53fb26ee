#pragma once

namespace kven {

// The scales View > Zoom In and Zoom Out step through; Actual Size is 1.
inline constexpr double ZoomSteps[] = {0.75, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0};
inline constexpr double ActualSize = 1.0;

// The next step above (or below) `zoom`; the largest (smallest) stays.
double ZoomedIn(double zoom);
double ZoomedOut(double zoom);

}  // namespace kven
