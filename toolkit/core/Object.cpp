#include "toolkit/core/Object.h"

namespace fw {

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c;
        c.ClassName = "TObject";
        c.Finish();
        return c;
    }();
    return info;
}

} // namespace fw
