#pragma once

#include <QByteArray>
#include <QVector>

// The collections of a HID report descriptor, as far as the transport needs them:
// each collection's usage pair, nesting depth and the report ids declared inside it.
// Parsing never reads past the given bytes; a malformed descriptor yields what was
// understood before the fault, and isComplete() is false.
class HidReportDescriptor
{
public:
    struct Collection
    {
        quint16 usagePage = 0;
        quint16 usage = 0;
        quint8 type = 0;            // 0 physical, 1 application, 2 logical, ...
        int depth = 0;              // 0 for a top-level collection
        QVector<quint8> reportIds;  // ids declared inside it (nested ones included), ascending
    };

    static constexpr int MaxDescriptorSize = 4096;   // the kernel's limit for one descriptor
    static constexpr int MaxCollections = 256;
    static constexpr int MaxNesting = 32;
    static constexpr int MaxGlobalStack = 32;

    HidReportDescriptor() = default;
    explicit HidReportDescriptor(const QByteArray& bytes);

    const QVector<Collection>& collections() const { return m_collections; }
    QVector<Collection> topLevelCollections() const;
    bool isComplete() const { return m_complete; }

private:
    void parse(const QByteArray& bytes);

    QVector<Collection> m_collections;
    bool m_complete = false;
};
