#include "app/Unit4.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

TForm4* Form4 = nullptr;

const TClassInfo& TForm4::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TForm4, TForm>()
                                       .Method("Button1Click", &TForm4::Button1Click)
                                       .Method("Button2Click", &TForm4::Button2Click)
                                       .Build();
    return info;
}

} // namespace fw
