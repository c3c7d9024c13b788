#pragma once
// How the list view and the tree view keep their items in order.
#include "toolkit/core/Enums.h"

namespace fw {

// How items are kept in order: not at all, by data, by text, or by both.
FW_ENUM(TSortType, stNone, stData, stText, stBoth)

} // namespace fw
