#pragma once

#include <nlohmann/json.hpp>

#include "check/check_report.h"

namespace kven {

// The report as one JSON object with keys in a fixed order: title, columns,
// rows, kind, symmetry, style, minLength, passed, summary, findings, entries.
// Squares are [col, row] pairs. A caller that wants a "file" key first
// writes: ordered_json j{{"file", name}}; j.update(CheckReportJson(report));
nlohmann::ordered_json CheckReportJson(const CheckReport& report);

}  // namespace kven
