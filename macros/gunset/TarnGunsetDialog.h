#pragma once

#include "GunMacro.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QVector>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QSpinBox;
class QToolButton;
class TarnLineEdit;
class TarnMenu;
class TarnPushButton;

// The gun set: per shot of a burst of up to five, a pause and a vertical and horizontal pull,
// turned into a macro of left clicks, pointer steps and delays.
class TarnGunsetDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnGunsetDialog)

public:
    explicit TarnGunsetDialog(QWidget* parent = nullptr);
    ~TarnGunsetDialog() override;

    // What the macro page's "GUN SET" button runs: refuses at 50 macros, shows the dialog and,
    // once accepted, writes the macro under a free name and adds it to the macro list.
    // True with savedName set when a macro was created; the page then reloads its list and
    // loads savedName.
    static bool Run(QWidget* parent, QString& savedName);

    // The name as accepted (trimmed); empty before acceptance.
    QString gunFileName() const { return m_gunFileName; }
    int bulletCount() const { return m_bulletCount; }
    // The spin boxes of the shots in use, in shot order.
    QVector<GunShot> shots() const;
    // The event list built on acceptance.
    QVector<MacroEvent> events() const { return m_events; }
    // Writes the accepted events as the macro file of name.
    bool WriteGunMacroFile(const QString& name) const;

    TarnLineEdit* nameField() const { return m_nameField; }
    TarnPushButton* bulletButton() const { return m_bulletButton; }
    TarnMenu* bulletMenu() const { return m_bulletMenu; }
    QAction* bulletAction(int index) const;
    QSpinBox* delayBox(int shot) const;
    QSpinBox* verticalBox(int shot) const;
    QSpinBox* horizontalBox(int shot) const;
    QToolButton* yesButton() const { return m_yesButton; }
    QToolButton* noButton() const { return m_noButton; }

    int exec() override;
    // Tests drive the dialog through this instead of an event loop; exec() returns what its clicks decided.
    static void SetExecHook(std::function<void(TarnGunsetDialog&)> hook);

public slots:
    void OnYesClick();
    void OnNoClick();
    // 1..5 shots: shows their spin boxes, hides the others and repaints the bullets.
    void setBulletCount(int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void build();
    void applyShape();
    QSpinBox* makeSpinBox(int minimum, int maximum, int value, int shot, int row);
    QLabel* makeCaption(const QString& text, int y);
    QString bulletText(int count) const;

    QPixmap m_background;
    QPixmap m_bullet;
    TarnLineEdit* m_nameField = nullptr;
    TarnPushButton* m_bulletButton = nullptr;
    TarnMenu* m_bulletMenu = nullptr;
    std::array<QAction*, kMaxGunShots> m_bulletActions{};
    std::array<QSpinBox*, kMaxGunShots> m_delayBoxes{};
    std::array<QSpinBox*, kMaxGunShots> m_verticalBoxes{};
    std::array<QSpinBox*, kMaxGunShots> m_horizontalBoxes{};
    QToolButton* m_yesButton = nullptr;
    QToolButton* m_noButton = nullptr;

    int m_bulletCount = kDefaultGunShots;
    QString m_gunFileName;
    QVector<MacroEvent> m_events;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
