#pragma once
// Small helpers shared by the test suites.
#include "toolkit/core/Exception.h"

#include <cstdlib>
#include <filesystem>
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

// A folder for files a test writes: the build tree's when the test runner
// names one, else the system's temporary folder (never the working folder).
inline std::string TestTempDir() {
    const char* env = std::getenv("FW_TEST_TMP");
    std::filesystem::path dir = env ? std::filesystem::path(env) : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(dir);
    return dir.string();
}

} // namespace fwtest
