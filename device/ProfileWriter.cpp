#include "ProfileWriter.h"

#include "ButtonEncoding.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MacroFile.h"
#include "MacroUpload.h"
#include "TarnGetBatteryThread.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWrite, "mousecfg.write", QtWarningMsg)

namespace {

constexpr int kWaitPerMacroMs = 50;

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

WriteStats LastWriteStats() { return Stats(); }

MacroProblem CheckBoundMacros(const SettingsRecord& settings)
{
    // Slots are given out as the button block does it, on a copy.
    SettingsRecord image = settings;
    MacroSlotMap map;
    const DeviceContext context = LoadDeviceContext(0);
    BuildButtonImage(image, context, map);
    // Fewer names than button positions, so 64 slot numbers cover every name given out.
    for (int slot = 0; slot < 64; ++slot) {
        const QString name = map.nameAt(slot);
        if (name.isEmpty())
            continue;
        if (slot >= kMaxMacroSlots)
            return {name, true};
        if (!MacroFitsSlot(ReadMacroEventsRaw(name, kMaxMacroEventsWithDelays + 1)))
            return {name, false};
    }
    return {};
}

quint8 WriteProfile(const SettingsRecord& settings, int mask)
{
    if (!CheckBoundMacros(settings).ok())
        return WriteResult::MacroRefused;
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
        // Checked before the first report; a file changed since then still fails here.
        if (plan.tooManyMacros || !plan.tooLongMacros.isEmpty())
            return finish(WriteResult::MacroRefused);
        // The mouse needs a moment per macro before its memory is written.
        QThread::msleep(ulong(kWaitPerMacroMs * plan.macrosEncoded));
        result = transport.SendAll(plan.reports);
    }
    if (result == 0)
        result = transport.SendAll(BuildWriteSession(1));
    return finish(result);
}

TarnProcessThread::TarnProcessThread(std::function<quint8()> job, QObject* parent)
    : QThread(parent)
    , m_job(std::move(job))
{
}

void TarnProcessThread::run()
{
    if (m_isStop) {
        qCDebug(lcWrite) << "isStop.";
        return;
    }
    m_result = m_job ? m_job() : quint8(0);
    emit DoProcessDlg();
}
