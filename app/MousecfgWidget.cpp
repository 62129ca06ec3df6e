#include "MousecfgWidget.h"
#include "AppProfileSwitcher.h"
#include "AppRulesDialog.h"
#include "DesktopNotifier.h"
#include "LowBatteryWatch.h"
#include "X11FrontWindowSource.h"

#include "AppPaths.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "ConfigPage.h"
#include "Descriptor.h"
#include "DesktopAutostart.h"
#include "DeviceLock.h"
#include "DeviceWatcher.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "IniFile.h"
#include "KeyTables.h"
#include "MouseSession.h"
#include "OsdMessage.h"
#include "PointerSpeed.h"
#include "ProfileManager.h"
#include "ProfileWriter.h"
#include "SensorDpi.h"
#include "TarnGetBatteryThread.h"
#include "TarnLineEdit.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnProcessDialog.h"
#include "TarnProcessbar.h"
#include "TarnPushButton.h"
#include "TarnReportRate.h"
#include "UiContext.h"
#include "VirtualHidBackend.h"
#include "VirtualMouseControl.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>

#include <utility>

Q_LOGGING_CATEGORY(lcWindow, "mousecfg.window", QtWarningMsg)

namespace {

constexpr int kBaseWidth = 999;
constexpr int kBaseHeight = 640;
constexpr int kWarningDelayMs = 200;
constexpr int kRelinkDelayMs = 500;
constexpr int kLinkRetryMs = 1000;

const char* const kTabTexts[MousecfgWidget::TabCount] = {
    QT_TRANSLATE_NOOP("QObject", "LIGHTING"), QT_TRANSLATE_NOOP("QObject", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("QObject", "DPI"), QT_TRANSLATE_NOOP("QObject", "MACRO")};

QString Tr(const char* text) { return QObject::tr(text); }

QString UpdaterPath() { return SkinPath(QStringLiteral("mouse/bin/UPDATER-A-VER1.6")); }

// The window is named after the product, in every language.
QString ProductTitle()
{
    const QString product = ConfigCurrentProductName();
    return product.isEmpty() ? DescriptorProductName() : product;
}

} // namespace

MousecfgWidget::MousecfgWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MousecfgWidget"));

    int scaleIndex = 0;
    m_scale = ScaleFactorForPrimaryScreen(&scaleIndex);
    SetUiScale(m_scale);
    setMinimumSize(kBaseWidth, kBaseHeight);
    resize(Scaled(kBaseWidth), Scaled(kBaseHeight));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_background = SkinPixmap(QStringLiteral("cfgMainback.png"));
    if (!m_background.isNull())
        m_background = m_background.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_batteryDongle = SkinPixmap(QStringLiteral("bat1.png"));
    m_batteryCable = SkinPixmap(QStringLiteral("bat2.png"));

    HidTransport& transport = HidTransport::instance();
    transport.BuildDeviceTable();
    transport.EnumerateDevices();
    m_watcher = std::make_unique<DeviceWatcher>();
    if (auto* virtualBackend = dynamic_cast<VirtualHidBackend*>(&ActiveHidBackend()))
        new VirtualMouseControlServer(virtualBackend->mouse(), this);
    connect(m_watcher.get(), &DeviceWatcher::MouseArrivedSignal, this, &MousecfgWidget::onMouseArrived);
    connect(m_watcher.get(), &DeviceWatcher::MouseRemovedSignal, this, &MousecfgWidget::onMouseRemoved);

    m_langId = qBound(0, LangID(), kMaxLanguages - 1);
    SetCurrentLanguageIndex(m_langId);
    SetFrenchLanguageIndex(DescriptorFrench());
    SetColorMode(DescriptorColorMode());
    m_osd = new OsdSender(this);
    m_warningTimer = new QTimer(this);
    m_warningTimer->setSingleShot(true);
    m_warningTimer->setInterval(kWarningDelayMs);
    connect(m_warningTimer, &QTimer::timeout, this, &MousecfgWidget::slotWarning);

    BuildUi();
    RefreshMouseList();
    setWindowTitle(ProductTitle());
    LoadTranslation(m_langId);

    // Every write ends with a new poller; the call comes on the writing thread.
    MouseSession::instance().setPollerRestart(
        [this] { QMetaObject::invokeMethod(this, [this] { StartPoller(); }, Qt::QueuedConnection); });

    m_batteryWatch = std::make_unique<LowBatteryWatch>([this](int threshold, int) {
        const QString title = tr("Low battery");
        const QString text = threshold > 5 ? tr("The mouse battery is below 15%. Charge it soon.")
                                           : tr("The mouse battery is below 5% and will turn off soon. Charge it now.");
        ShowNotification(title, text, [&] {
            if (!m_tray || !QSystemTrayIcon::supportsMessages())
                return false;
            m_tray->showMessage(title, text, QSystemTrayIcon::Warning);
            return true;
        });
    });
    // Profiles follow the program in front; a write under way or an open dialog lets the change pass.
    m_frontWindow = std::make_unique<X11FrontWindowSource>();
    m_appSwitcher = std::make_unique<AppProfileSwitcher>([this](int slot) {
        // A switch nobody asked for shows no failure box: without a mouse to take it, none is made.
        if (QApplication::activeModalWidget() || m_writing || m_connectedCount == 0 || !m_linkProblem.isEmpty()
            || MouseAsleep())
            return false;
        switchSlot(slot);
        return true;
    });
    connect(m_frontWindow.get(), &FrontWindowSource::FrontWindowSignal, this,
            [this](const FrontWindow& window) { m_appSwitcher->frontWindowChanged(window); });

