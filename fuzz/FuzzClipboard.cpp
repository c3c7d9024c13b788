// Feeds arbitrary bytes as a designer clipboard block: its length field is
// checked against the block, then the stream is read as a paste reads it.
// Every input must end in a clean result or a clean exception.
#include "designer/DsnClipboard.h"
#include "stream/Reader.h"
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"

#include <cstddef>
#include <cstdint>

using namespace fw;
using namespace fwtest;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TTestForm owner(nullptr);
    owner.SetName("Form1");
    try {
        TMemoryStream in(DecodeClipboardBlock(std::vector<uint8_t>(data, data + size)));
        TReader reader(in, 4096);
        reader.SetRegistry(&TestRegistry());
        reader.ReadComponents(&owner, &owner);
    } catch (const Exception&) {
        // A clean failure is an acceptable outcome for hostile input.
    }
    return 0;
}
