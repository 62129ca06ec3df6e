#pragma once

#include "MacroEvent.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// A pointer-step entry of the mouse-action panel: its direction as a clickable caption and
// a distance field of its own. Pressing the caption inserts the step.
class TarnMoveItem : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnMoveItem)

public:
    explicit TarnMoveItem(MoveDirection direction, QWidget* parent = nullptr);
    ~TarnMoveItem() override;

    MoveDirection direction() const { return m_direction; }
    QLineEdit* distanceField() const { return m_distance; }
    QLabel* caption() const { return m_caption; }
    // The field as an unsigned number, low 8 bits; an empty field is 0.
    int distance() const;
    void retranslate();
    void setHighlighted(bool on);

signals:
    void TarnMousePressed();
    void TarnMouseEntered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const MoveDirection m_direction;
    QLabel* m_caption = nullptr;
    QLineEdit* m_distance = nullptr;
};
