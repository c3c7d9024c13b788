#pragma once
// The JSON form of a stream document, readable and editable by hand, that
// converts back to the same bytes. Code-page texts (codes 6, 7, 12, set names,
// class, component and property names) are Windows-1252 on both sides, whatever
// the system code page, so the tool gives the same answers everywhere.
#include "stream/StreamDocument.h"

#include <string>
#include <string_view>

namespace fw {

// Stable formatting: one record member, property and list element per line.
std::string DocumentToJson(const TStreamDocument& doc);

// Fails with EJsonError "JSON error at line L, column C: ..." pointing at the
// offending value.
TStreamDocument DocumentFromJson(std::string_view json);

// "int8", "wstring" and so on: the "type" names of values.
const char* JsonTypeName(TValueType t);
bool JsonTypeFromName(std::string_view name, TValueType& t);

} // namespace fw
