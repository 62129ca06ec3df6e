#pragma once

#include "MacroEvent.h"

#include <QStandardItemModel>
#include <QVector>

// The macro being edited: three columns holding Map, DataH and DataL of one event per row
// as decimal text; an empty row has empty cells.
class MacroEventTable : public QStandardItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY(MacroEventTable)

public:
    static constexpr int kColumnCount = 3;

    explicit MacroEventTable(QObject* parent = nullptr);
    ~MacroEventTable() override;

    // No rows, three columns with their headers.
    void clearEvents();
    void retranslateHeaders();

    // An empty event for a row outside the table or cells that do not hold bytes.
    MacroEvent eventAt(int row) const;
    void setEventAt(int row, const MacroEvent& event);
    // -1 leaves that cell as it is.
    void setCells(int row, int map, int dataH, int dataL);
    // The row index is clamped into 0..rowCount(); returns the index used.
    int insertEvent(int row, const MacroEvent& event);
    int appendEvent(const MacroEvent& event);
    void moveEvent(int from, int to);

    QVector<MacroEvent> events() const;
    void setEvents(const QVector<MacroEvent>& events);

    // False while a pressed key or button has no matching release further on.
    static bool CheckAllReleased(const QVector<MacroEvent>& events);

private:
    QList<QStandardItem*> makeRow(const MacroEvent& event) const;
};
