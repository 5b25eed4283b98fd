#pragma once

#include <cstdint>

// Operations that can fail return 0 or the generic failure value; callers test only the sign.
using Result = std::int32_t;

inline constexpr Result kResultOk = 0;
inline constexpr Result kResultFail = static_cast<Result>(0x80004005u);

constexpr bool Failed(Result result) {
    return result < 0;
}
