#pragma once
// Run-time type information for published properties and methods: type infos
// with kind numbers, property entries with accessors and defaults, published
// method tables, and the class info that ties them to a class.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

namespace fw {

class TObject;
class TComponent;
class TCollection;
class TCollectionItem;
class TClassInfo;
struct TMethodEntry;

// Property kinds, numbered as the property model shows them.
enum class TTypeKind : uint8_t {
    tkUnknown = 0,
    tkInteger = 1,
    tkChar = 2,
    tkEnumeration = 3,
    tkFloat = 4,
    tkString = 5,
    tkSet = 6,
    tkClass = 7,
    tkMethod = 8,
    tkWChar = 9,
    tkLString = 10,
    tkWString = 11,
    tkVariant = 12,
    tkArray = 13,
    tkRecord = 14,
    tkInterface = 15,
    tkInt64 = 16,
    tkDynArray = 17,
};

// Two-way map between integer values and identifiers (colours, cursors,
// character sets), used by the stream for integer properties of that type.
class TIdentMap {
public:
    TIdentMap(std::initializer_list<std::pair<int32_t, const char*>> entries);
    bool IntToIdent(int32_t value, std::string& ident) const;
    bool IdentToInt(std::string_view ident, int32_t& value) const; // ignores case
    const std::vector<std::pair<int32_t, std::string>>& Entries() const { return FEntries; }

private:
    std::vector<std::pair<int32_t, std::string>> FEntries;
};

class TTypeInfo {
public:
    TTypeKind Kind = TTypeKind::tkUnknown;
    std::string Name;

    // Enumerations: ordinals MinValue..MaxValue named EnumNames[0..]; BaseType
    // is the type itself.
    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    std::vector<std::string> EnumNames;
    const TTypeInfo* BaseType() const { return this; }
    // The name of an ordinal ("" outside the range).
    std::string GetEnumName(int32_t ordinal) const;
    // The ordinal of a name, ignoring case; -1 when no value has that name.
    int32_t GetEnumValue(std::string_view name) const;

    // Sets: the element (enumeration) type.
    const TTypeInfo* CompType = nullptr;

    // Classes: the declared class (resolved lazily, so classes may refer to
    // each other).
    const TClassInfo& (*ClassTypeFn)() = nullptr;
    const TClassInfo* ClassType() const { return ClassTypeFn ? &ClassTypeFn() : nullptr; }

    // Methods: the handler signature, checked when an event is bound.
    const std::type_info* Signature = nullptr;

    // Integers: optional identifier map used by the stream.
    const TIdentMap* IdentMap = nullptr;
};

TTypeInfo MakeEnumType(std::string name, std::vector<std::string> names);
TTypeInfo MakeSetType(std::string name, const TTypeInfo& element);
TTypeInfo MakeIntegerType(std::string name, const TIdentMap* identMap = nullptr);

// Built-in types.
const TTypeInfo& TypeInfoOf(int32_t*);
const TTypeInfo& TypeInfoOf(int64_t*);
const TTypeInfo& TypeInfoOf(bool*);
const TTypeInfo& TypeInfoOf(char*);
const TTypeInfo& TypeInfoOf(double*);
const TTypeInfo& TypeInfoOf(std::string*);
const TTypeInfo& TypeInfoOf(std::u16string*);
template <class T> const TTypeInfo& TypeInfo() { return TypeInfoOf(static_cast<T*>(nullptr)); }

// ---------------------------------------------------------------------------
// Methods and events.

// A method reference: Code names a published method (its table entry), Data
// the object it is called on.
struct TMethod {
    const TMethodEntry* Code = nullptr;
    TObject* Data = nullptr;
    bool Assigned() const { return Code != nullptr; }
    friend bool operator==(const TMethod& a, const TMethod& b) { return a.Code == b.Code && a.Data == b.Data; }
};

// One entry of a class's published-method table.
struct TMethodEntry {
    std::string Name;
    const std::type_info* Signature; // typeid(void(Args...))
    std::any Invoker;                // std::function<void(TObject*, Args...)>

