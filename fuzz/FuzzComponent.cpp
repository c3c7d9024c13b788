// Feeds arbitrary bytes to the component reader with the test classes: every
// input must end in a clean result or a clean exception, with nothing leaked.
#include "stream/Reader.h"
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"

#include <cstddef>
#include <cstdint>

using namespace fw;
using namespace fwtest;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    uint8_t mode = data[0];
    TMemoryStream in(std::vector<uint8_t>(data + 1, data + size));
    TTestForm owner(nullptr);
    owner.SetName("Form1");
    try {
        TReader reader(in);
        reader.SetRegistry(&TestRegistry());
        if (mode & 1)
            reader.OnError = [](TReader&, const std::string&, bool& handled) { handled = true; };
        if (mode & 2)
            reader.OnFindMethod = [](TReader&, const std::string&, const TMethodEntry*& address, bool& error) {
                address = nullptr;
                error = false;
            };
        if (mode & 4) reader.ReadRootComponent(&owner);
        else reader.ReadComponents(&owner, &owner);
    } catch (const Exception&) {
        // A clean failure is an acceptable outcome for hostile input.
    }
    return 0;
}
