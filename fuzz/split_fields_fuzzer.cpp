// SplitFields over any payload, in both code pages: a code page selector byte, then the payload.

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "protocol/fields.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const CodePage codePage = CodePageFrom(data[0]);
    const std::string_view payload = AsText(data + 1, size - 1);
    const FieldList fields = SplitFields(payload, codePage);

    const auto isSeparator = [&](std::size_t pos) {
        return payload[pos] == ',' && IsAsciiCharacterAt(payload, pos, codePage);
    };
    std::size_t separators = 0;
    for (std::size_t pos = 0; pos < payload.size(); ++pos) {
        separators += isSeparator(pos) ? 1 : 0;
    }
    FUZZ_REQUIRE(fields.size() == separators + 1);
    if (codePage == CodePage::Utf8) {
        FUZZ_REQUIRE(fields.size() == static_cast<std::size_t>(std::count(payload.begin(), payload.end(), ',')) + 1);
    }
    // Every cut is at a comma that is a character of its own, and nothing is lost or added around the cuts.
    std::size_t pos = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FUZZ_REQUIRE(payload.substr(pos, fields[i].size()) == fields[i]);
        pos += fields[i].size();
        if (i + 1 < fields.size()) {
            FUZZ_REQUIRE(pos < payload.size() && isSeparator(pos));
            ++pos;
        }
    }
    FUZZ_REQUIRE(pos == payload.size());
    return 0;
}
