#include "tests/app/message_box_catcher.h"

#include <QApplication>
#include <QPushButton>

MessageBoxCatcher::MessageBoxCatcher() {
    // A box runs its own event loop, in which this timer goes on firing.
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { CloseOpenBox(); });
    m_timer.start();
}

void MessageBoxCatcher::CloseOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    m_boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->textFormat(),
                       box->parentWidget(), box->isModal()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();
    }
}