    StartSession();
    slotRefreshBatteryStatus(0, 1, 1);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(QIcon(SkinPath(QStringLiteral("icon.png"))), this);
        auto* menu = new TarnMenu(this);
        m_trayLoad = menu->addAction(tr("&Load Config"), this, &MousecfgWidget::slotWarning);
        QAction* autostart = menu->addAction(tr("Start with the desktop"));
        m_trayAutostart = autostart;
        autostart->setCheckable(true);
        autostart->setChecked(DesktopAutostart::IsEnabled());
        connect(autostart, &QAction::toggled, this, [autostart](bool on) {
            // The tick shows what the entry on disk says, also when writing it failed.
            if (!DesktopAutostart::SetEnabled(on, QCoreApplication::applicationFilePath())) {
                const QSignalBlocker blocker(autostart);
                autostart->setChecked(DesktopAutostart::IsEnabled());
            }
        });
        m_trayAppRules = menu->addAction(tr("&Program Profiles..."), this, &MousecfgWidget::onAppRules);
        m_trayQuit = menu->addAction(tr("&Quit"), qApp, &QCoreApplication::quit);
        m_tray->setContextMenu(menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
        m_tray->show();
        UpdateTrayToolTip();
    }
    m_warningTimer->start();
}

void MousecfgWidget::startMinimized()
{
    m_warningTimer->stop();
    if (!m_tray)
        showMinimized();
}

MousecfgWidget::~MousecfgWidget()
{
    MouseSession::instance().setPollerRestart(nullptr);
    StopPoller();
    TarnGetBatteryThread::StopAllAndWait();
    HidTransport::instance().ShutdownHid();
}

TarnPushButton* MousecfgWidget::MakeButton(const char* text, const QRect& geometry, const QStringList& pixmaps)
{
    auto* button = new TarnPushButton(this);
    button->setPixmapFiles(pixmaps.isEmpty()
                               ? QStringList{QStringLiteral("tabbutton-1.png"), QStringLiteral("tabbutton-3.png"),
                                             QStringLiteral("tabbutton-2.png")}
                               : pixmaps);
    button->setGeometry(ScaledRect(geometry.x(), geometry.y(), geometry.width(), geometry.height()));
    button->setFocusPolicy(Qt::NoFocus);
    if (text) {
        button->setText(tr(text));
        m_texts.append({button, text});
    }
    m_headerControls.append(button);
    return button;
}

