#pragma once

#include <QValidator>

class QLineEdit;

// Refuses typing that would make a field's text wider than the field, so the text never scrolls out of view.
// Text set by the program (setText) is not validated and stays whole.
class FitWidthValidator : public QValidator {
    Q_OBJECT

public:
    explicit FitWidthValidator(QLineEdit* edit);

    State validate(QString& input, int& position) const override;

private:
    QLineEdit* m_edit;
};
