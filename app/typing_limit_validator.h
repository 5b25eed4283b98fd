#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Limits what the user can type into a field, never what the program puts there: a text set by the program
// (setText, or a combo box taking an item's text) is accepted whole, and typing after it is still limited.
// Deleting is always allowed, so a long text set by the program can be shortened. Subclasses say which texts
// fit.
class TypingLimitValidator : public QValidator {
    Q_OBJECT

public:
    explicit TypingLimitValidator(QLineEdit* edit);

    State validate(QString& input, int& position) const override;

protected:
    QLineEdit* Edit() const { return m_edit; }
    virtual bool Fits(const QString& text) const = 0;

private:
    QLineEdit* m_edit;
    QString m_shownText; // the field's text before the change being validated
};