void MousecfgWidget::BuildUi()
{
    const QString product = DescriptorProductName();
    m_titleLabel = new QLabel(product, this);
    m_titleLabel->setGeometry(ScaledRect(30, 26, 260, 30));
    m_titleLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    QFont titleFont = InterfaceFont();
    titleFont.setPixelSize(Scaled(20));
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_versionLabel = new QLabel(this);
    m_versionLabel->setGeometry(ScaledRect(30, 52, 260, 16));
    m_versionLabel->setStyleSheet(QStringLiteral("color: rgb(150,150,150);"));

    for (int t = 0; t < TabCount; ++t) {
        m_tabs[t] = MakeButton(kTabTexts[t], QRect(300 + 92 * t, 33, 88, 24));
        m_tabs[t]->setCheckable(true);
        connect(m_tabs[t], &QPushButton::clicked, this, [this, t] { switchPage(t); });
    }

    m_modelButton = MakeButton(nullptr, QRect(670, 33, 100, 20));
    m_modelMenu = new TarnMenu(this);
    m_modelButton->setMenu(m_modelMenu);
    connect(m_modelMenu, &QMenu::triggered, this, [this](QAction* action) {
        StopPoller();
        HidTransport::instance().CloseDevice();
        SetConfigCurrentProductName(action->text());
        m_modelButton->setText(action->text());
        slotWarnClose();
    });

    m_languageButton = MakeButton(nullptr, QRect(774, 33, 105, 20), {QStringLiteral("lang.png")});
    m_languageMenu = new TarnMenu(this);
    for (int i = 0; i < LanguageCount(); ++i)
        m_languageMenu->addAction(LanguageName(i))->setData(i);
    m_languageButton->setMenu(m_languageMenu);
    m_languageButton->setText(LanguageName(m_langId));
    m_languageButton->setVisible(LanguageCount() >= 2);
    connect(m_languageMenu, &QMenu::triggered, this, [this](QAction* a) { switchLanguage(a->data().toInt()); });

    auto* minimize = MakeButton(nullptr, QRect(900, 33, 19, 19),
                                {QStringLiteral("min-1.png"), QStringLiteral("min-2.png"), QStringLiteral("min-3.png")});
    connect(minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    auto* close = MakeButton(nullptr, QRect(924, 33, 19, 19),
                             {QStringLiteral("close-1.png"), QStringLiteral("close-2.png"), QStringLiteral("close-3.png")});
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    m_mousePicture = new QLabel(this);
    m_mousePicture->setGeometry(ScaledRect(0, 80, 280, 360));
    m_mousePicture->setAlignment(Qt::AlignCenter);
    for (int group = 0; group < 2; ++group) {
        for (int i = 0; i < kHotspotCount; ++i) {
            auto* spot = new QToolButton(this);
            spot->setFocusPolicy(Qt::NoFocus);
            spot->setAutoRaise(true);
            spot->hide();
            connect(spot, &QToolButton::clicked, this, [this, i, group] {
                SelBtnChanged(quint8(i), quint8(group));
                emit SelBtnSignal(quint8(i), quint8(group));
            });
            m_hotspots[group][i] = spot;
        }
    }
    for (int w = 0; w < 2; ++w) {
        m_wheelButtons[w] = MakeButton(nullptr, QRect(236, 128 + 30 * w, 30, 20));
        m_wheelButtons[w]->setCheckable(true);
        connect(m_wheelButtons[w], &QPushButton::clicked, this, [this, w] {
            SelBtnChanged(quint8(w), 2);
            emit SelBtnSignal(quint8(w), 2);
        });
    }
    auto* front = MakeButton(QT_TRANSLATE_NOOP("QObject", "Front"), QRect(50, 445, 84, 22));
    auto* side = MakeButton(QT_TRANSLATE_NOOP("QObject", "Side"), QRect(146, 445, 84, 22));
    front->setCheckable(true);
    side->setCheckable(true);
    front->setChecked(true);
    connect(front, &QPushButton::clicked, this, [this, front, side] {
        m_frontView = true;
        front->setChecked(true);
        side->setChecked(false);
        UpdateMousePicture();
    });
    connect(side, &QPushButton::clicked, this, [this, front, side] {
        m_frontView = false;
        front->setChecked(false);
        side->setChecked(true);
        UpdateMousePicture();
    });

    // Profile controls in the lower left.
    m_slotButton = MakeButton(nullptr, QRect(68, 478 - 26, 152, 24), {QStringLiteral("profilesel.png")});
    m_slotButton->setGeometry(ScaledRect(40, 505, 152, 24));
    m_slotMenu = new TarnMenu(this);
    m_slotButton->setMenu(m_slotMenu);
    connect(m_slotMenu, &QMenu::triggered, this, [this](QAction* a) { switchSlot(a->data().toInt()); });
    m_nameEdit = new TarnLineEdit(this);
    m_nameEdit->setGeometry(ScaledRect(40, 479, 134, 22));
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setPlaceholderText(tr("Press Enter To Apply"));
    m_nameEdit->setStyleSheet(QStringLiteral("background: rgb(30,30,32); color: white; border: 1px solid rgb(80,80,80);"));
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::onProfileNameEntered);
    m_headerControls.append(m_nameEdit);
    m_listButton = MakeButton(nullptr, QRect(176, 479, 24, 22), {QStringLiteral("profile_apply1.png")});
    m_listMenu = new TarnMenu(this);
    m_listButton->setMenu(m_listMenu);
    connect(m_listMenu, &QMenu::triggered, this, [this](QAction* a) { onPickStored(a->text()); });
    auto* importButton = MakeButton(nullptr, QRect(206, 479, 24, 22), {QStringLiteral("profile_export1.png")});
    connect(importButton, &QPushButton::clicked, this, &MousecfgWidget::onImportProfile);
    auto* exportButton = MakeButton(nullptr, QRect(234, 479, 24, 22),
                                    {QStringLiteral("profile_import1.png"), QStringLiteral("profile_import2.png")});
    connect(exportButton, &QPushButton::clicked, this, &MousecfgWidget::onExportProfile);
    for (int i = 0; i < kProfileCount; ++i) {
        m_slotIndicators[i] = new QLabel(this);
        m_slotIndicators[i]->setGeometry(ScaledRect(200 + 14 * i, 511, 10, 10));
    }

    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "ADD"), QRect(40, 540, 60, 24)), &QPushButton::clicked, this,
            &MousecfgWidget::onAddProfile);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "COPY"), QRect(104, 540, 60, 24)), &QPushButton::clicked, this,
            &MousecfgWidget::onCopyProfile);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "DELETE"), QRect(168, 540, 70, 24)), &QPushButton::clicked, this,
            &MousecfgWidget::onDeleteProfile);
    // Which profile each program brings to the front; also in the tray menu.
    m_appRulesButton = MakeButton(nullptr, QRect(244, 541, 24, 22),
                                  {QStringLiteral("profile_apps1.png"), QStringLiteral("profile_apps2.png")});
    m_appRulesButton->setObjectName(QStringLiteral("programProfiles"));
    m_appRulesButton->setToolTip(tr("Program Profiles"));
    connect(m_appRulesButton, &QPushButton::clicked, this, &MousecfgWidget::onAppRules);

    // Write and configuration buttons along the bottom of the page area.
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "RESET"), QRect(300, 560, 100, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onReset);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "Reset All"), QRect(406, 560, 120, 26)), &QPushButton::clicked,
            this, &MousecfgWidget::onResetAll);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "LOAD1"), QRect(532, 560, 90, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onLoadConfig);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "SAVE"), QRect(628, 560, 100, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onSaveConfig);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "Firmware Update"), QRect(300, 596, 200, 26)),
            &QPushButton::clicked, this, &MousecfgWidget::onFirmwareUpdate);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "OK"), QRect(700, 596, 76, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onOk);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "Cancel"), QRect(782, 596, 76, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onCancel);
    connect(MakeButton(QT_TRANSLATE_NOOP("QObject", "Apply"), QRect(864, 596, 76, 26)), &QPushButton::clicked, this,
            &MousecfgWidget::onApply);

    m_batteryBar = new TarnProcessbar(this);
    m_batteryBar->setGeometry(ScaledRect(76, 594, 66, 21));
    m_batteryBar->setRange(0, 100);
    m_batteryLabel = new QLabel(this);
    m_batteryLabel->setGeometry(ScaledRect(160, 594, 120, 21));
    m_batteryLabel->setStyleSheet(QStringLiteral("color: rgb(200,200,200); font-weight: bold;"));
    m_chargingIcon = new QLabel(this);
    m_chargingIcon->setGeometry(ScaledRect(160, 585, 26, 40));
    m_chargingIcon->setPixmap(SkinPixmap(QStringLiteral("lightning.png")).scaled(Scaled(26), Scaled(40),
                                                                                Qt::KeepAspectRatio,
                                                                                Qt::SmoothTransformation));
    m_chargingIcon->hide();
}

void MousecfgWidget::addPage(int tab, ConfigPage* page, const QRect& geometryAtScale1)
{
    page->setParent(this);
    page->setGeometry(ScaledRect(geometryAtScale1.x(), geometryAtScale1.y(), geometryAtScale1.width(),
                                 geometryAtScale1.height()));
    m_pages.append(page);
    m_pageTabs.append(tab);
    page->setVisible(tab == m_currentTab);
    page->refreshFrom(CurrentSettings());
}

void MousecfgWidget::switchPage(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return;
    // Without lighting the first page is the button page.
    if (tab == LightingTab && DescriptorLedDisable())
        tab = CustomizeTab;
    m_currentTab = tab;
    for (int t = 0; t < TabCount; ++t)
        m_tabs[t]->setChecked(t == tab);
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(m_pageTabs[i] == tab);
    ShowSelection();
    m_tabs[LightingTab]->setVisible(!DescriptorLedDisable());
    m_tabs[MacroTab]->setVisible(!DescriptorDisableMacro());
}

