#pragma once
// Value types the standard controls share: text alignment, vertical layout,
// the border of a control, and which scroll bars a window shows.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/Form.h"

namespace fw {

FW_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
FW_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
FW_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

// A control's border is bsNone or bsSingle, the first two values of
// TFormBorderStyle. Controls take and return TFormBorderStyle; their
// published property has this type, which names only those two values, so a
// stream cannot give a control a form's border.
enum TBorderStyle : int32_t {};
inline const TTypeInfo& TypeInfoOf(TBorderStyle*) {
    static const TTypeInfo t = MakeEnumTypeFromList("TBorderStyle", "bsNone, bsSingle");
    return t;
}
// bsNone or bsSingle; a form's other border styles are refused.
TFormBorderStyle CheckControlBorder(TFormBorderStyle v);

// DrawTextW's horizontal flag for an alignment.
UINT AlignmentToDrawText(TAlignment a);

} // namespace fw
