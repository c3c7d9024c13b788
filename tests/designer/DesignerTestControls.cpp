#include "designer/DesignerTestControls.h"

namespace dsntest {

const TClassInfo& TPushButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPushButton, TCustomControl>()
                                       .Prop("Caption", &TPushButton::Caption, &TPushButton::SetCaption)
                                       .Prop("Default", &TPushButton::Default, &TPushButton::Default)
                                       .Prop("ModalResult", &TPushButton::ModalResult, &TPushButton::ModalResult)
                                       .Build();
    return info;
}

const TClassInfo& TTextLabel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTextLabel, TGraphicControl>()
                                       .Prop("Caption", &TTextLabel::Caption, &TTextLabel::SetCaption)
                                       .Prop("WordWrap", &TTextLabel::WordWrap, &TTextLabel::WordWrap)
                                       .Build();
    return info;
}

const TClassInfo& TLineEdit::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TLineEdit, TCustomControl>()
                                       .Prop("PasswordChar", &TLineEdit::PasswordChar, &TLineEdit::PasswordChar)
                                       .Prop("ReadOnly", &TLineEdit::ReadOnly, &TLineEdit::ReadOnly)
                                       .Prop("Text", &TLineEdit::GetText, &TLineEdit::SetText)
                                       .Prop("WideText", &TLineEdit::WideText, &TLineEdit::WideText)
                                       .Build();
    return info;
}

const TClassInfo& TBoxPanel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBoxPanel, TCustomControl>()
                                       .Prop("BevelOuter", &TBoxPanel::BevelOuter, &TBoxPanel::BevelOuter)
                                       .Prop("Big", &TBoxPanel::Big, &TBoxPanel::Big)
                                       .Prop("Buddy", &TBoxPanel::Buddy, &TBoxPanel::Buddy)
                                       .Prop("Caption", &TBoxPanel::Caption, &TBoxPanel::SetCaption)
                                       .Prop("Edges", &TBoxPanel::Edges, &TBoxPanel::Edges)
                                       .Prop("Ratio", &TBoxPanel::Ratio, &TBoxPanel::Ratio)
                                       .Build();
    return info;
}

const TClassInfo& TDesignForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDesignForm, TForm>()
                                       .Method("Button1Click", &TDesignForm::Button1Click)
                                       .Method("FormClick", &TDesignForm::FormClick)
                                       .Build();
    return info;
}

} // namespace dsntest
