#pragma once

#include "app/typing_limit_validator.h"

// Refuses typing beyond a number of characters, as Windows' EM_LIMITTEXT does, without cutting a longer text
// that the program sets (which QLineEdit::setMaxLength would).
class LengthLimitValidator : public TypingLimitValidator {
    Q_OBJECT

public:
    LengthLimitValidator(QLineEdit* edit, int maxLength);

protected:
    bool Fits(const QString& text) const override;

private:
    int m_maxLength;
};
