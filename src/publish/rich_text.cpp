#include "publish/rich_text.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "clues/plain_text.h"

namespace kven {

namespace {

struct Tag {
  std::string name;  // lower case, without attributes
  bool closing = false;
  std::size_t size = 0;  // from "<" to ">" inclusive
};

// The tag at the start of `rest`, read as PlainText reads one.
std::optional<Tag> TagAt(std::string_view rest) {
  const std::size_t size = TagLength(rest);
  if (size == 0) return std::nullopt;
  Tag tag;
  tag.size = size;
  std::size_t i = 1;
  if (rest[i] == '/') {
    tag.closing = true;
    ++i;
  }
  for (; i + 1 < size && std::isalnum(static_cast<unsigned char>(rest[i])); ++i)
    tag.name += static_cast<char>(std::tolower(static_cast<unsigned char>(rest[i])));
  return tag;
}

// The name a kept tag has on the page; empty for a tag that is left out.
std::string_view PageTag(std::string_view name) {
  if (name == "i" || name == "em") return "i";
  if (name == "b" || name == "strong") return "b";
  if (name == "sub" || name == "sup" || name == "br") return name;
  return {};
}

struct Open {
  std::string_view tag;
  nlohmann::ordered_json nodes = nlohmann::ordered_json::array();
};

class TreeBuilder {
 public:
  TreeBuilder() { open_.push_back({}); }

  void Text(std::string_view markup) {
    if (markup.empty()) return;
    std::string plain = PlainTextRun(markup);
    if (!plain.empty()) open_.back().nodes.push_back(std::move(plain));
  }
  void Element(const Tag& tag) {
    const std::string_view name = PageTag(tag.name);
    if (name.empty()) return;
    if (name == "br") {
      if (!tag.closing) open_.back().nodes.push_back(nlohmann::ordered_json::array({"br"}));
      return;
    }
    if (!tag.closing) {
      open_.push_back({name});
      return;
    }
    // A closing tag closes everything opened inside its element; one that
    // closes nothing open is left out.
    for (std::size_t depth = open_.size(); depth-- > 1;)
      if (open_[depth].tag == name) {
        while (open_.size() > depth) CloseOne();
        return;
      }
  }
  nlohmann::ordered_json Finish() {
    while (open_.size() > 1) CloseOne();
    return std::move(open_.back().nodes);
  }

 private:
  void CloseOne() {
    Open done = std::move(open_.back());
    open_.pop_back();
    nlohmann::ordered_json element = nlohmann::ordered_json::array({std::string(done.tag)});
    for (auto& node : done.nodes) element.push_back(std::move(node));
    open_.back().nodes.push_back(std::move(element));
  }

  std::vector<Open> open_;
};

}  // namespace

nlohmann::ordered_json RichTextJson(std::string_view markup) {
  TreeBuilder tree;
  std::size_t textStart = 0;
  for (std::size_t i = 0; i < markup.size(); ++i) {
    if (markup[i] != '<') continue;
    const std::optional<Tag> tag = TagAt(markup.substr(i));
    if (!tag) continue;
    tree.Text(markup.substr(textStart, i - textStart));
    tree.Element(*tag);
    i += tag->size - 1;
    textStart = i + 1;
  }
  tree.Text(markup.substr(textStart));
  return tree.Finish();
}

}  // namespace kven
