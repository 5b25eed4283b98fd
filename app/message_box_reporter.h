#pragma once

#include "link/reporter.h"

class QWidget;

// Shows failures in message boxes without an icon, owned by the window.
class MessageBoxReporter : public Reporter {
public:
    explicit MessageBoxReporter(QWidget* owner);

    void Show(const std::string& text) override;

private:
    QWidget* m_owner;
};
