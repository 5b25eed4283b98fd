// The GINF check over any payload, in both code pages: a code page selector byte, then the payload.

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "protocol/decimal.h"
#include "protocol/fields.h"
#include "protocol/identification.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace {

// The version in hundredths that a firmware text shows, read back: "Firmware Version -1.23" is -123.
bool ReadBack(std::string_view text, std::int64_t& hundredths) {
    constexpr std::string_view kPrefix = "Firmware Version ";
    if (!text.starts_with(kPrefix)) {
        return false;
    }
    text.remove_prefix(kPrefix.size());
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0 || text.size() != dot + 3 || text.starts_with('-')) {
        return false;
    }
    std::int64_t whole = 0;
    int fraction = 0;
    const auto [wholeEnd, wholeError] = std::from_chars(text.data(), text.data() + dot, whole);
    const auto [fractionEnd, fractionError] =
        std::from_chars(text.data() + dot + 1, text.data() + text.size(), fraction);
    if (wholeError != std::errc() || wholeEnd != text.data() + dot || fractionError != std::errc() ||
        fractionEnd != text.data() + text.size() || text[dot + 1] == '-') {
        return false;
    }
    hundredths = (negative ? -1 : 1) * (whole * 100 + fraction);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const CodePage codePage = CodePageFrom(data[0]);
    const std::string_view payload = AsText(data + 1, size - 1);
    const Identification id = CheckIdentification(payload, codePage);

    // "TQ-73" is ASCII, so a comma right after it always ends field 0.
    const bool model = payload == kModelName || payload.starts_with(std::string(kModelName) + ",");
    const FieldList fields = SplitFields(payload, codePage);
    if (!model) {
        FUZZ_REQUIRE(id.status == Identification::Status::OtherModel && id.firmwareText.empty());
    } else if (fields.size() < 3) {
        FUZZ_REQUIRE(id.status == Identification::Status::TooFewFields && id.firmwareText.empty());
    } else {
        FUZZ_REQUIRE(id.status == Identification::Status::Supported);
        std::int64_t shown = 0;
        FUZZ_REQUIRE(ReadBack(id.firmwareText, shown) && shown == ParseDecimal(fields[2]));
    }
    return 0;
}