void MousecfgWidget::RefreshPages()
{
    for (ConfigPage* page : m_pages)
        page->refreshFrom(CurrentSettings());
    RefreshProfileControls();
    update();
}

void MousecfgWidget::RefreshProfileControls()
{
    const int slot = profiles().currentSlot();
    m_slotButton->setText(profiles().slotName(slot));
    m_nameEdit->setText(profiles().slotName(slot));
    for (int i = 0; i < kProfileCount; ++i) {
        const QColor color = i == slot ? AccentQColor() : QColor(90, 90, 90);
        m_slotIndicators[i]->setStyleSheet(QStringLiteral("background: %1; border-radius: %2px;")
                                               .arg(color.name())
                                               .arg(Scaled(5)));
        m_slotIndicators[i]->setToolTip(profiles().slotName(i));
    }
    RebuildProfileMenus();
}

void MousecfgWidget::RebuildProfileMenus()
{
    m_slotMenu->clear();
    for (int i = 0; i < kProfileCount; ++i)
        m_slotMenu->addAction(profiles().slotName(i))->setData(i);
    m_listMenu->clear();
    for (const QString& name : profiles().storedList())
        m_listMenu->addAction(name);
}

void MousecfgWidget::Retranslate()
{
    setWindowTitle(ProductTitle());
    if (m_trayLoad)
        m_trayLoad->setText(tr("&Load Config"));
    if (m_trayQuit)
        m_trayQuit->setText(tr("&Quit"));
    if (m_trayAutostart)
        m_trayAutostart->setText(tr("Start with the desktop"));
    if (m_trayAppRules)
        m_trayAppRules->setText(tr("&Program Profiles..."));
    for (const auto& entry : m_texts)
        if (auto* button = qobject_cast<QAbstractButton*>(entry.first))
            button->setText(Tr(entry.second));
    m_nameEdit->setPlaceholderText(tr("Press Enter To Apply"));
    m_appRulesButton->setToolTip(tr("Program Profiles"));
    m_versionLabel->setText(tr("Version") + QLatin1Char(' ') + DescriptorVersion());
    for (ConfigPage* page : m_pages)
        page->retranslate();
    if (m_batteryPercent >= 0 && !m_batteryLabel->text().isEmpty())
        m_batteryLabel->setText(tr("MOUSE OFF"));
}

void MousecfgWidget::LoadTranslation(int index)
{
    // A file that does not load keeps the translation and texts in use.
    auto translator = std::make_unique<QTranslator>();
    const QString file = LanguageFile(index);
    if (!file.isEmpty() && translator->load(AppDir() + QStringLiteral("/lang/") + file)) {
        if (m_translator)
            qApp->removeTranslator(m_translator.get());
        m_translator = std::move(translator);
        qApp->installTranslator(m_translator.get());
    }
    Retranslate();
}

void MousecfgWidget::switchLanguage(int index)
{
    if (index < 0 || index >= LanguageCount())
        return;
    m_langId = index;
    SetCurrentLanguageIndex(index);
    m_languageButton->setText(LanguageName(index));
    SetLangID(index);
    LoadTranslation(index);
}

void MousecfgWidget::RefreshMouseList()
{
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    const bool connected = (e.found[0] && e.found[1]) || (e.found[2] && e.found[3]);
    m_connectedCount = connected ? 1 : 0;
    SetConnectedMouseCount(m_connectedCount);
    m_modelMenu->clear();
    if (connected)
        m_modelMenu->addAction(QString::fromLatin1(e.name));
    m_modelButton->setVisible(m_connectedCount >= 2);
    SetConfigCurrentProductName(connected ? QString::fromLatin1(e.name) : QString());
}

void MousecfgWidget::StartSession()
{
    const QString product = ConfigCurrentProductName();
    OpenLink();
    profiles().setProduct(product);
    ReloadSettings();
    // A desktop without a readable pointer speed keeps the profile's stored one.
    const int speed = ActivePointerSpeed().read();
    if (speed > 0)
        CurrentSettings().active().mousespeed = quint8(speed);
    UpdateMousePicture();
    switchPage(LightingTab);
    RefreshPages();
    UpdateConnectionState();
}

void MousecfgWidget::ReloadSettings()
{
    MouseSession::instance().load();
    // A first start lists the slots' profiles, so they can be picked and deleted.
    profiles().listSlotProfiles();
    WriteDefaultProfileFile();
}

