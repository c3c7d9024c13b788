#pragma once
// The root of the class tree: every object knows its class info, so it can be
// asked its class name, tested for descent, and have its published properties
// read and written by name.
#include "toolkit/core/TypInfo.h"

#include <string>

namespace fw {

// Put at the top of a class body that has a class info of its own; define
// StaticClassInfo() in the .cpp with TClassBuilder. Leaves the section public.
#define FW_CLASS(Name)                                                                 \
public:                                                                                \
    static constexpr const char* StaticClassName = #Name;                              \
    static const ::fw::TClassInfo& StaticClassInfo();                                  \
    const ::fw::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

class TObject {
public:
    static constexpr const char* StaticClassName = "TObject";
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    const std::string& ClassName() const { return ClassInfo().ClassName; }
    bool InheritsFrom(const TClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }
    template <class T> bool Is() const { return InheritsFrom(T::StaticClassInfo()); }
};

// Class-typed properties: the declared class, named without building its info
// (so that classes may refer to each other).
template <class T>
    requires std::is_base_of_v<TObject, T>
const TTypeInfo& TypeInfoOf(T**) {
    static const TTypeInfo info = [] {
        TTypeInfo t;
        t.Kind = TTypeKind::tkClass;
        t.Name = T::StaticClassName;
        t.ClassTypeFn = &T::StaticClassInfo;
        return t;
    }();
    return info;
}

} // namespace fw
