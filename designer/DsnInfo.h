#pragma once
// Published properties as text: a snapshot table of one object's properties
// (TObjInfo), one property of it as name, value text and kind (TMyPropInfo),
// and the text form of a property value (PropValueText). The way back, text
// into properties, is ApplyPropValue in DsnFunc.
#include "toolkit/core/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct TMyPropInfo {
    std::string Name;  // as declared
    std::string Value; // the value text
    uint8_t Kind = 0;  // the TTypeKind number
};

// A short-lived snapshot of an object's published properties, made for one
// computation. A plain class rather than a TObject: its ClassName field would
// otherwise hide the object's own ClassName().
class TObjInfo {
public:
    // An absent instance gives an empty table.
    explicit TObjInfo(TObject* instance);

    TObject* Instance = nullptr;             // not owned
    std::string ClassName;                   // "" without an instance
    int PropCount = 0;
    std::vector<const TPropInfo*> PropList;  // inherited first, declaration order

    // Entry index with its value read now; "Invalid Index" outside the table.
    TMyPropInfo GetProp(int index) const;
    // The first property named name, ignoring case; -1 when none.
    int IndexOfProp(std::string_view name) const;
};

// The value text of one property of one instance:
//   integer: decimal ("-16777201" for the button-face colour); character: the
//   character; enumeration: the value's name; set: "[a,c]" over ordinals 0..15;
//   float: the general format; strings: the string; class: the referenced
//   component's Name for component classes, otherwise "(TFont)" and the like;
//   method: the handler's published name in the form's class (the instance's
//   own when it is a form, else its owner's), "" when unpublished or unset;
//   any other kind: "Unknown".
std::string PropValueText(TObject* instance, const TPropInfo* entry);

// The property kinds whose texts are compared across a selection, and the
// string kinds that take the first component's text.
bool IsComparedKind(TTypeKind kind);
bool IsStringKind(TTypeKind kind); // short and long strings, not wide strings

} // namespace fw
