#pragma once

#include <string_view>

namespace kven {

// The page's assets as the build embedded them from data/web: the HTML
// template with its @NAME@ places, the style sheets one after the other,
// and the player's scripts one after the other.
extern const std::string_view WebPageTemplate;
extern const std::string_view WebPageStyle;
extern const std::string_view WebPageScript;

}  // namespace kven
