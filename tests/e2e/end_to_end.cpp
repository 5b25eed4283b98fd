#include "tests/e2e/end_to_end.h"

#include "tests/support/process_usage.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <stdlib.h>
#include <thread>

void EndToEnd::SetUp() {
    ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run";
    ASSERT_TRUE(testbed.Plug(FakeDevice::Tq73));
    ResetDevice();
}

void EndToEnd::TearDown() {
    m_window.reset();
    m_server.reset();
}

void EndToEnd::OpenWindow(bool realMessageBoxes) {
    m_window = std::make_unique<CTQ73setDlg>();
    if (!realMessageBoxes) {
        m_window->SetReporter(messages);
    }
    m_window->show();
}

void EndToEnd::Plug(FakeDevice fake) {
    const int before = PortList()->count();
    ASSERT_TRUE(testbed.Plug(fake));
    if (fake == FakeDevice::Tq73) {
        ResetDevice();
    }
    ASSERT_TRUE(WaitFor([&] { return PortList()->count() > before; })) << "the arrival did not reach the window";
}

void EndToEnd::Unplug(FakeDevice fake) {
    const int before = PortList()->count();
    if (fake == FakeDevice::Tq73) {
        PullThePlug();
    } else {
        testbed.Unplug(fake);
    }
    ASSERT_TRUE(WaitFor([&] { return PortList()->count() < before; })) << "the removal did not reach the window";
}

void EndToEnd::PullThePlug() {
    m_server.reset();
    testbed.Unplug(FakeDevice::Tq73);
}

void EndToEnd::ResetDevice() {
    // The server that was serving stops before the new one starts.
    m_server.emplace(device, testbed.MasterFd(FakeDevice::Tq73));
}

bool EndToEnd::WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void EndToEnd::WhileNextMessageBoxIsOpen(std::function<void()> action) {
    auto* poll = new QTimer(m_window.get());
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, action = std::move(action)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll->stop();
        boxTexts.push_back(box->text().toStdString());
        action();
        box->accept();
        poll->deleteLater();
    });
    poll->start(10);
}

QPushButton* EndToEnd::ConnectButton() const {
    return m_window->findChild<QPushButton*>("1001");
}
QPushButton* EndToEnd::SetButton() const {
    return m_window->findChild<QPushButton*>("1033");
}
QComboBox* EndToEnd::PortList() const {
    return m_window->findChild<QComboBox*>("1000");
}
QLabel* EndToEnd::FirmwareText() const {
    return m_window->findChild<QLabel*>("1002");
}

bool EndToEnd::PanelsEnabled() const {
    bool enabled = SetButton()->isEnabled();
    for (int p = 0; p < 2; ++p) {
        enabled = enabled && Panel(p).rate->isEnabled() && Panel(p).xon->isEnabled() &&
                  Panel(p).parity[2]->isEnabled() && Panel(p).labels[0]->isEnabled();
    }
    return enabled;
}

std::vector<std::string> EndToEnd::Commands() const {
    std::vector<std::string> commands;
    for (const tq73sim::WireLine& line : device.transcript()) {
        if (line.direction == tq73sim::WireLine::Direction::Received) {
            commands.push_back(line.bytes);
        }
    }
    return commands;
}

bool EndToEnd::PortOpen() const {
    char terminal[64];
    if (ptsname_r(testbed.MasterFd(FakeDevice::Tq73), terminal, sizeof terminal) != 0) {
        return false;
    }
    return std::ranges::any_of(OpenDescriptors(),
                               [&](const auto& descriptor) { return descriptor.second == terminal; });
}
