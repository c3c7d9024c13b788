#pragma once
// Routines shared by the property model, the inspector and the design engine:
// name|caption lines, ordering parallel name lists, the common properties of
// a list of components, and writing one value text into many components.
#include "toolkit/core/Component.h"
#include "toolkit/core/List.h"
#include "toolkit/core/Strings.h"

#include <string>
#include <string_view>

namespace fw {

// Each line is a name, or a name, "|" and a caption; the first "|" splits.
// A line without "|" gives the whole line as both name and caption. Names and
// Captions are overwritten; with either absent nothing happens.
void SplitNameCaptions(const TStrings& lines, TStrings* names, TStrings* captions);

// The caption paired with name (found ignoring case). An absent name raises
// the list index error.
std::string LookupCaption(std::string_view name, const TStrings& names, const TStrings& captions);

// Moves the names that order mentions to the front of names, in the order of
// their first mention, moving the parallel entries of values alike; the rest
// keep their relative order.
void OrderByList(const TStrings& order, TStrings& names, TStrings& values);

// The rows of a selection in one pass: the names of wantNames that every
// component publishes (without outNames for two or more components), in the
// first component's declaration order, with their common value texts. names
// and values are expected empty. Absent (nullptr) components are skipped.
void CommonProps(const TList<TComponent*>& components, const TStrings& wantNames, const TStrings& outNames,
                 TStrings& values, TStrings& names);

// Writes value into the property propName of every component, in list order.
// Integer and float texts use the standard conversions; an enumeration text
// must name a value of the type (ignoring case); characters take the first
// character; strings are written unchanged. An empty text empties strings and
// leaves every other kind alone; sets, classes, methods and the remaining
// kinds are never written. Any failure on a component (a bad text, a refused
// write, no such property) raises "<value> is illegal (<propName>)";
// components before it keep what was written, later ones are not touched.
// An empty propName does nothing.
void ApplyPropValue(const TList<TComponent*>& components, const std::string& propName, const std::string& value);

} // namespace fw
