#include "app/Unit5.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

TForm5* Form5 = nullptr;

const TClassInfo& TForm5::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TForm5, TForm>().Build();
    return info;
}

} // namespace fw
