#include "protocol/identification.h"

#include "protocol/decimal.h"
#include "protocol/fields.h"

#include <cstdio>
#include <cstdlib>

Identification CheckIdentification(std::string_view payload, CodePage codePage) {
    const FieldList fields = SplitFields(payload, codePage);
    if (fields[0] != kModelName) {
        return {Identification::Status::OtherModel, {}};
    }
    if (fields.size() < 3) {
        return {Identification::Status::TooFewFields, {}};
    }
    return {Identification::Status::Supported, FirmwareVersionText(ParseDecimal(fields[2]))};
}

std::string FirmwareVersionText(std::int32_t hundredths) {
    // The sign is written once, in front: -123 reads "-1.23", never "-1.-23".
    const long long magnitude = std::llabs(static_cast<long long>(hundredths));
    char text[48];
    std::snprintf(text, sizeof text, "Firmware Version %s%lld.%02lld", hundredths < 0 ? "-" : "", magnitude / 100,
                  magnitude % 100);
    return text;
}
