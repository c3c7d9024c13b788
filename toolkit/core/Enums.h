#pragma once
// Declaring enumeration and set types that carry type infos, so they can be
// published: FW_ENUM(TAlign, alNone, alTop, ...) and FW_SET(TAnchors, TAnchorKind).
#include "toolkit/core/TypInfo.h"

#include <cstdint>
#include <initializer_list>

namespace fw {

// Builds an enumeration type from the stringified enumerator list "a, b, c".
TTypeInfo MakeEnumTypeFromList(const char* name, const char* list);

// A set of up to 32 elements of an enumeration, stored as a bit mask.
template <class E> class TSet {
public:
    using ElementType = E;
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> elements) {
        for (E e : elements) FBits |= Bit(e);
    }
    static constexpr TSet FromBits(uint32_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }
    constexpr uint32_t Bits() const { return FBits; }
    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    TSet& Include(E e) { FBits |= Bit(e); return *this; }
    TSet& Exclude(E e) { FBits &= ~Bit(e); return *this; }
    friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }
    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }

private:
    static constexpr uint32_t Bit(E e) { return 1u << (static_cast<uint32_t>(e) & 31u); }
    uint32_t FBits = 0;
};

template <class S>
    requires requires {
        typename S::ElementType;
        S::TypeName;
    }
const TTypeInfo& TypeInfoOf(S*) {
    static const TTypeInfo info =
        MakeSetType(S::TypeName, TypeInfoOf(static_cast<typename S::ElementType*>(nullptr)));
    return info;
}

} // namespace fw

// An enumeration with default ordinals 0, 1, 2, ... and its type info.
#define FW_ENUM(Name, ...)                                                              \
    enum Name : int32_t { __VA_ARGS__ };                                                \
    inline const ::fw::TTypeInfo& TypeInfoOf(Name*) {                                   \
        static const ::fw::TTypeInfo t = ::fw::MakeEnumTypeFromList(#Name, #__VA_ARGS__); \
        return t;                                                                       \
    }

// A named set type over an FW_ENUM enumeration.
#define FW_SET(Name, Element)                                                           \
    struct Name : ::fw::TSet<Element> {                                                 \
        using TSet::TSet;                                                               \
        constexpr Name(::fw::TSet<Element> s) : TSet(s) {}                              \
        static constexpr const char* TypeName = #Name;                                  \
    }
