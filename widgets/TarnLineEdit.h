#pragma once

#include <QLineEdit>

// A line edit that reports losing the keyboard focus, so edits can be taken on leaving.
class TarnLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnLineEdit)

public:
    explicit TarnLineEdit(QWidget* parent = nullptr);
    explicit TarnLineEdit(const QString& text, QWidget* parent = nullptr);
    ~TarnLineEdit() override;

signals:
    void tarnLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
