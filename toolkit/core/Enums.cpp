#include "toolkit/core/Enums.h"

#include <string>
#include <vector>

namespace fw {

TTypeInfo MakeEnumTypeFromList(const char* name, const char* list) {
    std::vector<std::string> names;
    std::string cur;
    auto flush = [&] {
        size_t b = cur.find_first_not_of(" \t\r\n");
        size_t e = cur.find_last_not_of(" \t\r\n");
        if (b != std::string::npos) names.push_back(cur.substr(b, e - b + 1));
        cur.clear();
    };
    for (const char* p = list; *p; ++p) {
        if (*p == ',') flush();
        else cur += *p;
    }
    flush();
    return MakeEnumType(name, std::move(names));
}

} // namespace fw
