#include "toolkit/core/List.h"

namespace fw {

void RaiseListIndexError(int index) {
    throw EListError(Format("List index out of bounds (%d)", {IntToStr(index)}));
}

} // namespace fw
