#include "protocol/fields.h"

FieldList SplitFields(std::string_view payload, CodePage codePage) {
    FieldList fields;
    std::size_t pos = 0;
    for (std::size_t comma; (comma = FindInCodePage(payload, ",", codePage, pos)) != std::string_view::npos;) {
        fields.emplace_back(payload.substr(pos, comma - pos));
        pos = comma + 1;
    }
    fields.emplace_back(payload.substr(pos));
    return fields;
}
