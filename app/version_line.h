#pragma once

#include "app/file_version.h"

#include <optional>
#include <string>

// The version line at the bottom of the window: "Version 1.00" for 1.0.0.0, "Version 1.005" for 1.0.0.5 (the
// revision is shown only when it is not 0). Empty when there is no version to show.
std::string VersionLine(const std::optional<FileVersion>& version);
