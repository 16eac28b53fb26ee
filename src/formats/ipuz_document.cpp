#include "formats/ipuz_document.h"

#include <algorithm>
#include <string>

#include "model/messages.h"
#include "text/blanks.h"

namespace kven {

namespace {

using Json = nlohmann::json;

std::string_view TrimFront(std::string_view s) {
  s = WithoutByteOrderMark(s);
  const auto start = s.find_first_not_of(Blanks);
  return s.substr(start == std::string_view::npos ? s.size() : start);
}

std::string_view TrimBack(std::string_view s) {
  const auto end = s.find_last_not_of(Blanks);
  return s.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

enum class Wrapper { None, Closed, Open };

// Takes the JSON out of ipuz( ... ) followed by an optional ";".
Wrapper Unwrap(std::string_view& s) {
  if (!s.starts_with("ipuz")) return Wrapper::None;
  std::string_view rest = TrimFront(s.substr(4));
  if (!rest.starts_with('(')) return Wrapper::None;
  rest = TrimBack(rest.substr(1));
  if (rest.ends_with(';')) rest = TrimBack(rest.substr(0, rest.size() - 1));
  if (!rest.ends_with(')')) return Wrapper::Open;
  s = rest.substr(0, rest.size() - 1);
  return Wrapper::Closed;
}

bool MentionsIpuz(const Json& value) {
  const auto mentions = [](const Json& v) {
    return v.is_string() && v.get_ref<const std::string&>().find("ipuz.org") != std::string::npos;
  };
  if (value.is_array()) return std::any_of(value.begin(), value.end(), mentions);
  return mentions(value);
}

bool NamesIpuz(const Json& root) {
  for (const char* key : {"version", "kind"}) {
    const auto it = root.find(key);
    if (it != root.end() && MentionsIpuz(*it)) return true;
  }
  return false;
}

// "line L, column C" of a 0-based offset into text.
std::string Where(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  const std::string_view before = text.substr(0, offset);
  const auto line = std::count(before.begin(), before.end(), '\n') + 1;
  const auto lineStart = before.find_last_of('\n');
  const auto column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

int JsonNesting(std::string_view text, int limit) {
  int depth = 0;
  int deepest = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size() && deepest <= limit; ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return deepest;
}

std::string IpuzRefusal(std::string_view reason) {
  return "Cannot import this ipuz puzzle: " + std::string(reason) + ".";
}

IpuzDocument FindIpuzDocument(std::string_view text) {
  IpuzDocument found;
  std::string_view json = TrimFront(text);
  const Wrapper wrapper = Unwrap(json);
  if (wrapper == Wrapper::None && !json.starts_with('{')) return found;
  const bool claimsIpuz = wrapper != Wrapper::None || text.find("ipuz.org") != std::string_view::npos;
  const auto broken = [&](bool claimed, std::string_view reason) {
    if (claimed) {
      found.kind = IpuzDocument::Kind::Broken;
      found.refusal = IpuzRefusal(reason);
    }
    return found;
  };

  if (wrapper == Wrapper::Open) return broken(true, "its ipuz( wrapper has no closing bracket");
  if (json.size() > MaxIpuzBytes) return broken(claimsIpuz, "it is larger than " + message::Mebibytes(MaxIpuzBytes));
  if (JsonNesting(json, MaxIpuzNesting) > MaxIpuzNesting)
    return broken(claimsIpuz, "it is nested more than " + std::to_string(MaxIpuzNesting) + " levels deep");
  try {
    found.json = Json::parse(json.begin(), json.end());
  } catch (const Json::parse_error& error) {
    // `byte` counts from 1 and names the character where reading stopped.
    const auto offset = static_cast<std::size_t>(json.data() - text.data()) + (error.byte > 0 ? error.byte - 1 : 0);
    return broken(claimsIpuz, "it is not valid JSON (" + Where(text, offset) + ")");
  } catch (const Json::exception&) {
    return broken(claimsIpuz, "it is not valid JSON");
  }
  if (!found.json.is_object() || !NamesIpuz(found.json)) {
    found.json = Json();
    return broken(wrapper != Wrapper::None, "it names no ipuz version or kind");
  }
  found.kind = IpuzDocument::Kind::Document;
  return found;
}

}  // namespace kven
