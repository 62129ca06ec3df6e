#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;
class QTimer;

// The small modal busy dialog shown while a worker thread writes to the mouse; the
// thread's completion signal, queued to slotProcessDlg(), closes it with result 1.
class TarnProcessDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnProcessDialog)

public:
    explicit TarnProcessDialog(QWidget* parent = nullptr);
    ~TarnProcessDialog() override;

    int exec() override;
    // The animation's source: the compiled-in resource, else <app>/skin/loading.gif, else empty.
    static QString LoadingAnimationPath();
    bool hasAnimation() const { return m_movie != nullptr; }

public slots:
    void slotProcessDlg();
    void updateProgress();
    // Only the end of the work closes the dialog: Escape or a close request must not
    // hand the window back while the worker still runs.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap m_background;
    QLabel* m_animationLabel = nullptr;
    QMovie* m_movie = nullptr;
    QTimer* m_spinTimer = nullptr;    // drives the painted spinner when there is no animation
    int m_spinStep = 0;
    bool m_finished = false;
};
