#include "toolkit/core/Exception.h"

namespace fw {

std::string Format(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    auto arg = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            char spec = pattern[i + 1];
            if (spec == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((spec == 's' || spec == 'd') && arg != args.end()) {
                out += *arg++;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace fw
