#include "ProfileWriter.h"

#include "ButtonEncoding.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MacroUpload.h"
#include "TarnGetBatteryThread.h"

#include <QLoggingCategory>
#include <QMutex>

Q_LOGGING_CATEGORY(lcWrite, "mousecfg.write", QtWarningMsg)

namespace {

constexpr int kWaitPerMacroMs = 50;

QMutex& HookLock()
{
    static QMutex lock;
    return lock;
}

std::function<void()>& RestartHook()
{
    static std::function<void()> hook;
    return hook;
}

WriteStats& Stats()
{
    static WriteStats stats;
    return stats;
}

} // namespace

std::atomic<bool>& MouseAsleep()
{
    static std::atomic<bool> asleep{false};
    return asleep;
}

SettingsRecord& DeviceImage()
{
    static SettingsRecord image;
    return image;
}

MacroSlotMap& GlobalMacroSlotMap()
{
    static MacroSlotMap map;
    return map;
}

void SetPollerRestartHook(std::function<void()> hook)
{
    QMutexLocker locker(&HookLock());
    RestartHook() = std::move(hook);
}

WriteStats LastWriteStats() { return Stats(); }

quint8 WriteProfile(const SettingsRecord& settings, int mask)
{
    HidTransport& transport = HidTransport::instance();
    TarnGetBatteryThread::StopAllAndWait();
    transport.resetExchangeCount();
    Stats() = WriteStats();

    SettingsRecord& image = DeviceImage();
    image = settings;
    const DeviceContext context = LoadDeviceContext(TarnGetBatteryThread::firmwareFlag());
    MacroSlotMap& slotMap = GlobalMacroSlotMap();

    const auto finish = [&](quint8 result) {
        Stats().exchanges = transport.exchangeCount();
        qCDebug(lcWrite) << "write finished with" << result << "after" << Stats().exchanges << "exchanges";
        return result;
    };

    quint8 result = transport.SendAll(BuildWriteSession(0));
    if (result == 0)
        result = transport.SendAll(BuildSettingsBlock(image, context));
    if (result == 0 && (mask & kChangeButtons)) {
        slotMap.clear();
        const auto buttons = BuildButtonImage(image, context, slotMap);
        result = transport.SendAll(BuildButtonBlock(buttons));
    }
    if (result == 0 && (mask & kChangeDpi))
        result = transport.SendAll(BuildDpiBlock(image, context));
    if (result == 0 && (mask & kChangeLed))
        result = transport.SendAll(BuildLedBlock(image));
    if (result == 0)
        result = transport.SendAll(BuildApplySections());
    if (result == 0) {
        const MacroUploadPlan plan = BuildMacroUpload(image, slotMap);
        Stats().macrosEncoded = plan.macrosEncoded;
        // The mouse needs a moment per macro before its memory is written.
        QThread::msleep(ulong(kWaitPerMacroMs * plan.macrosEncoded));
        result = transport.SendAll(plan.reports);
    }
    if (result == 0)
        result = transport.SendAll(BuildWriteSession(1));
    if (result != 0)
        return finish(result);

    std::function<void()> hook;
    {
        QMutexLocker locker(&HookLock());
        hook = RestartHook();
    }
    if (hook)
        hook();
    return finish(result);
}

TarnProcessThread::TarnProcessThread(QObject* parent)
    : QThread(parent)
{
}

quint8 TarnProcessThread::runWrite()
{
    SettingsRecord& current = CurrentSettings();
    SettingsRecord& written = WrittenSettings();
    SaveSettings(current);
    if (MouseAsleep()) {
        m_result = ExchangeResult::MouseAsleep;
        return m_result;
    }
    m_result = 0;
    const int mask = CompareSettings(current, written);
    int sendMask = 0;
    if (ConfigDiff() == 1 || m_writeAll)
        sendMask = kChangeAll;
    else if (mask != 0)
        sendMask = mask;
    if (sendMask != 0) {
        // Config.ini and profile 0 were saved above; nothing changed since.
        m_result = WriteProfile(current, sendMask);
        written = current;
        SetConfigDiff(m_result != 0 ? 1 : 0);
    }
    return m_result;
}

void TarnProcessThread::run()
{
    if (m_isStop) {
        qCDebug(lcWrite) << "isStop.";
        return;
    }
    runWrite();
    emit DoProcessDlg();
}
