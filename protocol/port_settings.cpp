#include "protocol/port_settings.h"

#include "protocol/fields.h"

std::optional<LineSettings> ParseLineSettings(std::string_view payload, CodePage codePage) {
    FieldList f = SplitFields(payload, codePage);
    if (f.size() < 7) {
        return std::nullopt;
    }
    return LineSettings{std::move(f[1]), std::move(f[2]), std::move(f[3]),
                        std::move(f[4]), std::move(f[5]), std::move(f[6])};
}

std::optional<FlowCharacters> ParseFlowCharacters(std::string_view payload, CodePage codePage) {
    FieldList f = SplitFields(payload, codePage);
    if (f.size() < 3) {
        return std::nullopt;
    }
    return FlowCharacters{std::move(f[1]), std::move(f[2])};
}

int CodeIndex(std::span<const char* const> codes, std::string_view field) {
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (field == codes[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string RateInfoText(std::string_view rateError) {
    return "bps (" + std::string(rateError) + " %)";
}

std::string LineSettingsQuery(int panel) {
    return std::string("GBRT") + kPortLetters[panel];
}

std::string FlowCharactersQuery(int panel) {
    return std::string("GXCH") + kPortLetters[panel];
}