void MousecfgWidget::StartPoller()
{
    StopPoller();
    if (!HidTransport::instance().hasControlHandle())
        return;
    auto* poller = new TarnGetBatteryThread;
    connect(poller, &TarnGetBatteryThread::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus);
    connect(poller, &TarnGetBatteryThread::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    connect(poller, &TarnGetBatteryThread::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus);
    connect(poller, &QThread::finished, poller, &QObject::deleteLater);
    m_poller = poller;
    poller->start();
}

void MousecfgWidget::StopPoller()
{
    // The poller leaves by itself; the handle lock keeps it off closed handles.
    if (m_poller)
        m_poller->stop();
    m_poller = nullptr;
}

void MousecfgWidget::RestartLink()
{
    StopPoller();
    HidTransport::instance().CloseDevice();
    QTimer::singleShot(kRelinkDelayMs, this, [this] {
        OpenLink();
        UpdateConnectionState();
    });
}

void MousecfgWidget::OpenLink()
{
    const QString product = ConfigCurrentProductName();
    if (product.isEmpty())
        return;
    auto wanted = std::make_unique<DeviceLock>(DeviceLock::MouseLockName(product, ActiveHidBackendIdentity()));
    if (!m_deviceLock || m_deviceLock->path() != wanted->path())
        m_deviceLock = std::move(wanted);
    if (!m_deviceLock->lock()) {
        // A command-line write is running (or another program holds the mouse): wait for it.
        m_linkProblem = tr("IN USE");
        if (!m_linkRetry) {
            m_linkRetry = new QTimer(this);
            m_linkRetry->setSingleShot(true);
            m_linkRetry->setInterval(kLinkRetryMs);
            connect(m_linkRetry, &QTimer::timeout, this, [this] {
                if (m_connectedCount == 0 || HidTransport::instance().hasControlHandle())
                    return;
                OpenLink();
                UpdateConnectionState();
            });
        }
        m_linkRetry->start();
        return;
    }
    m_linkProblem.clear();
    HidTransport::instance().OpenDevice(product.toLatin1());
    const QString denied = HidTransport::instance().noAccessPath();
    if (!denied.isEmpty()) {
        m_linkProblem = tr("NO ACCESS");
        // Said once per node, not at every replug.
        if (denied != m_noAccessShown) {
            m_noAccessShown = denied;
            m_noAccessPending = denied;
            ShowPendingNoAccess();
        }
    }
    StartPoller();
}

void MousecfgWidget::ShowPendingNoAccess()
{
    // Shown over the window, not before it: a box shown while the window is still hidden
    // ends up beneath it once the window appears.
    if (m_noAccessPending.isEmpty() || !isVisible())
        return;
    QTimer::singleShot(0, this, [this] {
        const QString denied = std::exchange(m_noAccessPending, QString());
        if (!denied.isEmpty())
            ShowWarning(NoAccessMessage(denied));
    });
}

void MousecfgWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ShowPendingNoAccess();
}

void MousecfgWidget::CloseLink()
{
    StopPoller();
    HidTransport::instance().CloseDevice();
    if (m_deviceLock)
        m_deviceLock->unlock();
    m_linkProblem.clear();
}

void MousecfgWidget::onMouseArrived(const QString& path, bool complete)
{
    qCDebug(lcWindow) << "arrived" << path << complete;
    SetConfigDiff(1);
    if (complete) {
        const bool wasEmpty = m_connectedCount == 0;
        RefreshMouseList();
        if (wasEmpty) {
            QTimer::singleShot(kWarningDelayMs, this, &MousecfgWidget::slotWarnClose);
            return;
        }
        RestartLink();
    }
    UpdateConnectionState();
}

void MousecfgWidget::onMouseRemoved(const QString& path, bool allGone)
{
    qCDebug(lcWindow) << "removed" << path << allGone;
    RefreshMouseList();
    if (allGone || m_connectedCount == 0) {
        CloseLink();
        slotRefreshBatteryStatus(0, 1, 1);
        m_warningShowing = true;
        UpdateConnectionState();
        m_warningTimer->start();
        return;
    }
    RestartLink();
    UpdateConnectionState();
}

void MousecfgWidget::slotWarning()
{
    show();
    if (m_connectionBoxOpen) {
        // The box already asks: bring it forward instead of stacking another.
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->raise();
            box->activateWindow();
        }
        return;
    }
    if (m_connectedCount != 0) {
        activateWindow();
        raise();
        // A message already open (no permission for the mouse) stays in front of the window.
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->raise();
            box->activateWindow();
        }
        m_warningShowing = false;
        return;
    }
    m_warningShowing = true;
    m_connectionBoxOpen = true;
    TarnMessageBox::Show(TarnMessageBox::Dongle, tr("Warning"), tr("Dongle Disconnect!"), QString(), this, true);
    m_connectionBoxOpen = false;
    if (m_connectedCount == 0)
        PutAway();
    m_warningShowing = false;
}

void MousecfgWidget::slotWarnClose()
{
    StartSession();
    show();
    activateWindow();
}

void MousecfgWidget::UpdateConnectionState()
{
    if (!m_linkProblem.isEmpty()) {
        // Found but not ours to use: said where the battery would be.
        m_batteryBar->setOffStyle();
        m_batteryBar->setTextVisible(false);
        m_batteryLabel->setText(m_linkProblem);
        m_chargingIcon->hide();
    }
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    const bool dongle = e.found[1];
    const bool cable = e.found[3];
    if (cable && dongle)
        m_connectionState = 1;
    else if (cable)
        m_connectionState = 0;
    else if (dongle)
        m_connectionState = m_charging ? 1 : 2;
    else
        m_connectionState = 3;
    if (cable && m_batteryLabel->text().isEmpty()) {
        m_batteryBar->setFormat(QString());
        m_batteryBar->setValue(100);
    }
    UpdateTrayToolTip();
    RetryAppSwitch();
    update();
}

void MousecfgWidget::RetryAppSwitch()
{
    // A program came to the front while a write ran or the mouse could not take its
    // profile: it gets it now, if it is still in front.
    if (!m_appSwitcher || !m_appSwitcher->waiting() || !m_frontWindow || !m_frontWindow->available())
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_appSwitcher->waiting())
            m_appSwitcher->frontWindowChanged(m_frontWindow->frontWindow());
    });
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    if (!iCharge && !iLowByte && !iHiByte) {
        m_batteryBar->setOffStyle();
        m_batteryBar->setTextVisible(false);
        m_batteryBar->setFormat(tr("MOUSE OFF"));
        m_batteryLabel->setText(tr("MOUSE OFF"));
        m_chargingIcon->hide();
        MouseAsleep() = true;
        UpdateConnectionState();
        return;
    }
    MouseAsleep() = false;
    m_batteryLabel->clear();
    m_batteryBar->setNormalStyle();
    if (m_connectedCount == 0 || !m_linkProblem.isEmpty()) {
        // No mouse (or none we may use), no level: nothing is shown or stored until one reports.
        m_batteryBar->setTextVisible(false);
        m_batteryBar->setFormat(QString());
        m_batteryBar->setValue(0);
        m_chargingIcon->hide();
        UpdateConnectionState();
        return;
    }
    m_batteryBar->setTextVisible(true);
    const bool cable = HidTransport::instance().table().entries[0].found[3];
    m_batteryBar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    m_charging = iCharge;
    m_chargingIcon->setVisible(iCharge != 0);
    const int percent = BatteryPercent(iLowByte, iHiByte, ConfigBatteryFull());
    if (percent != m_batteryPercent) {
        m_batteryPercent = percent;
        SetConfigBattery(percent);
    }
    m_batteryBar->setValue(cable ? 100 : percent);
    if (!cable)
        m_batteryWatch->reading(BatteryReserve(iLowByte, iHiByte, ConfigBatteryFull()), iCharge != 0);
    UpdateConnectionState();
}

