#pragma once
// JSON output of the tools, on nlohmann/json: values are built as ordered_json (members keep
// the order they were added in) and written on one line by jsonLine.
//
// nlohmann writes a real in its shortest exact form ("0.1"); the tools write reals with 17
// significant digits ("0.10000000000000001", as printf's %.17g), which read back exactly and
// keep earlier outputs comparable byte for byte. Everything else (strings, integers,
// Booleans, null) is written by nlohmann itself.

#include <nlohmann/json.hpp>

#include <string>

namespace orbigolf::tools {

using Json = nlohmann::ordered_json;

// The value as JSON text without blanks or a line end; a real that is not finite is null.
std::string jsonLine(const Json& value);

// Text for a JSON string: valid UTF-8 is kept; a byte that does not start a valid UTF-8
// sequence (8-bit names from old data sets) is read as Latin-1.
std::string utf8Text(const std::string& bytes);

}  // namespace orbigolf::tools
