#pragma once

#include "app/CTQ73setDlg.h"

#include <QTest>
#include <gtest/gtest.h>

// The window shown and active with its panels enabled, as when a device is connected, so that keys and focus
// behave as they do for a user.
class ActiveWindow : public ::testing::Test {
protected:
    explicit ActiveWindow(PortEnumeration ports) : m_dialog(std::move(ports)) {}

    void SetUp() override {
        m_dialog.EnableControls(true);
        m_dialog.show();
        m_dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
    }

    template <typename Control = QWidget> Control* Find(int id) {
        auto* control = m_dialog.findChild<Control*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    CTQ73setDlg m_dialog;
};
