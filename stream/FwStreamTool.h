#pragma once
// The fwstream command: component stream <-> JSON.
//   fwstream to-json FILE [-o OUT]     the stream in FILE as JSON
//   fwstream from-json FILE [-o OUT]   the stream the JSON in FILE describes
// FILE "-" is standard input; without -o the result goes to standard output.
// Exit status: 0 done, 1 bad input or a file that cannot be read or written
// (one line on err), 2 a usage error (one line on err).
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace fw {

// Inputs larger than these are refused before they are parsed.
constexpr size_t kMaxStreamInput = size_t(8) << 20;
constexpr size_t kMaxJsonInput = size_t(32) << 20;

// args are the arguments after the program name, as UTF-8. out must be in
// binary mode for from-json.
int RunFwStream(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace fw
