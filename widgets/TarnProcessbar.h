#pragma once

#include <QProgressBar>

// The battery bar: a white bar with an accent chunk, or all grey while the mouse is off.
class TarnProcessbar : public QProgressBar
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnProcessbar)

public:
    explicit TarnProcessbar(QWidget* parent = nullptr);
    ~TarnProcessbar() override;

    void setOffStyle();
    void setNormalStyle();

    static QString OffStyleSheet();
    static QString NormalStyleSheet();
};
