// The headline cutter and reader: one link per item, never a stray one.
#include "FuzzCommon.h"
#include "collect/Headlines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    if (const auto lines = Headlines::FromPage(input)) {
        // What the cutter writes, the reader reads back line for line.
        const auto items = Headlines::ItemsOfFile(*lines);
        TW_FUZZ_CHECK(items.has_value());
        TW_FUZZ_CHECK(items->texts.size() == items->links.size());
        TW_FUZZ_CHECK(items->texts.size() == lines->count("\r\n"));
    }
    if (const auto items = Headlines::ItemsOfFile(input))
        TW_FUZZ_CHECK(items->texts.size() == items->links.size());
    const Headlines::Items parsed = Headlines::Parse(input);
    TW_FUZZ_CHECK(parsed.texts.size() == parsed.links.size());
    TW_FUZZ_CHECK(Headlines::DecodeReferences(input).size() <= input.size() * 4);
    return 0;
}
