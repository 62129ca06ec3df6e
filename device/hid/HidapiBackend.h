#pragma once

#include "HidBackend.h"

#include <QByteArray>
#include <QMutex>
#include <functional>

// The real transport: libhidapi-hidraw. A faithful pipe: reads return whatever the
// node delivers (the mouse's own input reports interleaved with vendor answers).
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend() = default;
    ~HidapiBackend() override = default;

    int init() override;
    void exit() override;
    QVector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const QString& path) override;
    int releaseNumber(const QString& path) override;
    bool accessDenied(const QString& path) override;

    // Older hidapi lists a hidraw node once, with its first collection only: add one
    // record per top-level collection found in the node's report descriptor that the
    // list lacks. readDescriptor returns the descriptor bytes of a path (empty if none).
    static void AddDescriptorCollections(QVector<HidDeviceInfo>& infos,
                                         const std::function<QByteArray(const QString&)>& readDescriptor);
    // The report descriptor of a /dev/hidrawN node from sysfs; empty for other paths.
    static QByteArray ReadSysfsDescriptor(const QString& devicePath);

private:
    Q_DISABLE_COPY(HidapiBackend)

    // hid_init, hid_exit and hid_enumerate share hidapi's global state.
    QMutex m_mutex;
};
