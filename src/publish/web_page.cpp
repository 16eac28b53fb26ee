#include "publish/web_page.h"

#include <map>

#include "clues/plain_text.h"
#include "formats/json_layout.h"
#include "kven_version.h"
#include "publish/digest.h"
#include "publish/web_assets.h"

namespace kven {

namespace {

std::string EscapedHtml(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// JSON that can stand inside a <script> element: no "<", ">" or "&" that a
// clue brings can close the element or open a comment, as each is written
// as its \u escape, which only strings hold.
std::string ScriptSafeJson(const nlohmann::ordered_json& data) {
  const std::string json = CompactJson(data);
  std::string out;
  out.reserve(json.size());
  for (const char c : json) {
    switch (c) {
      case '<': out += "\\u003c"; break;
      case '>': out += "\\u003e"; break;
      case '&': out += "\\u0026"; break;
      default: out += c;
    }
  }
  return out;
}

// The template with each @NAME@ replaced; what is put in is never read
// again for places.
std::string Filled(std::string_view page, const std::map<std::string, std::string, std::less<>>& values) {
  std::string out;
  std::size_t i = 0;
  while (i < page.size()) {
    const auto at = page.find('@', i);
    if (at == std::string_view::npos) break;
    const auto end = page.find('@', at + 1);
    if (end == std::string_view::npos) break;
    const auto value = values.find(page.substr(at + 1, end - at - 1));
    if (value == values.end()) {
      out.append(page.substr(i, end - i));
      i = end;
      continue;
    }
    out.append(page.substr(i, at - i));
    out += value->second;
    i = end + 1;
  }
  out.append(page.substr(i));
  return out;
}

}  // namespace

std::string PuzzlePage(const Puzzle& p, const PuzzleClues& clues, const SquareStyles& styles,
                       const WebPageOptions& options) {
  const std::string script(WebPageScript);
  const std::string style(WebPageStyle);
  const std::string title = PlainText(UnicodeTitle(clues, p));
  const std::string policy = "default-src 'none'; script-src 'sha256-" + Sha256Base64(script) +
                             "'; style-src 'sha256-" + Sha256Base64(style) +
                             "'; base-uri 'none'; form-action 'none'";
  return Filled(WebPageTemplate, {{"POLICY", policy},
                                  {"VERSION", Version},
                                  {"TITLE", EscapedHtml(title.empty() ? "Crossword" : title)},
                                  {"STYLE", style},
                                  {"DATA", ScriptSafeJson(PageData(p, clues, styles, options))},
                                  {"SCRIPT", script}});
}

}  // namespace kven
