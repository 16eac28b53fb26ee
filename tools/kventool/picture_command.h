#pragma once

#include <QStringList>

// kventool picture [FILE] -o OUT [--bar-width N]: reads KVEN text as the
// Open command does (FILE, or standard input when FILE is - or absent) and
// writes the bitmap picture that Copy as "Grid" makes, as BMP, or PNG when
// OUT ends in .png. N (1..6, default 2) stands in for the on-screen bar
// thickness. arguments are those after the word "picture".
//
// Returns 0 when written; 1 when the text was refused (invalid data or a
// range error: the picture of what was read is still written); 2 for a
// usage error or a file that cannot be read or written. Messages go to
// stderr. Needs a QGuiApplication to exist (kventool's main makes one on the
// offscreen platform).
int RunPictureCommand(const QStringList& arguments);