QString MousecfgWidget::batteryText() const
{
    return m_batteryLabel->text().isEmpty() ? m_batteryBar->text() : m_batteryLabel->text();
}

bool MousecfgWidget::chargingShown() const { return !m_chargingIcon->isHidden(); }

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8)
{
    // A report that arrives while a write runs (the busy dialog's event loop) waits for
    // its end: the record is the writing thread's until then.
    if (m_writing) {
        m_pendingStatus = {iProfile, iDPI, iRate};
        m_statusPending = true;
        return;
    }
    // The session takes what the mouse chose and keeps every other edit.
    const StatusChange change = MouseSession::instance().mouseStatus(iProfile, iDPI, iRate);
    if (!change.profile && !change.level && !change.rate)
        return;
    RefreshPages();
    if (change.profile) {
        ApplyProfilePointerSpeed(CurrentSettings().active().mousespeed);
        // The mouse holds one profile's levels, buttons and lighting: send the new one's.
        StartWrite(true);
    }
    const ProfileRecord& active = CurrentSettings().active();
    if (change.level) {
        const int dpi = StepToDpi(ConfigMouseSensor(), int(active.DPI_INFO[active.dpi].x));
        SendOsd(tr("DPI") + QStringLiteral(" %1:%2").arg(active.dpi + 1).arg(dpi));
    }
    if (change.rate)
        SendOsd(TarnReportRate::RateText(active.pollrate));
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        SetConfigDiff(1);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    const SettingsRecord& s = CurrentSettings();
    slotRefreshStatus(iProfile, s.active().dpi, s.active().pollrate, 0);
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    const SettingsRecord& s = CurrentSettings();
    slotRefreshStatus(s.ProfileID, iDPI, s.active().pollrate, 0);
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    const SettingsRecord& s = CurrentSettings();
    slotRefreshStatus(s.ProfileID, s.active().dpi, iRate, 0);
}

void MousecfgWidget::SendOsd(const QString& text)
{
    OsdMessage message;
    message.text = text;
    const QColor accent = AccentQColor();
    message.colour = OsdColour(quint8(accent.red()), quint8(accent.green()), quint8(accent.blue()));
    m_osd->send(message);
    emit OsdTextSignal(text);
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    for (QWidget* control : m_headerControls)
        control->setEnabled(bEnable);
}

void MousecfgWidget::slotLiftChange(quint8 iLift) { MouseSession::instance().setLift(iLift); }

quint8 MousecfgWidget::StartWrite(bool writeAll)
{
    MouseSession& session = MouseSession::instance();
    if (m_writing)
        return WriteResult::Busy;
    m_writing = true;
    TarnProcessDialog dialog(this);
    auto* thread = new TarnProcessThread([&session, writeAll] { return session.apply(writeAll); });
    connect(thread, &TarnProcessThread::DoProcessDlg, &dialog, &TarnProcessDialog::slotProcessDlg,
            Qt::QueuedConnection);
    thread->start();
    const int accepted = dialog.exec();
    thread->wait();
    const quint8 result = thread->result();
    delete thread;
    m_writing = false;
    RetryAppSwitch();
    if (m_statusPending) {
        m_statusPending = false;
        const std::array<quint8, 3> status = m_pendingStatus;
        QTimer::singleShot(0, this, [this, status] { slotRefreshStatus(status[0], status[1], status[2], 0); });
    }
    if (result == WriteResult::Stale) {
        // Another program stored settings since they were loaded: they are shown again.
        RefreshPages();
        ShowWarning(session.lastWriteError());
    } else if (accepted == 1 && result != 0) {
        ShowWarning(session.lastWriteError());
    }
    return result;
}

void MousecfgWidget::onApply()
{
    StartWrite();
}

void MousecfgWidget::onOk()
{
    StartWrite();
    PutAway();
}

void MousecfgWidget::onCancel()
{
    PutAway();
    MouseSession::instance().cancel();
    RefreshPages();
}

void MousecfgWidget::onReset()
{
    if (!Ask(tr("Are you sure you want reset this profile?")))
        return;
    MouseSession::instance().resetProfile();
    Retranslate();
    RefreshPages();
    StartWrite();
}

void MousecfgWidget::onResetAll()
{
    if (!Ask(tr("Are you sure you want reset all profiles?")))
        return;
    MouseSession::instance().resetAll();
    RefreshPages();
    StartWrite(true);
}

void MousecfgWidget::switchSlot(int slot)
{
    if (slot < 0 || slot >= kProfileCount)
        return;
    // The mouse holds the active profile: making one active writes it.
    MouseSession::instance().selectSlot(slot);
    RefreshPages();
    ApplyProfilePointerSpeed(CurrentSettings().active().mousespeed);
    StartWrite();
}

void MousecfgWidget::onAppRules()
{
    AppRulesDialog dialog(m_frontWindow.get(), this);
    dialog.exec();
}

void MousecfgWidget::ShowWarning(const QString& text)
{
    TarnMessageBox::Show(TarnMessageBox::Warning, tr("Warning"), text, QString(), this);
}

bool MousecfgWidget::Ask(const QString& text)
{
    return TarnMessageBox::Show(TarnMessageBox::Question, tr("Warning"), text, QString(), this) == 1;
}

