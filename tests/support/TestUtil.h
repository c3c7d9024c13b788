#pragma once
// Small helpers shared by the test suites.
#include "toolkit/core/Exception.h"

#include <functional>
#include <string>

namespace fwtest {

// The message of the toolkit exception fn throws, or "(no error)".
inline std::string MessageOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const fw::Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

} // namespace fwtest
