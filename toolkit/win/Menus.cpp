#include "toolkit/win/Menus.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPopupMenu, TComponent>()
                                       .Prop("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::OnPopup)
                                       .Build();
    return info;
}

void TPopupMenu::Popup(int32_t x, int32_t y) { OnPopup(this); }

} // namespace fw
