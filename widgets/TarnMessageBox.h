#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <functional>

class QLabel;
class QTimer;
class QToolButton;

// The program's modal message box: style 1 asks with "Yes"/"No", styles 2-4 notify
// with "Ok". With the plug-in flag it confirms itself once a mouse is connected.
class TarnMessageBox : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnMessageBox)

public:
    enum Style { Question = 1, Warning = 2, Notice = 3, Dongle = 4 };

    TarnMessageBox(int style, const QString& title, const QString& text1, const QString& text2 = QString(),
                   QWidget* parent = nullptr, bool plugIn = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~TarnMessageBox() override;

    // 1 when confirmed (button or plug-in check), 0 when cancelled.
    int exec() override;

    // Builds, runs and returns one frameless box.
    static int Show(int style, const QString& title, const QString& text1, const QString& text2 = QString(),
                    QWidget* parent = nullptr, bool plugIn = false);

    // Tests answer boxes through this: while set, exec() returns its result instead of blocking.
    static void SetAnswerHook(std::function<int(TarnMessageBox&)> hook);

    int style() const { return m_style; }
    QString text1() const { return m_text1; }
    QString text2() const { return m_text2; }
    bool closedByItself() const { return m_closedByItself; }

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap iconPixmap() const;

    const int m_style;
    const QString m_text1;
    const QString m_text2;
    QPixmap m_background;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QToolButton* m_yesButton = nullptr;
    QToolButton* m_noButton = nullptr;
    QTimer* m_plugInTimer = nullptr;
    bool m_closedByItself = false;
};
