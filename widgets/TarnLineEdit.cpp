#include "TarnLineEdit.h"

TarnLineEdit::TarnLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

TarnLineEdit::TarnLineEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
}

TarnLineEdit::~TarnLineEdit() = default;

void TarnLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit tarnLostFocus();
}
