#pragma once
// The Win32 boundary. No C++ exception may unwind through the window system's
// frames: every window procedure, hook or callback that the toolkit or the
// designer installs runs its body through Guarded, which hands whatever the
// body throws to the application's exception handler (a message box) and
// returns a neutral result, so the program goes on.
#include <exception>
#include <type_traits>

namespace fw {

// Passes an exception that reached the boundary to the application's handler.
void HandleBoundaryException(std::exception_ptr e) noexcept;

// Runs body; on an exception reports it and returns a value-initialised result.
template <class F> auto Guarded(F&& body) noexcept -> decltype(body()) {
    using R = decltype(body());
    try {
        if constexpr (std::is_void_v<R>) {
            body();
            return;
        } else {
            return body();
        }
    } catch (...) {
        HandleBoundaryException(std::current_exception());
    }
    if constexpr (!std::is_void_v<R>) return R{};
}

} // namespace fw
