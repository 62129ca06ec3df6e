#pragma once

#include <QDialog>

class FrontWindowSource;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The programs whose windows make a profile active when they come to the front: the rules,
// a rule added for a running program's class, a rule removed, the profile for the rest.
// Every change is stored at once through the session core.
class AppRulesDialog : public QDialog
{
    Q_OBJECT
public:
    // source may be null: the program in front cannot be known.
    explicit AppRulesDialog(const FrontWindowSource* source, QWidget* parent = nullptr);

    QTreeWidget* rules() const { return m_rules; }
    QComboBox* programBox() const { return m_program; }
    QComboBox* slotBox() const { return m_slot; }
    QComboBox* defaultBox() const { return m_default; }
    QLabel* unavailableLabel() const { return m_unavailable; }

public slots:
    void onAddClicked();
    void onRemoveClicked();
    void onDefaultChanged(int index);

private:
    void Refresh();

    QTreeWidget* m_rules = nullptr;
    QComboBox* m_program = nullptr;
    QComboBox* m_slot = nullptr;
    QComboBox* m_default = nullptr;
    QLabel* m_unavailable = nullptr;
    QLabel* m_error = nullptr;
};
