#pragma once

#include <QColor>
#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QPushButton;
class QSpinBox;
class SVColorArea;
class TarnLineEdit;

// The modal colour dialog: hue strip, saturation/value square, preview, H/S/V and
// R/G/B boxes, a hexadecimal field and seven presets, all showing one colour.
class TarnColorArea : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnColorArea)

public:
    static constexpr int kPresetCount = 7;

    explicit TarnColorArea(QWidget* parent = nullptr);
    ~TarnColorArea() override;

    // Shows `color` in every control; an invalid colour shows as black.
    void SetColor(const QColor& color);
    // The colour being edited, as red, green and blue.
    QColor color() const;
    int hue() const { return m_h; }
    int saturation() const { return m_s; }
    int value() const { return m_v; }

    static QColor PresetColor(int index);

    int exec() override;
    // Tests drive the dialog through this: while set, exec() returns its result instead of blocking.
    static void SetExecHook(std::function<int(TarnColorArea&)> hook);

public slots:
    void color_clicked();
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    void updateEditData();
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();
    void Retranslate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private slots:
    void onHueAreaChanged(int hue);
    void onSvAreaChanged(int h, int s, int v);

private:
    // Takes h/s/v as they are and shows everything else from them.
    void applyHsv(int h, int s, int v);
    // Takes r/g/b, derives h/s/v (an achromatic colour keeps the hue) and shows everything;
    // the hexadecimal text is left alone while the user is typing it.
    void applyRgb(int r, int g, int b, bool rewriteText);
    void showHsvControls();
    void showRgbControls(const QColor& rgb, bool rewriteText);
    void rgbBoxChanged();

    HColorArea* m_hueArea = nullptr;
    SVColorArea* m_svArea = nullptr;
    PreviewColorArea* m_preview = nullptr;
    QSpinBox* m_hBox = nullptr;
    QSpinBox* m_sBox = nullptr;
    QSpinBox* m_vBox = nullptr;
    QSpinBox* m_rBox = nullptr;
    QSpinBox* m_gBox = nullptr;
    QSpinBox* m_bBox = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_hashLabel = nullptr;
    TarnLineEdit* m_edit = nullptr;
    std::array<DefaultColorArea*, kPresetCount> m_presets{};
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;

    int m_h = 0;
    int m_s = 0;
    int m_v = 0;
    bool m_updating = false;   // set while controls are filled programmatically
    QPoint m_dragOffset;
};
