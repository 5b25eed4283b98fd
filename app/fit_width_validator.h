#pragma once

#include "app/typing_limit_validator.h"

// Refuses typing that would make a field's text wider than the field, so the text never scrolls out of view.
class FitWidthValidator : public TypingLimitValidator {
    Q_OBJECT

public:
    explicit FitWidthValidator(QLineEdit* edit);

protected:
    bool Fits(const QString& text) const override;
};
