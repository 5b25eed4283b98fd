#pragma once

#include <string>

// Shows a failure to the user where it is detected. The window shows a modal message box, so a call may run
// a nested event loop and return only after the user closed it.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Show(const std::string& text) = 0;
};
