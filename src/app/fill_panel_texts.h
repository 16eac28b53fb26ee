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
inline constexpr QLatin1String WordAndScore{"%1  %2"};
inline constexpr QLatin1String ReadingList{"Reading the word list..."};
inline constexpr QLatin1String Find{"Find:"};
inline constexpr QLatin1String FindHint{"C?T, PRE*ION, or letters to anagram"};
inline constexpr QLatin1String Anagram{"&Anagram"};
inline constexpr QLatin1String Found{"%1 words match"};
inline constexpr QLatin1String BadPattern{"A pattern holds letters, ? or . (one letter) and * (any letters)"};
inline constexpr QLatin1String BadAnagram{"An anagram is made of letters, and ? for any one"};
inline constexpr QLatin1String Entries{"Entries to fill with Fill Selection (none chosen: the current entry)"};
inline constexpr QLatin1String FillGrid{"Fill &Grid"};
inline constexpr QLatin1String FillSelection{"Fill &Selection"};
inline constexpr QLatin1String Stop{"S&top"};
inline constexpr QLatin1String TimeLimit{"Time limit:"};
inline constexpr QLatin1String Seconds{" s"};
inline constexpr QLatin1String MinScore{"Minimum score:"};
inline constexpr QLatin1String WordList{"&Word list..."};
inline constexpr QLatin1String AddList{"A&dd list..."};
inline constexpr QLatin1String DefaultList{"Defa&ult list"};
inline constexpr QLatin1String AvoidList{"A&void list..."};
inline constexpr QLatin1String NoAvoidList{"No avoid list"};
inline constexpr QLatin1String DefaultListName{"the default list"};
inline constexpr QLatin1String ListsInUse{"Word list: %1"};
inline constexpr QLatin1String Avoiding{"; avoiding %1"};
inline constexpr QLatin1String ListFilter{"Word lists (*.txt *.dict *.lst);;All files (*)"};
inline constexpr QLatin1String Progress{"%1 squares filled, %2 restarts, %3 s"};
inline constexpr QLatin1String Filled{"Filled in %1 s"};
inline constexpr QLatin1String Quality{"\nLowest score %1, mean %2; %3 entries below %4 shaded"};
inline constexpr QLatin1String NoFillExists{"No fill exists"};
inline constexpr QLatin1String NoFillFound{"No fill found in %1 s"};
inline constexpr QLatin1String NoWordFits{"; no word fits %1"};
inline constexpr QLatin1String Stopped{"Stopped: the grid is as it was"};
inline constexpr QLatin1String GridChanged{"The grid changed while filling: the fill was discarded"};
inline constexpr QLatin1String FillError{"The fill ended in an error: %1"};
inline constexpr QLatin1String UnknownError{"unknown error"};

// The undo steps.
inline constexpr const char* ChangeFillEntry = "Fill Entry";
inline constexpr const char* ChangeFill = "Fill";

// Where the panel's settings are remembered.
inline constexpr QLatin1String TimeLimitKey{"fill/timeLimit"};
inline constexpr QLatin1String MinScoreKey{"fill/minScore"};

}  // namespace kven::fill_text
