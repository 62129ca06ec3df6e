#include "OsdWindow.h"

#include <QBitmap>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Keeps the text off the very edge of the screen.
constexpr int kScreenMargin = 16;

// Line breaks become line separators; other control characters would draw as boxes.
QString DisplayText(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        if (c == QLatin1Char('\n'))
            c = QChar::LineSeparator;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    return shown;
}

} // namespace

OsdWindow::OsdWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                          | Qt::WindowDoesNotAcceptFocus)
    , m_fadeAnimation(this, QByteArrayLiteral("fade"))
{
    setWindowTitle(OsdWindowTitle());
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);

    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, &OsdWindow::startFade);
    m_fadeAnimation.setDuration(kFadeMs);
    m_fadeAnimation.setStartValue(1.0);
    m_fadeAnimation.setEndValue(0.0);
    connect(&m_fadeAnimation, &QPropertyAnimation::finished, this, &QWidget::hide);
}

qreal OsdWindow::fade() const
{
    return m_fade;
}

void OsdWindow::setFade(qreal fade)
{
    m_fade = std::clamp(fade, 0.0, 1.0);
    update();
}

void OsdWindow::showMessage(const OsdMessage& message)
{
    m_holdTimer.stop();
    m_fadeAnimation.stop();
    setFade(1.0);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen != nullptr ? screen->geometry() : QRect(0, 0, 800, 600);
    const QRect area = screenArea.adjusted(kScreenMargin, kScreenMargin, -kScreenMargin, -kScreenMargin);
    layoutText(message, area);
    if (m_path.isEmpty()) {
        hide();
        return;
    }

    const int pad = int(std::ceil(m_outline * 2.0)) + 2;
    const QRectF bounds = m_path.boundingRect();
    const QSize size(std::min(int(std::ceil(bounds.width())) + 2 * pad, area.width()),
                     std::min(int(std::ceil(bounds.height())) + 2 * pad, area.height()));
    m_path.translate(-bounds.left() + (size.width() - bounds.width()) / 2.0,
                     -bounds.top() + (size.height() - bounds.height()) / 2.0);
    setFixedSize(size);
    // Without a compositing manager the translucent background shows black; the mask
    // keeps the window to the text and its outline either way.
    QBitmap mask(size);
    mask.fill(Qt::color0);
    {
        QPainter painter(&mask);
        painter.setPen(QPen(Qt::color1, m_outline * 2.0 + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::color1);
        painter.drawPath(m_path);
    }
    setMask(mask);
    move(screenArea.center() - QPoint(size.width() / 2, size.height() / 2));
    show();
    update();
    m_holdTimer.start(int(message.displayMs));
}

void OsdWindow::layoutText(const OsdMessage& message, const QRect& area)
{
    m_path = QPainterPath();
    m_colour = QColor(int(message.colour & 0xFF), int((message.colour >> 8) & 0xFF), int((message.colour >> 16) & 0xFF));
    m_outline = std::max(2.0, message.fontSize / 12.0);

    QFont font(message.fontFace);
    font.setPixelSize(int(message.fontSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    const QFontMetricsF metrics(font);

    const qreal pad = m_outline * 2.0 + 2.0;
    const qreal width = std::max<qreal>(1.0, area.width() - 2.0 * pad);
    const qreal height = std::max<qreal>(1.0, area.height() - 2.0 * pad);

    const QString text = DisplayText(message.text);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0.0;
    // Long texts wrap to the screen's width; lines that would leave the screen are dropped.
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (y + line.height() > height)
            break;
        line.setPosition(QPointF(0.0, y));
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        if (!part.isEmpty()) {
            const qreal x = (width - metrics.horizontalAdvance(part)) / 2.0;
            m_path.addText(x, y + line.ascent(), font, part);
        }
        y += line.height();
    }
    layout.endLayout();
}

void OsdWindow::startFade()
{
    m_fadeAnimation.start();
}

void OsdWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_fade);

    // Widening, fainter strokes give a soft dark edge that reads on light and dark desktops.
    const qreal widths[] = {m_outline * 2.0, m_outline * 1.4, m_outline};
    const int alphas[] = {50, 80, 140};
    for (int i = 0; i < 3; ++i) {
        QPen pen(QColor(0, 0, 0, alphas[i]), widths[i], Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.strokePath(m_path, pen);
    }
    painter.fillPath(m_path, m_colour);
}
