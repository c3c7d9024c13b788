#pragma once
// The map from class name to component class through which the stream reader
// creates components. Keeps the order of registration.
#include "toolkit/core/TypInfo.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace fw {

class TClassRegistry {
public:
    // Registers a class; registering it again is harmless, while another class
    // of the same name fails with "A class named %s already exists".
    void RegisterClass(const TClassInfo& cls);
    void RegisterClasses(std::initializer_list<const TClassInfo*> classes);
    void UnRegisterClass(const TClassInfo& cls);
    // Ignoring case; nullptr when unknown.
    const TClassInfo* GetClass(std::string_view name) const;
    // "Class %s not found" when unknown.
    const TClassInfo& FindClass(std::string_view name) const;
    const std::vector<const TClassInfo*>& Classes() const { return FClasses; }
    void Clear() { FClasses.clear(); }

    // The registry the program uses.
    static TClassRegistry& Global();

private:
    std::vector<const TClassInfo*> FClasses;
};

inline void RegisterClass(const TClassInfo& cls) { TClassRegistry::Global().RegisterClass(cls); }
inline void RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
    TClassRegistry::Global().RegisterClasses(classes);
}
inline const TClassInfo& FindClass(std::string_view name) { return TClassRegistry::Global().FindClass(name); }
inline const TClassInfo* GetClass(std::string_view name) { return TClassRegistry::Global().GetClass(name); }

} // namespace fw
