#pragma once

#include <QLatin1String>

// Every text the Clues panel and the Puzzle Properties dialog show.
namespace kven::clues_text {

inline constexpr QLatin1String PanelTitle{"Clues"};
inline constexpr QLatin1String NumberHeading{"No."};
inline constexpr QLatin1String EnumerationHeading{"Enumeration"};
inline constexpr QLatin1String TextHeading{"Clue"};
inline constexpr QLatin1String AcrossHeading{"Across"};
inline constexpr QLatin1String DownHeading{"Down"};
inline constexpr QLatin1String WithoutEntryHeading{"Without an entry"};
inline constexpr QLatin1String TextLabel{"Clue:"};
inline constexpr QLatin1String EnumerationLabel{"Enumeration:"};
inline constexpr QLatin1String DeleteButton{"Delete"};

inline constexpr QLatin1String PropertiesTitle{"Puzzle Properties"};
inline constexpr QLatin1String TitleLabel{"Title:"};
inline constexpr QLatin1String AuthorLabel{"Author:"};
inline constexpr QLatin1String CopyrightLabel{"Copyright:"};
inline constexpr QLatin1String NotesLabel{"Notes:"};

}  // namespace kven::clues_text
