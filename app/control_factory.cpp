#include "app/control_factory.h"

#include "app/fit_width_validator.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

QComboBox* CreateEditableComboBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A Windows drop-down combo box never completes what is typed into it from its list.
    combo->setCompleter(nullptr);
    combo->setValidator(new FitWidthValidator(combo->lineEdit()));
    return combo;
}

QWidget* CreateWidget(const ControlTemplate& control, QWidget* parent) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::DropDownList:
        return new QComboBox(parent);
    case ControlKind::DropDown:
        return CreateEditableComboBox(parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::AutoRadioButton:
        return new QRadioButton(text, parent);
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::StaticText: {
        // Plain text always: some labels show what the device sends, which must never be read as markup.
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        return label;
    }
    case ControlKind::EtchedHorzLine: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    return nullptr;
}

void Place(QWidget* widget, const ControlTemplate& control, const DialogUnits& units) {
    QRect rect = units.ToPixels(QRect(control.x, control.y, control.width, control.height));
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // The template's height spans the field and its dropped list, whose rows are the font's height.
        const int height = combo->sizeHint().height();
        combo->setMaxVisibleItems(std::max(1, (rect.height() - height) / combo->fontMetrics().height()));
        rect.setHeight(height);
    }
    widget->setGeometry(rect);
}

} // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
    QWidget* widget = CreateWidget(control, parent);
    Place(widget, control, units);
    if (control.id != kNoControlId) {
        widget->setObjectName(QString::number(control.id));
    }
    if ((control.flags & kTabStop) == 0) {
        widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(widget->focusPolicy() & ~Qt::TabFocus));
    }
    return widget;
}
