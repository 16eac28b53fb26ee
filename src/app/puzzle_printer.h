#pragma once

#include <QString>
#include <QStringList>

#include "model/puzzle.h"
#include "model/square_styles.h"
#include "render/printed_puzzle.h"
#include "render/puzzle_page.h"

class QPrinter;

namespace kven {

// The lines of the number list: an empty line, "ACROSS", the across numbers,
// "DOWN", the down numbers. Each list is read up to its first entry that is
// not greater than 0, and never past its 100th entry.
QStringList NumberListLines(const Puzzle& p);

// Where the number list goes when the picture was printed to the file
// `name`: the same name with "-numbers" before the extension.
QString NumbersFileName(const QString& name);

// Prints the puzzle picture on one page as one job and, when numberList is
// set, the number list as a second job (to NumbersFileName when printing to
// a file; the printer's file name is restored afterwards). Both jobs draw on
// one printer canvas, so the list is written in the family and style the
// picture left on it, at 10 points. The picture shows the styles given.
// Returns the error to report when a job could not be started, or an empty
// string.
QString PrintPuzzle(QPrinter& printer, const Puzzle& p, int barWidth, bool numberList,
                    const SquareStyles* styles = nullptr);

// Prints the finished puzzle's pages (as Export as PDF writes them) as one
// job on the paper the printer has. Returns the error to report when the
// job could not be started, or an empty string.
QString PrintPuzzlePages(QPrinter& printer, const PrintedPuzzle& printed, const PageOptions& options);

}  // namespace kven
