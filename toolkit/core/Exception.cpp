#include "toolkit/core/Exception.h"

namespace fw {

std::string Format(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    auto arg = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            char conv = pattern[i + 1];
            if (conv == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((conv == 's' || conv == 'd') && arg != args.end()) {
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
