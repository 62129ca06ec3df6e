#pragma once

#include "ConfigPage.h"
#include "MouseSettingsLauncher.h"

#include <QVector>

class QCheckBox;
class QLabel;
class QSpinBox;
class TarnPushButton;
class TarnSlider;

// The sensor-options page: key response (debounce), sync, lift-off distance, angle
// snapping, jitter, motion wake and sensor mode, held once for all profiles, plus the
// button that opens the desktop's mouse settings. Which sensor controls show, and where,
// follows the descriptor's SyncMode.
class TarnPointSpeed : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnPointSpeed)

public:
    enum Arrangement { LiftOnly = 0, SyncOnly = 1, AllFlags = 2 };

    explicit TarnPointSpeed(QWidget* parent = nullptr);
    ~TarnPointSpeed() override;

    void refresh(const ProfileRecord& record, quint8 sync, quint8 lift, quint8 angle, quint8 jitter,
                 quint8 debounce, quint8 wake, quint8 sensorMode);

    void refreshFrom(const SettingsRecord& settings) override;
    void retranslate() override;

    // Descriptor SyncMode 0 and 1 have their own arrangement; any other value the full one.
    static Arrangement ArrangementFor(int syncMode);
    void applyArrangement(Arrangement arrangement);
    Arrangement arrangement() const { return m_arrangement; }

    quint8 sync() const { return m_sync; }
    quint8 lift() const { return m_lift; }
    quint8 angle() const { return m_angle; }
    quint8 jitter() const { return m_jitter; }
    quint8 debounce() const { return m_debounce; }
    quint8 wake() const { return m_wake; }
    quint8 sensorMode() const { return m_sensorMode; }
    quint8 scrollspeed() const { return m_scrollspeed; }

    MouseSettingsLauncher& launcher() { return m_launcher; }

    TarnSlider* keyResponseSlider() const { return m_keySlider; }
    QLabel* keyResponseValue() const { return m_keyValue; }
    QSpinBox* wheelLinesBox() const { return m_wheelLines; }
    TarnPushButton* mouseSettingButton() const { return m_mouseSetting; }

    // The picture style of every box on the page.
    static QString CheckBoxStyleSheet();

public slots:
    void sValueChangedSlot(int s);
    void checkbtn_clicked();
    void btn_clicked();

private slots:
    void onKeyResponseChanged(int value);

private:
    QCheckBox* makeBox(const char* objectName);
    QLabel* makeLabel(const char* objectName);
    void showValues();
    // Hands the page's values to the session after each gesture.
    void storeEdits();
    void setBoxes(const QVector<QCheckBox*>& boxes, int checkedIndex);

    quint8 m_sync = 0;
    quint8 m_lift = 2;
    quint8 m_angle = 1;
    quint8 m_jitter = 1;
    quint8 m_debounce = 1;
    quint8 m_wake = 1;
    quint8 m_sensorMode = 1;
    quint8 m_mousespeed = 0;
    quint8 m_scrollspeed = 0;
    Arrangement m_arrangement = LiftOnly;

    QLabel* m_keyLabel = nullptr;
    TarnSlider* m_keySlider = nullptr;
    QLabel* m_keyValue = nullptr;
    QCheckBox* m_syncBox = nullptr;
    QLabel* m_liftLabel = nullptr;
    QCheckBox* m_lift1 = nullptr;
    QCheckBox* m_lift2 = nullptr;
    QCheckBox* m_angleBox = nullptr;
    QCheckBox* m_jitterBox = nullptr;
    QCheckBox* m_wakeBox = nullptr;
    QLabel* m_modeLabel = nullptr;
    QVector<QCheckBox*> m_modeBoxes;   // Eco, Standard, Competitive = mode 0, 1, 2
    TarnPushButton* m_mouseSetting = nullptr;
    QSpinBox* m_wheelLines = nullptr;
    MouseSettingsLauncher m_launcher;
};
