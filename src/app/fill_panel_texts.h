#pragma once

#include <QLatin1String>

// Every text of the Fill panel, defined once.
namespace kven::fill_text {

inline constexpr QLatin1String MenuFill{"&Fill..."};
inline constexpr QLatin1String Title{"Fill"};
inline constexpr QLatin1String EntryPattern{"%1: %2"};
inline constexpr QLatin1String NoEntry{"No entry under the cursor"};
inline constexpr QLatin1String WordCount{"%1 words fit"};
inline constexpr QLatin1String OneWord{"1 word fits"};
inline constexpr QLatin1String ShowingFirst{"%1 words fit (the first %2 shown)"};
inline constexpr QLatin1String ReadingList{"Reading the word list..."};
inline constexpr QLatin1String Entries{"Entries to fill with Fill Selection (none chosen: the current entry)"};
inline constexpr QLatin1String FillGrid{"Fill &Grid"};
inline constexpr QLatin1String FillSelection{"Fill &Selection"};
inline constexpr QLatin1String Stop{"S&top"};
inline constexpr QLatin1String WordList{"&Word list..."};
inline constexpr QLatin1String DefaultList{"Word list: the default list"};
inline constexpr QLatin1String ChosenList{"Word list: %1"};
inline constexpr QLatin1String ListFilter{"Word lists (*.txt *.dict *.lst);;All files (*)"};
inline constexpr QLatin1String Progress{"%1 squares filled, %2 restarts, %3 s"};
inline constexpr QLatin1String Filled{"Filled in %1 s"};
inline constexpr QLatin1String NoFillExists{"No fill exists"};
inline constexpr QLatin1String NoFillFound{"No fill found in %1 s"};
inline constexpr QLatin1String NoWordFits{"; no word fits %1"};
inline constexpr QLatin1String Stopped{"Stopped: the grid is as it was"};
inline constexpr QLatin1String GridChanged{"The grid changed while filling: the fill was discarded"};

// The undo steps.
inline constexpr const char* ChangeFillEntry = "Fill Entry";
inline constexpr const char* ChangeFill = "Fill";

}  // namespace kven::fill_text
