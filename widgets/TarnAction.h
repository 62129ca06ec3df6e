#pragma once

#include <QAction>

// A menu action that carries the number of what it stands for (profile, model, language...).
class TarnAction : public QAction
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnAction)

public:
    explicit TarnAction(QObject* parent = nullptr);
    TarnAction(const QString& text, int id, QObject* parent = nullptr);
    ~TarnAction() override;

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

signals:
    void TriggeredSignal(int iId);

private:
    int m_id = -1;
};
