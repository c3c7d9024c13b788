#include "toolkit/win/controls/OwnerDrawItems.h"

#include "toolkit/win/graphics/ControlPaint.h"

#include <algorithm>

namespace fw::ownerdraw {

void DrawPlainItem(TCanvas& canvas, TFont& font, TColor color, const TStrings& items, int32_t index,
                   const RECT& rect, bool selected) {
    canvas.Brush()->SetColor(selected ? clHighlight : color);
    canvas.FillRect(rect);
    if (index < 0 || index >= items.Count()) return;
    RECT r = rect;
    r.left += 2;
    DrawControlText(canvas.Handle(), font, r, items.Get(index), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
                    selected ? clHighlightText : font.Color());
}

void MeasureItem(MEASUREITEMSTRUCT& item, int32_t itemHeight, bool ask, const TMeasureItemEvent& measure, TObject* sender) {
    int32_t height = itemHeight;
    if (ask) measure(sender, static_cast<int32_t>(item.itemID), height);
    item.itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
}

} // namespace fw::ownerdraw
