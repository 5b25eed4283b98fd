#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

// What a message box showed, seen while it was open.
struct CaughtBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat textFormat;
    const QWidget* owner;
    bool modal;
};

// Plays the user who reads each message box that opens while it exists and presses OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();

    const std::vector<CaughtBox>& Boxes() const { return m_boxes; }

private:
    void CloseOpenBox();

    QTimer m_timer;
    std::vector<CaughtBox> m_boxes;
};
