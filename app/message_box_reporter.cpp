#include "app/message_box_reporter.h"

#include "app/message_box.h"

MessageBoxReporter::MessageBoxReporter(QWidget* owner) : m_owner(owner) {}

void MessageBoxReporter::Show(const std::string& text) {
    ShowMessageBox(m_owner, QMessageBox::NoIcon, QString::fromStdString(text));
}
