#pragma once
// TClassBuilder declares a class's published properties and methods once, next
// to the class, and produces its TClassInfo:
//
//   const TClassInfo& TMyControl::StaticClassInfo() {
//       static const TClassInfo info = TClassBuilder<TMyControl, TComponent>()
//           .Prop("Left", &TMyControl::FLeft, &TMyControl::SetLeft).Default(0)
//           .Prop("Caption", &TMyControl::GetCaption, &TMyControl::SetCaption)
//           .Prop("OnClick", &TMyControl::FOnClick, &TMyControl::FOnClick)
//           .Method("Button1Click", &TMyControl::Button1Click)
//           .Build();
//       return info;
//   }
//
// Getters are data members or const member functions; setters are data
// members, member functions, or nullptr for read-only properties.
#include "toolkit/core/Enums.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Object.h"
#include "toolkit/core/Text.h"

#include <functional>
#include <type_traits>

namespace fw {

class TComponent;
class TCollection;
class TCollectionItem;

namespace detail {

template <class T> struct IsSetType : std::false_type {};
template <class T>
    requires requires { typename T::ElementType; }
struct IsSetType<T> : std::true_type {};

template <class C, class G> auto Invoke(G g, TObject* o) {
    if constexpr (std::is_member_object_pointer_v<G>) return static_cast<C*>(o)->*g;
    else return (static_cast<C*>(o)->*g)();
}

template <class C, class T, class S> std::function<void(TObject*, T)> MakeSetter(S s) {
    if constexpr (std::is_null_pointer_v<S>) {
        return {};
    } else if constexpr (std::is_member_object_pointer_v<S>) {
        return [s](TObject* o, T v) { static_cast<C*>(o)->*s = std::move(v); };
    } else {
        return [s](TObject* o, T v) { (static_cast<C*>(o)->*s)(std::move(v)); };
    }
}

[[noreturn]] void RaiseInvalidPropertyValue();

} // namespace detail

template <class C, class Base> class TClassBuilder {
public:
    explicit TClassBuilder(const char* name = C::StaticClassName) {
        FInfo.ClassName = name;
        FInfo.Parent = &Base::StaticClassInfo();
        if constexpr (std::is_base_of_v<TComponent, C> && std::is_constructible_v<C, TComponent*> &&
                      !std::is_abstract_v<C>)
            FInfo.CreateComponent = [](TComponent* owner) -> TComponent* { return new C(owner); };
        if constexpr (std::is_base_of_v<TCollectionItem, C> && std::is_constructible_v<C, TCollection*> &&
                      !std::is_abstract_v<C>)
            FInfo.CreateItem = [](TCollection* coll) -> TCollectionItem* { return new C(coll); };
    }

    // A published property; T is deduced from the getter.
    template <class G, class S = std::nullptr_t> TClassBuilder& Prop(const char* name, G getter, S setter = nullptr) {
        using T = std::remove_cvref_t<decltype(detail::Invoke<C>(getter, nullptr))>;
        TPropInfo p;
        p.Name = name;
        Fill<T>(p, getter, setter);
        FInfo.OwnProps.push_back(std::move(p));
        return *this;
    }

    // Modifiers of the property declared last.
    TClassBuilder& Default(int32_t value) {
        Last().HasDefault = true;
        Last().Default = value;
        return *this;
    }
    TClassBuilder& Stored(bool stored) {
        Last().StoredFn = [stored](TObject*) { return stored; };
        return *this;
    }
    TClassBuilder& Stored(bool (C::*fn)() const) {
        Last().StoredFn = [fn](TObject* o) { return (static_cast<C*>(o)->*fn)(); };
        return *this;
    }
    // Gives the property a named type of the same kind (colours, cursors).
    TClassBuilder& Type(const TTypeInfo& type) {
        Last().PropType = &type;
        return *this;
    }

    // A published method, callable through method references.
    template <class... Args> TClassBuilder& Method(const char* name, void (C::*fn)(Args...)) {
        TMethodEntry m;
        m.Name = name;
        m.Signature = &typeid(void(Args...));
        m.Invoker = std::function<void(TObject*, Args...)>(
            [fn](TObject* self, Args... args) { (static_cast<C*>(self)->*fn)(std::forward<Args>(args)...); });
        FInfo.OwnMethods.push_back(std::move(m));
        return *this;
    }

    TClassInfo Build() {
        FInfo.Finish();
        return std::move(FInfo);
    }

private:
    TPropInfo& Last() { return FInfo.OwnProps.back(); }

    template <class T, class G, class S> void Fill(TPropInfo& p, G getter, S setter) {
        auto get = [getter](TObject* o) { return detail::Invoke<C>(getter, o); };
        auto set = detail::MakeSetter<C, T>(setter);
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, char> || std::is_same_v<T, int32_t> ||
                      std::is_enum_v<T>) {
            p.PropType = &TypeInfo<T>();
            if constexpr (std::is_same_v<T, char>)
                p.GetOrd = [get](TObject* o) { return static_cast<int32_t>(static_cast<unsigned char>(get(o))); };
            else
                p.GetOrd = [get](TObject* o) { return static_cast<int32_t>(get(o)); };
            if (set) {
                const TTypeInfo* type = p.PropType;
                p.SetOrd = [set, type](TObject* o, int32_t v) {
                    // Never store an ordinal outside the type's range.
                    if (type->Kind == TTypeKind::tkEnumeration && (v < type->MinValue || v > type->MaxValue))
                        detail::RaiseInvalidPropertyValue();
                    if constexpr (std::is_same_v<T, bool>) set(o, v != 0);
                    else set(o, static_cast<T>(v));
                };
            }
        } else if constexpr (detail::IsSetType<T>::value) {
            p.PropType = &TypeInfo<T>();
            p.GetOrd = [get](TObject* o) { return static_cast<int32_t>(get(o).Bits()); };
            if (set) p.SetOrd = [set](TObject* o, int32_t v) { set(o, T(T::FromBits(static_cast<uint32_t>(v)))); };
        } else if constexpr (std::is_floating_point_v<T>) {
            p.PropType = &TypeInfo<double>();
            p.GetFloat = [get](TObject* o) { return static_cast<long double>(get(o)); };
            if (set) p.SetFloat = [set](TObject* o, long double v) { set(o, static_cast<T>(v)); };
        } else if constexpr (std::is_same_v<T, int64_t>) {
            p.PropType = &TypeInfo<int64_t>();
            p.GetInt64 = get;
            if (set) p.SetInt64 = set;
        } else if constexpr (std::is_same_v<T, std::string>) {
            p.PropType = &TypeInfo<std::string>();
            p.GetStr = get;
            if (set) p.SetStr = [set](TObject* o, const std::string& v) { set(o, v); };
        } else if constexpr (std::is_same_v<T, std::u16string>) {
            p.PropType = &TypeInfo<std::u16string>();
            p.GetStr = [get](TObject* o) { return Utf16ToUtf8(get(o)); };
            if (set) p.SetStr = [set](TObject* o, const std::string& v) { set(o, Utf8ToUtf16(v)); };
        } else if constexpr (std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_pointer_t<T>>) {
            using Cls = std::remove_const_t<std::remove_pointer_t<T>>;
            p.PropType = &TypeInfo<Cls*>();
            p.GetObj = [get](TObject* o) -> TObject* { return const_cast<Cls*>(get(o)); };
            if (set)
                p.SetObj = [set](TObject* o, TObject* v) {
                    Cls* typed = dynamic_cast<Cls*>(v);
                    if (v && !typed) detail::RaiseInvalidPropertyValue();
                    set(o, typed);
                };
        } else if constexpr (std::is_base_of_v<TMethod, T>) {
            p.PropType = &TypeInfo<T>();
            p.GetMethod = [get](TObject* o) -> TMethod { return get(o); };
            if (set)
                p.SetMethod = [set](TObject* o, const TMethod& m) {
                    if (m.Code && *m.Code->Signature != typeid(typename T::Signature))
                        detail::RaiseInvalidPropertyValue();
                    T typed;
                    static_cast<TMethod&>(typed) = m;
                    set(o, typed);
                };
        } else {
            static_assert(sizeof(T) == 0, "type cannot be published");
        }
    }

    TClassInfo FInfo;
};

} // namespace fw
