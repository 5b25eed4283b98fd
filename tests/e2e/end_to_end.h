#pragma once

#include "app/CTQ73setDlg.h"
#include "sim/device.h"
#include "sim/server.h"
#include "testbed/testbed.h"
#include "tests/support/recording_reporter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

// The real window in a umockdev testbed, with the simulated TQ-73 plugged in at ttyACM0 and served on the pty
// behind its node. Plug and unplug reach the window as udev events, through its own watcher and notifier.
// Failures are recorded, unless a test asks for real message boxes.
class EndToEnd : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window as the user finds it; with real message boxes, failures open modal boxes as in the program.
    void OpenWindow(bool realMessageBoxes = false);

    // Plug and unplug wait until the window has seen the change. Unplugged, the TQ-73 has no power: it
    // sends nothing more, and its line hangs up.
    void Plug(FakeDevice device = FakeDevice::Tq73);
    void Unplug(FakeDevice device = FakeDevice::Tq73);
    // Unplugs the TQ-73 without waiting for the window: for another thread, while the window is busy.
    void PullThePlug();
    // The TQ-73 starts afresh, as after a reset: a reply it was still sending is cut off; its settings stay.
    void ResetDevice();

    // Runs the event loop until `done` holds; false after a few seconds without.
    static bool WaitFor(const std::function<bool()>& done);

    // Runs `action` while the next message box is open, inside its event loop, then closes the box with OK.
    // The box's text is kept in `boxTexts`.
    void WhileNextMessageBoxIsOpen(std::function<void()> action);

    QPushButton* ConnectButton() const;
    QPushButton* SetButton() const;
    QComboBox* PortList() const;
    QLabel* FirmwareText() const;
    const PortPanel& Panel(int index) const { return m_window->Panel(index); }
    bool PanelsEnabled() const;

    // The commands the device received, in order.
    std::vector<std::string> Commands() const;
    // True while this process has the TQ-73's port open, also after the node went away.
    bool PortOpen() const;

    Testbed testbed;
    tq73sim::Device device;
    RecordingReporter messages;
    std::vector<std::string> boxTexts;

private:
    std::optional<tq73sim::Server> m_server;
    std::unique_ptr<CTQ73setDlg> m_window;
};
