// The mouse's answers, fed through the HID backend interface: to the command exchange
// (echoes) and to the poller (battery answers, status reports, the mouse's own input).
// An exchange succeeds only on an answer that really echoes the request, and the poller
// hands the window nothing it could index out of range.
#include "CommandSet.h"
#include "FuzzSupport.h"
#include "HidTransport.h"
#include "TarnGetBatteryThread.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QMutex>
#include <QThread>
#include <atomic>
#include <vector>

namespace {

// What the mouse says, step by step: 0xFF a read error, 0xFE a time-out, 0xFD an exact
// echo of the last report written, any other byte n a report of the next n % 34 bytes.
class Script
{
public:
    void reset(const QByteArray& bytes)
    {
        QMutexLocker locker(&m_lock);
        m_bytes = bytes;
        m_pos = 0;
        m_answers.clear();
        m_written = Report{};
        m_exhausted = false;
    }

    int write(const uint8_t* data, size_t length)
    {
        QMutexLocker locker(&m_lock);
        std::copy(data, data + std::min(length, m_written.size()), m_written.begin());
        return int(length);
    }

    int read(uint8_t* data, size_t length)
    {
        QMutexLocker locker(&m_lock);
        if (m_pos >= m_bytes.size()) {
            m_exhausted = true;
            locker.unlock();
            QThread::usleep(200);
            return 0;
        }
        const quint8 step = quint8(m_bytes[m_pos++]);
        if (step == 0xFF)
            return -1;
        if (step == 0xFE)
            return 0;
        Report answer{};
        int n = 0;
        if (step == 0xFD) {
            answer = m_written;
            n = kReportLength;
        } else {
            n = std::min<int>(step % 34, m_bytes.size() - m_pos);
            std::copy(m_bytes.constBegin() + m_pos, m_bytes.constBegin() + m_pos + n, answer.begin());
            m_pos += n;
        }
        n = std::min<int>(n, int(length));
        std::copy(answer.begin(), answer.begin() + n, data);
        m_answers.push_back(answer);  // zero past what was read
        return n;
    }

    bool exhausted() const { return m_exhausted.load(); }

    // Whether any answer handed out echoes the request as the exchange checks it.
    bool echoed(const Report& request, bool dataCheck) const
    {
        QMutexLocker locker(&m_lock);
        for (const Report& answer : m_answers) {
            if (CheckEcho(request, answer.data(), dataCheck) == 0)
                return true;
        }
        return false;
    }

    Report written() const
    {
        QMutexLocker locker(&m_lock);
        return m_written;
    }

private:
    mutable QMutex m_lock;
    QByteArray m_bytes;
    int m_pos = 0;
    std::vector<Report> m_answers;
    Report m_written{};
    std::atomic<bool> m_exhausted{false};
};

Script g_script;

class ScriptedHandle : public HidHandle
{
public:
    int write(const uint8_t* data, size_t length) override { return g_script.write(data, length); }
    int readTimeout(uint8_t* data, size_t length, int) override { return g_script.read(data, length); }
};

// Enumerates as the virtual mouse does; every handle reads the script.
class ScriptedBackend : public VirtualHidBackend
{
public:
    ScriptedBackend() : VirtualHidBackend(std::make_shared<VirtualMouse>(QString())) {}
    std::unique_ptr<HidHandle> open(const QString&) override { return std::make_unique<ScriptedHandle>(); }
};

void OpenScriptedMouse()
{
    fuzz::Environment& env = fuzz::Environment::instance();
    env.installShippedDescriptor();
    fuzz::Environment::writeFile(ConfigIniPath(), "[Mouse_List]\n0=X8 Wireless\n[MouseSenSor]\n1=3389\n");
    static ScriptedBackend backend;
    SetHidBackend(&backend);
    HidTransport& transport = HidTransport::instance();
    transport.setTiming({0, 20, 0});
    transport.BuildDeviceTable();
    transport.EnumerateDevices();
    transport.OpenDevice(transport.table().entries[0].name);
    FUZZ_CHECK(transport.hasControlHandle(), "the scripted mouse opens");
}

void Exchange(quint8 selector)
{
    Report request = MakeReport(Command::DpiBlock, 0, 0, 5, kTagFirst);
    if (selector & 2)
        request = BuildApplySection(0x04);
    for (int i = 0; i < 5; ++i)
        request[kReportDataOffset + i] = quint8(0x10 + i);
    const quint8 result = HidTransport::instance().SendCommand(request);
    FUZZ_CHECK(result == ExchangeResult::Success || result == ExchangeResult::NoEcho, "an exchange result");
    if (result == ExchangeResult::Success) {
        const Report sent = g_script.written();
        FUZZ_CHECK(g_script.echoed(sent, sent[3] <= 0x0A), "success only on an echo of the request");
    }
}

void Poll()
{
    TarnGetBatteryThread poller;
    poller.setTiming({0, 5, 0, 0, 0, 5});
    QObject::connect(&poller, &TarnGetBatteryThread::RefreshStatus, &poller,
                     [](quint8 profile, quint8 dpi, quint8 rate, quint8) {
                         FUZZ_CHECK(profile <= 4 && dpi <= 7, "status report within the profiles and levels");
                         FUZZ_CHECK(ReportRateHz(rate) != 0 || rate == 0, "a known rate code or none");
                     },
                     Qt::DirectConnection);
    poller.start();
    while (!g_script.exhausted() && poller.isRunning())
        QThread::usleep(200);
    poller.stop();
    poller.wait();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    static const bool opened = (OpenScriptedMouse(), true);
    (void)opened;
    g_script.reset(fuzz::Bytes(data + 1, size - 1));
    if (data[0] & 1)
        Exchange(data[0]);
    else
        Poll();
    for (int full : {0, 3000, 4200}) {
        const int percent = BatteryPercent(data[0], size > 1 ? data[1] : 0, full);
        FUZZ_CHECK(percent >= 0 && percent <= 100, "battery percent in range");
    }
    return 0;
}
