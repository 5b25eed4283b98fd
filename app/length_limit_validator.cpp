#include "app/length_limit_validator.h"

LengthLimitValidator::LengthLimitValidator(QLineEdit* edit, int maxLength)
    : TypingLimitValidator(edit), m_maxLength(maxLength) {}

bool LengthLimitValidator::Fits(const QString& text) const {
    return text.size() <= m_maxLength;
}
