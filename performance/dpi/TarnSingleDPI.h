#pragma once

#include "SensorDpi.h"
#include "SettingsRecord.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;
class TarnLabel;
class TarnTwoBarSlider;

// One DPI level row: enable box, level selector and label, the resolution slider with
// its DPI texts, and the "Link XY" box where the sensor lets X and Y differ.
class TarnSingleDPI : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnSingleDPI)

public:
    explicit TarnSingleDPI(quint8 level, QWidget* parent = nullptr);
    ~TarnSingleDPI() override;

    quint8 level() const { return m_level; }

    // A range the program has no table for keeps the previous slider range.
    void setSensor(int sensor, const SensorRange& range);
    int sensor() const { return m_sensor; }

    // Shows a stored level without emitting anything; steps outside the sensor's range
    // are shown at the nearest end and stay stored as they are until a slider moves.
    void setLevelValues(const DpiLevel& level);
    quint8 enableFlag() const { return m_enable; }
    quint8 linkFlag() const { return m_link; }
    quint32 xStep() const { return m_x; }
    quint32 yStep() const { return m_y; }

    QRadioButton* levelSelector() const { return m_selector; }
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

    // Lays the row out for a height of rowHeight at scale 1 (48 fits every label at ease).
    void relayout(int rowHeight = kRowHeight);
    static constexpr int kRowHeight = 48;
    void retranslate();

    // For tests and the page's look: the parts of the row.
    QCheckBox* enableBox() const { return m_enableBox; }
    QCheckBox* linkBox() const { return m_linkBox; }
    TarnTwoBarSlider* slider() const { return m_slider; }
    TarnLabel* levelLabel() const { return m_levelLabel; }
    QString xText() const;
    QString yText() const;
    QString dpiText() const;
    QString lowestText() const;
    QString highestText() const;

signals:
    void DPISignal(int iX, int iY, quint8 iLevel);
    void LinkSignal(quint8 bLink, quint8 iLevel);
    void EnableSignal(quint8 bEnable, quint8 iLevel);
    void MouseinSignal(quint8 iLevel);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int iX, int iY);
    void slotLabelClick(TarnLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showSteps();
    void updateDpiTexts();
    void updateLinkView();
    void applyColours();

    const quint8 m_level;
    int m_sensor = 3325;
    SensorRange m_range;
    quint8 m_enable = 0;
    quint8 m_link = 0;
    quint32 m_x = 0;
    quint32 m_y = 0;
    bool m_highlighted = false;

    QRadioButton* m_selector;
    TarnLabel* m_levelLabel;
    QCheckBox* m_enableBox;
    QCheckBox* m_linkBox;
    TarnTwoBarSlider* m_slider;
    QLabel* m_lowestLabel;
    QLabel* m_highestLabel;
    QLabel* m_xLabel;
    QLabel* m_yLabel;
    QLabel* m_dpiLabel;
};
