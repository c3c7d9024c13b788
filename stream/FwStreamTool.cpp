#include "stream/FwStreamTool.h"

#include "stream/Json.h"
#include "stream/StreamDocument.h"
#include "stream/StreamJson.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Stream.h"
#include "toolkit/core/Text.h"

#include <filesystem>
#include <istream>
#include <new>
#include <ostream>

namespace fw {

namespace {

const char kUsage[] = "usage: fwstream to-json FILE [-o OUT] | fwstream from-json FILE [-o OUT]";

const char kHelp[] =
    "usage: fwstream to-json FILE [-o OUT] | fwstream from-json FILE [-o OUT]\n"
    "  to-json     print the component stream in FILE as JSON\n"
    "  from-json   write the component stream that the JSON in FILE describes\n"
    "  FILE - reads standard input; without -o the result goes to standard output.\n"
    "  Streams up to 8 MiB and JSON up to 32 MiB are accepted.\n"
    "exit status: 0 done, 1 bad input or unreadable/unwritable file, 2 usage error;\n"
    "on failure one line on standard error says why.\n";

// Failures that are the input's or the file system's: exit status 1.
struct TInputFailure {
    std::string message;
};

std::string ReadAll(std::istream& in, size_t limit) {
    std::string data;
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        data.append(buf, static_cast<size_t>(in.gcount()));
        if (data.size() > limit) throw TInputFailure{"standard input is larger than " + std::to_string(limit >> 20) + " MiB"};
    }
    if (in.bad()) throw TInputFailure{"cannot read standard input"};
    return data;
}

std::string ReadFile(const std::string& path, size_t limit) {
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(Utf8ToUtf16(path)), ec))
        throw TInputFailure{"\"" + path + "\" is a directory"};
    TFileStream f(path, TFileMode::fmOpenRead);
    long long size = f.Size();
    if (size < 0) throw TInputFailure{"cannot read \"" + path + "\""};
    if (static_cast<unsigned long long>(size) > limit)
        throw TInputFailure{"\"" + path + "\" is larger than " + std::to_string(limit >> 20) + " MiB"};
    std::string data(static_cast<size_t>(size), '\0');
    f.SetPosition(0);
    if (f.Read(data.data(), size) != size) throw TInputFailure{"cannot read \"" + path + "\""};
    return data;
}

void WriteResult(const std::string& path, std::ostream& out, const std::string& data) {
    if (!path.empty()) {
        TFileStream f(path, TFileMode::fmCreate);
        f.WriteBuffer(data.data(), static_cast<long long>(data.size()));
        return;
    }
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.flush();
    if (!out) throw TInputFailure{"cannot write to standard output"};
}

// Keeps a message on one line whatever a file name or system text holds.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}

struct TCommand {
    bool toJson = false;
    std::string input;
    std::string output;
};

// Empty when the arguments make a command; else what is wrong with them.
std::string ParseArgs(const std::vector<std::string>& args, TCommand& cmd) {
    if (args.empty()) return "no command";
    if (args[0] == "to-json") cmd.toJson = true;
    else if (args[0] != "from-json") return "unknown command " + QuoteJson(args[0]);
    bool haveInput = false, haveOutput = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (haveOutput || i + 1 == args.size() || args[i + 1].empty()) return "-o needs one output file";
            cmd.output = args[++i];
            haveOutput = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + QuoteJson(a);
        } else {
            if (haveInput || a.empty()) return "one input FILE is expected";
            cmd.input = a;
            haveInput = true;
        }
    }
    if (!haveInput) return "missing input FILE";
    return {};
}

std::string Convert(const TCommand& cmd, const std::string& data) {
    if (cmd.toJson) return DocumentToJson(ParseStreamDocument(std::vector<uint8_t>(data.begin(), data.end())));
    std::vector<uint8_t> bytes = WriteStreamDocument(DocumentFromJson(data));
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

int RunFwStream(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help" || args[0] == "help")) {
        out << kHelp;
        return 0;
    }
    TCommand cmd;
    std::string usageProblem = ParseArgs(args, cmd);
    if (!usageProblem.empty()) {
        err << "fwstream: " << OneLine(usageProblem) << "; " << kUsage << '\n';
        return 2;
    }
    const std::string source = cmd.input == "-" ? "standard input" : cmd.input;
    std::string message;
    try {
        size_t limit = cmd.toJson ? kMaxStreamInput : kMaxJsonInput;
        std::string data = cmd.input == "-" ? ReadAll(in, limit) : ReadFile(cmd.input, limit);
        std::string result;
        try {
            result = Convert(cmd, data);
        } catch (const EStreamDocError& e) {
            throw TInputFailure{source + ": " + e.Message() + " (at byte " + std::to_string(e.Offset()) + ")"};
        } catch (const Exception& e) {
            throw TInputFailure{source + ": " + e.Message()};
        }
        WriteResult(cmd.output, out, result);
        return 0;
    } catch (const TInputFailure& f) {
        message = f.message;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::bad_alloc&) {
        message = "out of memory";
    } catch (const std::exception& e) {
        message = e.what();
    }
    err << "fwstream: " << OneLine(message) << '\n';
    return 1;
}

} // namespace fw
