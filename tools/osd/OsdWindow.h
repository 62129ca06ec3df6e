#pragma once

#include "OsdMessage.h"

#include <QColor>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>

// The frameless, click-through window that shows one message at a time, centred on the
// primary screen, and fades it out after its display time.
class OsdWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal fade READ fade WRITE setFade)

public:
    explicit OsdWindow(QWidget* parent = nullptr);

    // Replaces whatever is shown; an empty text just hides the window.
    void showMessage(const OsdMessage& message);

    qreal fade() const;
    void setFade(qreal fade);

    static constexpr int kFadeMs = 400;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(OsdWindow)

    void layoutText(const OsdMessage& message, const QRect& area);
    void startFade();

    QPainterPath m_path;
    QColor m_colour;
    qreal m_outline = 2.0;
    qreal m_fade = 1.0;
    QTimer m_holdTimer;
    QPropertyAnimation m_fadeAnimation;
};
