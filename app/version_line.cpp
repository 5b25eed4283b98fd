#include "app/version_line.h"

#include "protocol/messages.h"

std::string VersionLine(const std::optional<FileVersion>& version) {
    if (!version) {
        return {};
    }
    if (version->revision != 0) {
        return msg::Format(msg::kVersionLineWithRevision, version->major, version->minor, version->build,
                           version->revision);
    }
    return msg::Format(msg::kVersionLine, version->major, version->minor, version->build);
}
