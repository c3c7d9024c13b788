#pragma once
// Temporary state for the length of a scope: the guard sets a value and puts
// the old one back when the scope ends, whether it returns or throws.
#include <utility>

namespace fw {

// Sets `target` to `value` for the guard's lifetime, then restores it.
template <class T> class TScopedValue {
public:
    TScopedValue(T& target, T value) : FTarget(target), FSaved(std::move(target)) { FTarget = std::move(value); }
    ~TScopedValue() { FTarget = std::move(FSaved); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    T& FTarget;
    T FSaved;
};

// Sets bits of a flag word for the guard's lifetime, then clears those of
// them that were clear before.
template <class T> class TScopedFlags {
public:
    TScopedFlags(T& word, T bits) : FWord(word), FAdded(static_cast<T>(bits & ~word)) { FWord |= bits; }
    ~TScopedFlags() { FWord &= static_cast<T>(~FAdded); }
    TScopedFlags(const TScopedFlags&) = delete;
    TScopedFlags& operator=(const TScopedFlags&) = delete;

private:
    T& FWord;
    T FAdded;
};

// Runs a function when the scope ends.
template <class F> class TScopeExit {
public:
    explicit TScopeExit(F fn) : FFn(std::move(fn)) {}
    ~TScopeExit() { FFn(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F FFn;
};

} // namespace fw