    template <class... Args> void Invoke(TObject* self, Args&&... args) const;
};

void RaiseSignatureMismatch(const std::string& name);

template <class... Args> void TMethodEntry::Invoke(TObject* self, Args&&... args) const {
    using Fn = std::function<void(TObject*, Args...)>;
    const Fn* fn = std::any_cast<Fn>(&Invoker);
    if (!fn) RaiseSignatureMismatch(Name);
    (*fn)(self, std::forward<Args>(args)...);
}

// A typed event: a method reference callable with its parameters. Declare
// each event type with FW_EVENT_TYPE so it has a name of its own. Besides a
// published method, an event can be bound to any function (Bind); such a
// binding has no published name, so it is never stored in a stream.
template <class... Args> struct TEvent : TMethod {
    using Signature = void(Args...);
    TEvent() = default;
    TEvent(const TMethod& m) : TMethod(m) {}
    TEvent(const TEvent&) = default;
    TEvent& operator=(const TEvent& other) {
        // Re-assigning our own bound function by reference keeps it alive.
        if (other.FOwned || other.Code != Code) FOwned = other.FOwned;
        Code = other.Code;
        Data = other.Data;
        return *this;
    }
    void operator()(Args... args) const {
        if (!Code) return;
        // A bound handler may free the event's owner (a click handler that
        // deletes its button): the handler itself stays alive until it returns.
        auto keep = FOwned;
        Code->template Invoke<Args...>(Data, std::forward<Args>(args)...);
    }
    void Bind(std::function<void(Args...)> fn) {
        auto entry = std::make_shared<TMethodEntry>();
        entry->Signature = &typeid(void(Args...));
        entry->Invoker = std::function<void(TObject*, Args...)>(
            [fn = std::move(fn)](TObject*, Args... args) { fn(std::forward<Args>(args)...); });
        FOwned = entry;
        Code = entry.get();
        Data = nullptr;
    }
    void Clear() {
        FOwned.reset();
        Code = nullptr;
        Data = nullptr;
    }

private:
    std::shared_ptr<const TMethodEntry> FOwned;
};

#define FW_EVENT_TYPE(Name, ...)                                                     \
    struct Name : ::fw::TEvent<__VA_ARGS__> {                                        \
        using TEvent::TEvent;                                                         \
        static constexpr const char* TypeName = #Name;                               \
    }

template <class E>
    requires std::is_base_of_v<TMethod, E> && requires { E::TypeName; }
const TTypeInfo& TypeInfoOf(E*) {
    static const TTypeInfo info = [] {
        TTypeInfo t;
        t.Kind = TTypeKind::tkMethod;
        t.Name = E::TypeName;
        t.Signature = &typeid(typename E::Signature);
        return t;
    }();
    return info;
}

// ---------------------------------------------------------------------------
// Published properties.

class TPropInfo {
public:
    std::string Name;
    const TTypeInfo* PropType = nullptr;
    TTypeKind Kind() const { return PropType ? PropType->Kind : TTypeKind::tkUnknown; }

    // Declared default of ordinal properties (integer, char, enumeration, set).
    bool HasDefault = false;
    int32_t Default = 0;

    // Accessors by value category; an empty function means no such access.
    // Ordinal values are integers, characters, enumeration ordinals and set
    // bit masks (bit i = element of ordinal i).
    std::function<int32_t(TObject*)> GetOrd;
    std::function<void(TObject*, int32_t)> SetOrd;
    std::function<long double(TObject*)> GetFloat;
    std::function<void(TObject*, long double)> SetFloat;
    std::function<int64_t(TObject*)> GetInt64;
    std::function<void(TObject*, int64_t)> SetInt64;
    std::function<std::string(TObject*)> GetStr; // UTF-8
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<TObject*(TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(TObject*)> GetMethod;
    std::function<void(TObject*, const TMethod&)> SetMethod;
    // Stored condition; empty means always stored.
    std::function<bool(TObject*)> StoredFn;

    bool IsReadable() const { return GetOrd || GetFloat || GetInt64 || GetStr || GetObj || GetMethod; }
    bool IsWritable() const { return SetOrd || SetFloat || SetInt64 || SetStr || SetObj || SetMethod; }
    bool IsStored(TObject* instance) const { return !StoredFn || StoredFn(instance); }
};

// ---------------------------------------------------------------------------
// Class infos.

// Built once per class by TClassBuilder into a function-local static. Moving
// keeps the property entries where they are (vector buffers move whole), so the
// pointers in Props() stay valid; copying is not allowed.
class TClassInfo {
public:
    TClassInfo() = default;
    TClassInfo(TClassInfo&&) = default;
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    std::string ClassName;
    const TClassInfo* Parent = nullptr;
    // Component classes that can be created by name: construct with an owner.
    std::function<TComponent*(TComponent* owner)> CreateComponent;
    // Collection item classes: construct inside a collection.
    std::function<TCollectionItem*(TCollection* collection)> CreateItem;
    std::vector<TPropInfo> OwnProps;
    std::vector<TMethodEntry> OwnMethods;

    bool InheritsFrom(const TClassInfo& other) const;
    // All published properties: the ancestors' first, each class's own in
    // declaration order; one published again keeps its first position.
    const std::vector<const TPropInfo*>& Props() const { return FProps; }
    int PropCount() const { return static_cast<int>(FProps.size()); }
    const TPropInfo* FindProp(std::string_view name) const; // ignores case
    // Published methods of this class and its ancestors.
    const TMethodEntry* FindMethod(std::string_view name) const; // ignores case
    std::string MethodName(const TMethodEntry* code) const;       // "" when not published here

    void Finish(); // computes Props(); called once when the info is built

private:
    std::vector<const TPropInfo*> FProps;
};

} // namespace fw
