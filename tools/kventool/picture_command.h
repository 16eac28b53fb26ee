#pragma once

#include "exit_codes.h"
#include "options.h"

namespace kven::tool {

// kventool picture: reads every input as File > Open does and writes the
// picture that Copy as "Grid" makes of it: as BMP, or as PNG or SVG when the
// output's name ends in .png or .svg (or --format says so for a folder).
// --bar-width stands in for the thickness of bars on screen. A text not read
// whole still gets the picture of what was read, and exit code 1; a refused
// ipuz document gets none. Needs a
// QGuiApplication to exist.
ExitCode RunPictureCommand(const Options& options);

}  // namespace kven::tool