void MousecfgWidget::ShowOutcomeMessage(const QString& message)
{
    if (!message.isEmpty())
        ShowWarning(QCoreApplication::translate("QObject", message.toUtf8().constData()));
}

ProfileManager& MousecfgWidget::profiles() { return MouseSession::instance().profiles(); }

void MousecfgWidget::onPickStored(const QString& name)
{
    ShowOutcomeMessage(
        MouseSession::instance().profileOperation(-1, [&](ProfileManager& m) { return m.pickStored(name); }).message);
    RefreshPages();
}

void MousecfgWidget::onAddProfile()
{
    ShowOutcomeMessage(
        MouseSession::instance().profileOperation(-1, [](ProfileManager& m) { return m.addProfile(); }).message);
    RefreshPages();
}

void MousecfgWidget::onCopyProfile()
{
    ShowOutcomeMessage(
        MouseSession::instance().profileOperation(-1, [](ProfileManager& m) { return m.copyCurrent(); }).message);
    RefreshPages();
}

void MousecfgWidget::onProfileNameEntered()
{
    const QString name = m_nameEdit->text().trimmed();
    const auto outcome =
        MouseSession::instance().profileOperation(-1, [&](ProfileManager& m) { return m.renameCurrent(name); });
    ShowOutcomeMessage(outcome.message);
    RefreshProfileControls();
}

void MousecfgWidget::onDeleteProfile()
{
    const auto check = profiles().checkDelete();
    if (!check.ok()) {
        ShowOutcomeMessage(check.message);
        return;
    }
    if (!Ask(tr("Are you sure you want delete this profile?")))
        return;
    ShowOutcomeMessage(
        MouseSession::instance().profileOperation(-1, [](ProfileManager& m) { return m.deleteCurrent(); }).message);
    RefreshPages();
}

void MousecfgWidget::onExportProfile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Profile File"), QString(),
                                                      tr("Profile File(*.prof)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    auto outcome = MouseSession::instance().exportProfile(-1, path, false);
    if (outcome.result == ProfileManager::Result::TargetExists) {
        if (!Ask(tr("The file already exists. Replace it?")))
            return;
        outcome = MouseSession::instance().exportProfile(-1, path, true);
    }
    ShowOutcomeMessage(outcome.message);
}

void MousecfgWidget::onImportProfile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Profile File"), QString(),
                                                      tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    const auto outcome =
        MouseSession::instance().profileOperation(-1, [&](ProfileManager& m) { return m.importProfile(path); });
    ShowOutcomeMessage(outcome.message);
    RefreshPages();
    if (outcome.ok())
        StartWrite();
}

void MousecfgWidget::onSaveConfig()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Config File"), QString(),
                                                      tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    ShowOutcomeMessage(profiles().saveConfiguration(path).message);
}

void MousecfgWidget::onLoadConfig()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Config File"), QString(),
                                                      tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    const auto outcome = profiles().loadConfiguration(path);
    if (!outcome.ok()) {
        ShowOutcomeMessage(outcome.message);
        return;
    }
    switchPage(LightingTab);
    RefreshPages();
    StartWrite();
}

