#pragma once

#include "SettingsRecord.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QTranslator>
#include <QVector>
#include <QWidget>
#include <array>
#include <memory>

class AppProfileSwitcher;
class ConfigPage;
class FrontWindowSource;
class LowBatteryWatch;
class DeviceLock;
class DeviceWatcher;
class OsdSender;
class ProfileManager;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class TarnGetBatteryThread;
class TarnLineEdit;
class TarnProcessbar;
class TarnPushButton;

// The single top-level window: header with battery and connection state, profile
// controls, page tabs and page area, and the device session behind them.
class MousecfgWidget : public QWidget
{
    Q_OBJECT

public:
    enum Tab { LightingTab = 0, CustomizeTab = 1, DpiTab = 2, MacroTab = 3, TabCount = 4 };

    explicit MousecfgWidget(QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // Pages plug in here: shown while their tab is chosen, refreshed, collected, retranslated.
    void addPage(int tab, ConfigPage* page, const QRect& geometryAtScale1);
    const QVector<ConfigPage*>& pages() const { return m_pages; }
    int currentTab() const { return m_currentTab; }

    // Instead of showing: stays in the tray (minimised where there is none), no warning.
    void startMinimized();

    int connectedCount() const { return m_connectedCount; }
    int connectionState() const { return m_connectionState; }
    int batteryPercent() const { return m_batteryPercent; }
    QString batteryText() const;
    bool chargingShown() const;
    ProfileManager& profiles();

    // Applies the session's record behind the busy dialog; shows the failure message.
    // Returns the result: 0 only when the mouse holds what was applied.
    quint8 StartWrite(bool writeAll = false);

    static constexpr int kHotspotCount = 20;
    // The header selection: (index, group) with group 0 front, 1 side, 2 wheel buttons.
    int selectedButton() const { return m_selectedIndex; }
    int selectedGroup() const { return m_selectedGroup; }

signals:
    void OsdTextSignal(const QString& text);
    // The user picked a button on the picture; the button page follows.
    void SelBtnSignal(quint8 iBtn, quint8 iType);

public slots:
    void slotWarning();
    void slotWarnClose();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void switchPage(int tab);
    void onApply();
    void onOk();
    void onCancel();
    void onReset();
    void onResetAll();
    void onFirmwareUpdate();
    void switchLanguage(int index);
    void switchSlot(int slot);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // The programs whose windows choose a profile.
    void onAppRules();
    void showRequested();
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    void slotGotoMacro(quint8 iBtn);
    void slotPopOneClickBox();
    // Hovering a button's row shows the picture with that button lit.
    void slotMouseOver(int index, bool bType);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void onMouseArrived(const QString& path, bool complete);
    void onMouseRemoved(const QString& path, bool allGone);
    void onProfileNameEntered();
    void onAddProfile();
    void onCopyProfile();
    void onDeleteProfile();
    void onExportProfile();
    void onImportProfile();
    void onSaveConfig();
    void onLoadConfig();
    void onPickStored(const QString& name);

private:
    Q_DISABLE_COPY(MousecfgWidget)

    void BuildUi();
    TarnPushButton* MakeButton(const char* text, const QRect& geometry, const QStringList& pixmaps = {});
    void Retranslate();
    void LoadTranslation(int index);
    void RefreshMouseList();
    void StartSession();
    void StartPoller();
    void StopPoller();
    void RestartLink();
    void OpenLink();
    void ShowPendingNoAccess();
    void RetryAppSwitch();
    void CloseLink();
    void ReloadSettings();
    void RefreshPages();
    void RefreshProfileControls();
    void RebuildProfileMenus();
    void UpdateConnectionState();
    void UpdateMousePicture();
    void LoadHotspots();
    void ShowSelection();
    void UpdateTrayToolTip();
    // Out of sight: hidden with a tray to bring it back, else minimised.
    void PutAway();
    void SendOsd(const QString& text);
    void ShowWarning(const QString& text);
    bool Ask(const QString& text);
    void ShowOutcomeMessage(const QString& message);

    double m_scale = 1.0;
    int m_connectedCount = 0;
    int m_connectionState = 3;
    quint8 m_charging = 0;
    int m_batteryPercent = 0;
    bool m_warningShowing = false;
    bool m_connectionBoxOpen = false;  // "Dongle Disconnect!" is on screen
    bool m_frontView = true;
    int m_currentTab = 0;
    int m_langId = 0;
    bool m_writing = false;          // a write runs behind the busy dialog
    bool m_statusPending = false;    // a status report came in meanwhile
    std::array<quint8, 3> m_pendingStatus{};
    QPoint m_dragOffset;
    bool m_dragging = false;

    QPixmap m_background, m_batteryDongle, m_batteryCable;
    QVector<ConfigPage*> m_pages;
    QVector<int> m_pageTabs;
    TarnPushButton* m_tabs[TabCount] = {};
    TarnPushButton* m_modelButton = nullptr;
    TarnPushButton* m_languageButton = nullptr;
    TarnPushButton* m_slotButton = nullptr;
    TarnPushButton* m_listButton = nullptr;
    QMenu* m_modelMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_slotMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    TarnLineEdit* m_nameEdit = nullptr;
    TarnProcessbar* m_batteryBar = nullptr;
    QLabel* m_batteryLabel = nullptr;
    QLabel* m_chargingIcon = nullptr;
    QLabel* m_mousePicture = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_slotIndicators[kProfileCount] = {};
    QToolButton* m_hotspots[2][kHotspotCount] = {};
    TarnPushButton* m_wheelButtons[2] = {};
    QRect m_hotspotRects[2][kHotspotCount];  // in picture pixels; empty: no such button
    int m_selectedIndex = 0;
    int m_selectedGroup = 0;
    double m_pictureFactor = 1.0;
    QPoint m_pictureOffset;
    QVector<QPair<QWidget*, const char*>> m_texts;  // widgets whose text is a translatable caption
    QVector<QWidget*> m_headerControls;

    std::unique_ptr<DeviceWatcher> m_watcher;
    // Held while linked: one program at a time talks to the mouse.
    std::unique_ptr<DeviceLock> m_deviceLock;
    QTimer* m_linkRetry = nullptr;     // the mouse was taken: try again
    QString m_linkProblem;             // "IN USE" / "NO ACCESS" shown in the battery area
    QString m_noAccessShown;           // the node the no-permission message was shown for
    QString m_noAccessPending;         // that message, waiting for the window to be on screen
    QPointer<TarnGetBatteryThread> m_poller;
    QTimer* m_warningTimer = nullptr;  // one pending connection check, however often it is asked for
    OsdSender* m_osd = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QAction* m_trayLoad = nullptr;
    QAction* m_trayQuit = nullptr;
    QAction* m_trayAutostart = nullptr;
    QAction* m_trayAppRules = nullptr;
    TarnPushButton* m_appRulesButton = nullptr;
    // The program in front and the profile it chooses; warnings of a low battery.
    std::unique_ptr<FrontWindowSource> m_frontWindow;
    std::unique_ptr<AppProfileSwitcher> m_appSwitcher;
    std::unique_ptr<LowBatteryWatch> m_batteryWatch;
    std::unique_ptr<QTranslator> m_translator;
};
