// fwstream: component stream <-> JSON. The work is in FwStreamTool.
#include "stream/FwStreamTool.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "toolkit/core/Text.h"

#include <fcntl.h>
#include <io.h>

// Wide arguments so that file names outside the ANSI code page survive.
int wmain(int argc, wchar_t* argv[]) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(fw::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    return fw::RunFwStream(args, std::cin, std::cout, std::cerr);
}
#else
int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return fw::RunFwStream(args, std::cin, std::cout, std::cerr);
}
#endif