void MousecfgWidget::onFirmwareUpdate()
{
    if (!HidTransport::instance().table().entries[0].found[2]) {
        ShowWarning(tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (!Ask(tr("Do you want to upgrade the firmware?")))
        return;
    StopPoller();
    const QString updater = UpdaterPath();
    // Without the updater the program stays, and says why.
    if (!QFileInfo(updater).isExecutable() || !QProcess::startDetached(updater, {updater})) {
        ShowWarning(tr("The firmware updater could not be started."));
        StartPoller();
        return;
    }
    std::exit(0);
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
        return;
    if (isHidden())
        slotWarning();
    else if (!m_warningShowing)
        hide();
}

void MousecfgWidget::showRequested()
{
    showNormal();
    slotWarning();
}

void MousecfgWidget::UpdateTrayToolTip()
{
    if (!m_tray)
        return;
    // The name and what the battery area shows: a percentage, "MOUSE OFF", or nothing
    // without a mouse or on the cable.
    const QString product = ConfigCurrentProductName().isEmpty() ? DescriptorProductName() : ConfigCurrentProductName();
    const QString battery = batteryText();
    m_tray->setToolTip(battery.isEmpty() ? product : QStringLiteral("%1 %2").arg(product, battery));
}

void MousecfgWidget::UpdateMousePicture()
{
    const QString product = ConfigCurrentProductName().isEmpty() ? DescriptorProductName()
                                                                 : ConfigCurrentProductName();
    const QString file = m_frontView ? QStringLiteral("mouse/%1/Mouse.png").arg(product)
                                     : QStringLiteral("mouse/%1_Side.png").arg(product);
    const QPixmap picture = SkinPixmap(file);
    QPixmap shown;
    if (!picture.isNull())
        shown = picture.scaled(m_mousePicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_mousePicture->setPixmap(shown);
    m_pictureFactor = picture.isNull() ? 1.0 : double(shown.width()) / picture.width();
    m_pictureOffset = m_mousePicture->geometry().topLeft()
        + QPoint((m_mousePicture->width() - shown.width()) / 2, (m_mousePicture->height() - shown.height()) / 2);

    // Wheel pictures differ by product family.
    static const QStringList alternativeWheels = {
        QStringLiteral("QUARRY2"),   QStringLiteral("MERIDIAN"),  QStringLiteral("CASCADE"),
        QStringLiteral("TUNDRA FPS"), QStringLiteral("TUNDRA"),   QStringLiteral("BASALT"),
        QStringLiteral("BASALT3"),   QStringLiteral("LANTERN"),   QStringLiteral("7301"),
        QStringLiteral("K430-RGB"),  QStringLiteral("7301-P5151"), QStringLiteral("DRIFTWOOD"),
        QStringLiteral("K215"),      QStringLiteral("K216"),      QStringLiteral("K220-RGB"),
        QStringLiteral("ORCHARD"),   QStringLiteral("K221-PRO"),  QStringLiteral("K221-RGB"),
        QStringLiteral("K221-RGB2"), QStringLiteral("HARBOR2"),   QStringLiteral("THIMBLE2"),
        QStringLiteral("CANOPY")};
    const bool alternative = alternativeWheels.contains(ConfigCurrentProductName());
    m_wheelButtons[0]->setPixmapFiles(alternative ? QStringList{QStringLiteral("btn_up4.png"), QStringLiteral("btn_up3.png")}
                                                  : QStringList{QStringLiteral("btn_up2.png"), QStringLiteral("btn_up1.png")});
    m_wheelButtons[1]->setPixmapFiles(alternative ? QStringList{QStringLiteral("btn_down4.png"), QStringLiteral("btn_down3.png")}
                                                  : QStringList{QStringLiteral("btn_down2.png"), QStringLiteral("btn_down1.png")});
    LoadHotspots();
}

void MousecfgWidget::LoadHotspots()
{
    const QString product = ConfigCurrentProductName().isEmpty() ? DescriptorProductName()
                                                                 : ConfigCurrentProductName();
    auto ini = OpenIni(SkinPath(QStringLiteral("mouse/%1/Hotspots.ini").arg(product)));
    static const char* const groups[2] = {"Front/", "Side/"};
    for (int group = 0; group < 2; ++group) {
        for (int i = 0; i < kHotspotCount; ++i) {
            // "x,y,w,h" unquoted reads as a list of four.
            const QStringList parts = ini->value(QLatin1String(groups[group]) + QString::number(i + 1))
                                          .toStringList();
            QRect rect;
            if (parts.size() == 4) {
                bool ok[4] = {};
                const int x = parts[0].toInt(&ok[0]), y = parts[1].toInt(&ok[1]);
                const int w = parts[2].toInt(&ok[2]), h = parts[3].toInt(&ok[3]);
                // Picture coordinates only: anything else would put a button anywhere.
                if (ok[0] && ok[1] && ok[2] && ok[3] && x >= 0 && y >= 0 && w > 0 && h > 0 && x + w <= 2000
                    && y + h <= 2000)
                    rect = QRect(x, y, w, h);
            }
            m_hotspotRects[group][i] = rect;
        }
    }
    ShowSelection();
}

void MousecfgWidget::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    if (iType > 2 || iBtn >= kHotspotCount || (iType == 2 && iBtn > 1))
        return;
    m_selectedIndex = iBtn;
    m_selectedGroup = iType;
    ShowSelection();
}

void MousecfgWidget::slotGotoMacro(quint8 iBtn) { switchPage(iBtn); }

void MousecfgWidget::slotPopOneClickBox()
{
    ShowWarning(QCoreApplication::translate("QObject", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void MousecfgWidget::ShowSelection()
{
    const bool customize = m_currentTab == CustomizeTab;
    const int viewGroup = m_frontView ? 0 : 1;
    const QString accent = AccentCss();
    for (int group = 0; group < 2; ++group) {
        for (int i = 0; i < kHotspotCount; ++i) {
            QToolButton* spot = m_hotspots[group][i];
            const QRect& r = m_hotspotRects[group][i];
            const bool visible = customize && group == viewGroup && !r.isEmpty();
            spot->setVisible(visible);
            if (!visible)
                continue;
            spot->setGeometry(m_pictureOffset.x() + int(r.x() * m_pictureFactor),
                              m_pictureOffset.y() + int(r.y() * m_pictureFactor), int(r.width() * m_pictureFactor),
                              int(r.height() * m_pictureFactor));
            const bool selected = m_selectedGroup == group && m_selectedIndex == i;
            spot->setStyleSheet(selected ? QStringLiteral("QToolButton { border: 2px solid %1; border-radius: 4px; }").arg(accent)
                                         : QStringLiteral("QToolButton { border: none; } QToolButton:hover { border: 1px solid rgba(255,255,255,120); border-radius: 4px; }"));
            spot->raise();
        }
    }
    for (int w = 0; w < 2; ++w) {
        m_wheelButtons[w]->setVisible(customize && m_frontView);
        m_wheelButtons[w]->setChecked(m_selectedGroup == 2 && m_selectedIndex == w);
    }
}

void MousecfgWidget::slotMouseOver(int index, bool bType)
{
    if (index < 0 || index >= kHotspotCount)
        return;
    const QString product = ConfigCurrentProductName().isEmpty() ? DescriptorProductName()
                                                                 : ConfigCurrentProductName();
    const QString file = bType ? QStringLiteral("mouse/%1/mouse_%2.png").arg(product).arg(index + 1)
                               : QStringLiteral("mouse/%1/Mouse.png").arg(product);
    const QPixmap picture = SkinPixmap(file);
    if (!m_frontView || picture.isNull())
        return;
    m_mousePicture->setPixmap(picture.scaled(m_mousePicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
    } else {
        painter.setBrush(QColor(24, 24, 26));
        painter.setPen(QColor(60, 60, 60));
        painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 12, 12);
    }
    const QPixmap& frame = m_connectionState <= 1 ? m_batteryCable : m_batteryDongle;
    if (!frame.isNull())
        painter.drawPixmap(ScaledRect(69, 581, 86, 47), frame);
    // A thin accent line under the header.
    painter.setPen(QPen(AccentQColor(), 1));
    painter.drawLine(Scaled(20), Scaled(68), width() - Scaled(20), Scaled(68));
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void MousecfgWidget::PutAway()
{
    if (m_tray && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void MousecfgWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // Closing only hides while the tray can bring the window back and quit.
    if (m_tray && QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        return;
    }
    // Without a tray there is no other way out: closing quits.
    if (MouseSession::instance().hasUnappliedEdits()
        && !Ask(tr("The changes have not been applied. Quit without them?")))
        return;
    QCoreApplication::quit();
}
