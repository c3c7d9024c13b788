#include "designer/DesignerTestControls.h"

namespace dsntest {

const TClassInfo& TKindsPanel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TKindsPanel, TPanel>()
                                       .Prop("Big", &TKindsPanel::Big, &TKindsPanel::Big)
                                       .Prop("Edges", &TKindsPanel::Edges, &TKindsPanel::Edges)
                                       .Prop("Ratio", &TKindsPanel::Ratio, &TKindsPanel::Ratio)
                                       .Prop("WideText", &TKindsPanel::WideText, &TKindsPanel::WideText)
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
