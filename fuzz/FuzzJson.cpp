// Arbitrary text as the JSON form of a stream: conversion must fail cleanly
// or give bytes that parse, convert to JSON and back to the same bytes.
#include "stream/StreamDocument.h"
#include "stream/StreamJson.h"
#include "stream/Json.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    fw::TStreamDocument doc;
    try {
        doc = fw::DocumentFromJson(text);
    } catch (const fw::EJsonError&) {
        return 0;
    }
    // Whatever converts must also write: no exception expected from here on.
    std::vector<uint8_t> bytes = fw::WriteStreamDocument(doc);
    std::string json = fw::DocumentToJson(fw::ParseStreamDocument(bytes));
    if (fw::WriteStreamDocument(fw::DocumentFromJson(json)) != bytes) std::abort();
    return 0;
}
