#pragma once

#include <QLatin1String>
#include <string_view>

// The texts of the printed pages, each written once.
namespace kven::page_text {

inline constexpr QLatin1String Solution{"Solution"};
// "%1" stands for a list's heading: "Down (continued)".
inline constexpr QLatin1String Continued{"%1 (continued)"};
// At the top of every page of the submission copy.
inline constexpr QLatin1String PageOf{"page %1 of %2"};
// In Latin-1: the multiplication sign of "15 x 15" and the middle dot that
// parts the facts.
inline constexpr QLatin1String GridSize{"%1 \xD7 %2"};
inline constexpr QLatin1String ClueCount{"%1 clues"};
inline constexpr QLatin1String FactSeparator{"  \xB7  "};
// The submission copy asked of a puzzle without its whole solution; "%s"
// stands for the number of open squares without a letter.
inline constexpr std::string_view SubmissionNeedsSolution =
    "The submission copy needs the whole solution; squares without a letter: %s";

}  // namespace kven::page_text
