#pragma once

#include <string>

namespace tq73sim {

// What --help prints: every option and every error number the device answers with.
std::string HelpText();

} // namespace tq73sim
