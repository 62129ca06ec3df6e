#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

// Image button of tabs, header and menus: normal, hover and pressed pictures, a latching
// checkable mode, and the signals EnterSignal (pressed) and OverSignal (hover in or out).
class TarnPushButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnPushButton)

public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit TarnPushButton(QWidget* parent = nullptr);
    // Skin file names below <app>/skin/: normal, then optionally hover and pressed.
    explicit TarnPushButton(const QString& normal, QWidget* parent = nullptr);
    TarnPushButton(const QString& normal, const QString& hover, QWidget* parent = nullptr);
    TarnPushButton(const QString& normal, const QString& hover, const QString& pressed, QWidget* parent = nullptr);
    explicit TarnPushButton(const QList<QPixmap>& pixmaps, QWidget* parent = nullptr);
    ~TarnPushButton() override;

    // One to three pictures (normal, hover, pressed); more are ignored.
    void setPixmaps(const QList<QPixmap>& pixmaps);
    void setPixmapFiles(const QStringList& skinFiles);
    QList<QPixmap> pixmaps() const { return m_pixmaps; }

    int state() const { return m_state; }
    bool hoverPending() const { return m_hoverPending; }
    // The picture the current state draws (null without pictures).
    QPixmap currentPixmap() const;

    QSize sizeHint() const override;

    // The caption as it is drawn: in a smaller font when the full one does not fit, and
    // elided (with the whole caption as tool tip) when even the smallest does not.
    struct Caption
    {
        QFont font;
        QString text;
    };
    Caption fittedCaption() const;

signals:
    void EnterSignal(TarnPushButton* button);
    void OverSignal(TarnPushButton* button, bool bType);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void nextCheckState() override;

private slots:
    void onToggled(bool checked);

private:
    void init();
    int restingState() const;
    void setState(int state);
    QColor paintColorMode(QPainter& painter) const;   // returns the text colour for that look

    QList<QPixmap> m_pixmaps;
    int m_state = Normal;
    bool m_hoverPending = true;
    bool m_toggledByPress = false;
    bool m_inPressToggle = false;
    QFont m_textFont;
    QColor m_accent;
};
