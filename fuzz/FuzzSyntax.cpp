// Arbitrary bytes as a component stream: parsing must fail cleanly or give a
// document that writes back the same bytes, directly and through JSON.
#include "stream/StreamDocument.h"
#include "stream/StreamJson.h"
#include "toolkit/core/Exception.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> input(data, data + size);
    fw::TStreamDocument doc;
    try {
        doc = fw::ParseStreamDocument(input);
    } catch (const fw::EStreamDocError&) {
        return 0;
    }
    if (fw::WriteStreamDocument(doc) != input) std::abort();
    std::string json = fw::DocumentToJson(doc);
    if (fw::WriteStreamDocument(fw::DocumentFromJson(json)) != input) std::abort();
    return 0;
}
