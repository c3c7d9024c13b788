#pragma once
// An entry of the design popup that stands for a property: picking it sets
// the property named PropName to Value on every selected component.
#include "toolkit/win/menus/Menus.h"

#include <string>

namespace fw {

class TDsnMenuItem : public TMenuItem {
    FW_CLASS(TDsnMenuItem)

    explicit TDsnMenuItem(TComponent* owner);

    const std::string& PropName() const { return FPropName; }
    void SetPropName(const std::string& v) { FPropName = v; }
    const std::string& Value() const { return FValue; }
    void SetValue(const std::string& v) { FValue = v; }

private:
    std::string FPropName, FValue;
};

} // namespace fw
