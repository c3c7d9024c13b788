#pragma once
// The steps that owner-drawn list boxes and combo boxes share: lending the
// item's device context to the control's canvas while the item is drawn,
// the plain look of an item, and the height an item is measured at.
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/Strings.h"
#include "toolkit/win/controls/ComboBox.h"
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/graphics/Font.h"

namespace fw::ownerdraw {

// Calls draw(index, rect, state) for the item with the canvas on the item's
// device context and in the control's font. The canvas lets go of the device
// context afterwards, also when draw throws.
template <class Draw> void DrawItem(TCanvas& canvas, TFont* font, const DRAWITEMSTRUCT& item, Draw&& draw) {
    canvas.SetHandle(item.hDC);
    TScopeExit release([&canvas] { canvas.SetHandle(nullptr); });
    canvas.Font()->Assign(font);
    draw(static_cast<int32_t>(static_cast<int>(item.itemID)), item.rcItem,
         TOwnerDrawState::FromBits(item.itemState & 0x1F));
}

// The item's background, in the highlight colour when selected, and its text
// from items, when index names one.
void DrawPlainItem(TCanvas& canvas, TFont& font, TColor color, const TStrings& items, int32_t index,
                   const RECT& rect, bool selected);

// The height the item is given: itemHeight, or what measure makes of it when
// asked, within 1..255.
void MeasureItem(MEASUREITEMSTRUCT& item, int32_t itemHeight, bool ask, const TMeasureItemEvent& measure, TObject* sender);

} // namespace fw::ownerdraw
