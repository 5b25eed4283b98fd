// The line settings and flow-control characters replies over any payload, in both code pages: a code page
// selector byte, then the payload.

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "protocol/fields.h"
#include "protocol/port_settings.h"

#include <cstdint>
#include <span>
#include <string>

namespace {

void CheckCodeIndex(std::span<const char* const> codes, const std::string& field) {
    const int index = CodeIndex(codes, field);
    FUZZ_REQUIRE(index >= -1 && index < static_cast<int>(codes.size()));
    FUZZ_REQUIRE(index == -1 || field == codes[static_cast<std::size_t>(index)]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const CodePage codePage = CodePageFrom(data[0]);
    const std::string_view payload = AsText(data + 1, size - 1);
    const FieldList fields = SplitFields(payload, codePage);

    const auto settings = ParseLineSettings(payload, codePage);
    FUZZ_REQUIRE(settings.has_value() == (fields.size() >= 7));
    if (settings) {
        FUZZ_REQUIRE(settings->rate == fields[1] && settings->dataBits == fields[2] && settings->parity == fields[3] &&
                     settings->stopBits == fields[4] && settings->flow == fields[5] &&
                     settings->rateError == fields[6]);
        CheckCodeIndex(kDataBitsCodes, settings->dataBits);
        CheckCodeIndex(kParityCodes, settings->parity);
        CheckCodeIndex(kStopBitsCodes, settings->stopBits);
        CheckCodeIndex(kFlowCodes, settings->flow);
        FUZZ_REQUIRE(RateInfoText(settings->rateError) == "bps (" + settings->rateError + " %)");
    }

    const auto characters = ParseFlowCharacters(payload, codePage);
    FUZZ_REQUIRE(characters.has_value() == (fields.size() >= 3));
    if (characters) {
        FUZZ_REQUIRE(characters->xon == fields[1] && characters->xoff == fields[2]);
    }
    return 0;
}
