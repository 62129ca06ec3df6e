#pragma once

#include <QLabel>

// A label that reports a left click with EnterSignal.
class TarnLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnLabel)

public:
    explicit TarnLabel(QWidget* parent = nullptr);
    explicit TarnLabel(const QString& text, QWidget* parent = nullptr);
    ~TarnLabel() override;

signals:
    void EnterSignal(TarnLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
