#include "toolkit/core/Persistent.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPersistent, TObject>().Build();
    return info;
}

void TPersistent::Assign(TPersistent* source) {
    if (!source) throw EConvertError(Format("Cannot assign a %s to a %s", {"nil", ClassName()}));
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
    std::string src = ClassName();
    std::string dst = dest ? dest->ClassName() : "nil";
    throw EConvertError(Format("Cannot assign a %s to a %s", {src, dst}));
}

namespace detail {
void RaiseInvalidPropertyValue() { throw EPropertyError("Invalid property value"); }
} // namespace detail

} // namespace fw
