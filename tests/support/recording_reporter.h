#pragma once

#include "link/reporter.h"

#include <string>
#include <vector>

class RecordingReporter : public Reporter {
public:
    void Show(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};
