#include "formats/json_layout.h"

#include <algorithm>

namespace kven {

namespace {

using Json = nlohmann::ordered_json;

bool IsTable(const Json& v) {
  return v.is_array() && !v.empty() && std::all_of(v.begin(), v.end(), [](const Json& e) { return e.is_array(); });
}

bool SpreadsOut(const Json& v) {
  if (IsTable(v)) return true;
  return v.is_object() && std::any_of(v.begin(), v.end(), [](const Json& e) { return SpreadsOut(e); });
}

void AppendOneLine(std::string& out, const Json& v) {
  if (v.is_array()) {
    out += '[';
    for (auto it = v.begin(); it != v.end(); ++it) {
      if (it != v.begin()) out += ", ";
      AppendOneLine(out, *it);
    }
    out += ']';
  } else if (v.is_object()) {
    out += '{';
    for (auto it = v.begin(); it != v.end(); ++it) {
      if (it != v.begin()) out += ", ";
      out += CompactJson(Json(it.key()));
      out += ": ";
      AppendOneLine(out, it.value());
    }
    out += '}';
  } else {
    out += CompactJson(v);
  }
}

void Append(std::string& out, const Json& v, std::size_t indent) {
  if (!SpreadsOut(v)) {
    AppendOneLine(out, v);
    return;
  }
  out += v.is_object() ? "{\n" : "[\n";
  for (auto it = v.begin(); it != v.end(); ++it) {
    if (it != v.begin()) out += ",\n";
    out.append(indent + 2, ' ');
    if (v.is_object()) {
      out += CompactJson(Json(it.key()));
      out += ": ";
    }
    Append(out, it.value(), indent + 2);
  }
  out += '\n';
  out.append(indent, ' ');
  out += v.is_object() ? '}' : ']';
}

}  // namespace

std::string LayOutJson(const nlohmann::ordered_json& value) {
  std::string out;
  Append(out, value, 0);
  out += '\n';
  return out;
}

std::string CompactJson(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace kven
