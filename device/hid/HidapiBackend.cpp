#include "HidapiBackend.h"

#include "HidReportDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSet>

#include <hidapi.h>
#include <cerrno>
#include <unistd.h>

namespace {

QString FromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

class HidapiHandle : public HidHandle
{
public:
    explicit HidapiHandle(hid_device* device) : m_device(device) {}
    ~HidapiHandle() override { hid_close(m_device); }

    int write(const uint8_t* data, size_t length) override
    {
        if (!data || length == 0)
            return -1;
        QMutexLocker lock(&m_mutex);
        return hid_write(m_device, data, length);
    }

    int readTimeout(uint8_t* data, size_t length, int milliseconds) override
    {
        if (!data || length == 0)
            return -1;
        QMutexLocker lock(&m_mutex);
        return hid_read_timeout(m_device, data, length, milliseconds);
    }

private:
    Q_DISABLE_COPY(HidapiHandle)

    // hidapi keeps one error string per device that both read and write set;
    // the lock covers one call. Callers serialise whole exchanges themselves.
    QMutex m_mutex;
    hid_device* m_device;
};

} // namespace

int HidapiBackend::init()
{
    QMutexLocker lock(&m_mutex);
    return hid_init() == 0 ? 0 : -1;
}

void HidapiBackend::exit()
{
    QMutexLocker lock(&m_mutex);
    hid_exit();
}

QVector<HidDeviceInfo> HidapiBackend::enumerate()
{
    QVector<HidDeviceInfo> result;
    {
        QMutexLocker lock(&m_mutex);
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* d = list; d; d = d->next) {
            HidDeviceInfo info;
            info.path = d->path ? QString::fromUtf8(d->path) : QString();
            info.vendorId = d->vendor_id;
            info.productId = d->product_id;
            info.releaseNumber = d->release_number;
            info.usagePage = d->usage_page;
            info.usage = d->usage;
            info.interfaceNumber = d->interface_number;
            info.serialNumber = FromWide(d->serial_number);
            info.productString = FromWide(d->product_string);
            result.append(info);
        }
        hid_free_enumeration(list);
    }
    AddDescriptorCollections(result, &HidapiBackend::ReadSysfsDescriptor);
    return result;
}

std::unique_ptr<HidHandle> HidapiBackend::open(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    hid_device* device = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        device = hid_open_path(path.toUtf8().constData());
    }
    if (!device)
        return nullptr;
    return std::make_unique<HidapiHandle>(device);
}

int HidapiBackend::releaseNumber(const QString& path)
{
    // hidapi has no call for this; the enumeration record with the same path has it.
    QString wanted = path;
    const bool windowsStyle = wanted.startsWith(QLatin1String("\\\\?\\"));
    for (const HidDeviceInfo& info : enumerate()) {
        const bool same = windowsStyle ? info.path.compare(wanted, Qt::CaseInsensitive) == 0
                                       : info.path == wanted;
        if (same)
            return info.releaseNumber;
    }
    return -1;
}

void HidapiBackend::AddDescriptorCollections(QVector<HidDeviceInfo>& infos,
                                             const std::function<QByteArray(const QString&)>& readDescriptor)
{
    if (!readDescriptor)
        return;
    QVector<HidDeviceInfo> added;
    QSet<QString> seenPaths;
    for (int i = 0; i < infos.size(); ++i) {
        const HidDeviceInfo first = infos.at(i);
        if (first.path.isEmpty() || seenPaths.contains(first.path))
            continue;
        seenPaths.insert(first.path);

        const QByteArray bytes = readDescriptor(first.path);
        if (bytes.isEmpty())
            continue;
        const HidReportDescriptor descriptor(bytes);
        for (const HidReportDescriptor::Collection& c : descriptor.topLevelCollections()) {
            bool listed = false;
            for (const HidDeviceInfo& other : infos) {
                if (other.path == first.path && other.usagePage == c.usagePage && other.usage == c.usage) {
                    listed = true;
                    break;
                }
            }
            for (const HidDeviceInfo& other : added) {
                if (other.path == first.path && other.usagePage == c.usagePage && other.usage == c.usage) {
                    listed = true;
                    break;
                }
            }
            if (listed)
                continue;
            HidDeviceInfo extra = first;
            extra.usagePage = c.usagePage;
            extra.usage = c.usage;
            added.append(extra);
        }
    }
    infos += added;
}

QByteArray HidapiBackend::ReadSysfsDescriptor(const QString& devicePath)
{
    // Only plain /dev/hidrawN names map to a sysfs folder; anything else is not ours to read.
    static const QRegularExpression nodeName(QStringLiteral("^/dev/(hidraw[0-9]{1,6})$"));
    const QRegularExpressionMatch match = nodeName.match(devicePath);
    if (!match.hasMatch())
        return QByteArray();
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(match.captured(1)));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(HidReportDescriptor::MaxDescriptorSize + 1);
}

bool HidapiBackend::accessDenied(const QString& path)
{
    // hidraw paths are the nodes themselves; other backends' paths are not files.
    if (!path.startsWith(QLatin1String("/dev/")))
        return false;
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
}
