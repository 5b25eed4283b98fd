#pragma once

#include "protocol/code_page.h"

#include <string>
#include <string_view>
#include <vector>

using FieldList = std::vector<std::string>;

// Cuts a reply payload at commas. Empty fields are kept: n commas always give n + 1 fields.
FieldList SplitFields(std::string_view payload, CodePage codePage = SystemCodePage());
