#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QToolButton;
class QVBoxLayout;

// The frameless look the button dialogs share with the message box: dlg.png, an accent
// frame, a title line, a content area and the OK and Cancel buttons.
class TarnSkinDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnSkinDialog)

public:
    // width and height at scale 1.0.
    TarnSkinDialog(const QString& title, int width, int height, QWidget* parent = nullptr);
    ~TarnSkinDialog() override;

    QString title() const;
    QToolButton* yesButton() const { return m_yesButton; }
    QToolButton* noButton() const { return m_noButton; }

    // An option drawn with the round skin pictures (off, on).
    static QCheckBox* MakeOption(const QString& text, QWidget* parent);
    // Field, label and slider texts in the interface font.
    static QString TextStyleSheet();
    static QString FieldStyleSheet();

public slots:
    // Accepts only what acceptable() lets through; a refusal keeps the dialog open.
    void OnYesClick();
    void OnNoClick();

protected:
    // Subclasses refuse input that would bind a function the mouse cannot carry out.
    virtual bool acceptable() { return true; }
    // Shows a refusal in the program's warning box.
    void refuse(const QString& text);
    // Where subclasses put their controls.
    QVBoxLayout* contentLayout() const { return m_content; }
    // Runs the dialog, or hands it to a test hook that drives it without an event loop.
    int runExec(const std::function<void()>& hook);

    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
    QLabel* m_titleLabel = nullptr;
    QVBoxLayout* m_content = nullptr;
    QToolButton* m_yesButton = nullptr;
    QToolButton* m_noButton = nullptr;
};
