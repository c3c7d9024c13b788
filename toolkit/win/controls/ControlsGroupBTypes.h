#pragma once
// Value types shared by the list view and the tree view.
#include "toolkit/core/Enums.h"

namespace fw {

// How items are kept in order: not at all, by data, by text, or by both.
FW_ENUM(TSortType, stNone, stData, stText, stBoth)

} // namespace fw
