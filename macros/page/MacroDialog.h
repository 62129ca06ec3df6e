#pragma once

#include "ConfigPage.h"
#include "KeyCapture.h"
#include "MacroEvent.h"
#include "MouseSession.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class MacroEventTable;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TarnMenu;
class TarnMoveItem;
class TarnPushButton;

// The macro page: the macro list, the event table of the selected macro with its row
// commands and row editor, recording from the keyboard, the mouse-action panel, delay and
// loop options, import and export. Edits live in the table until SAVE or the end of a
// recording writes them to the macro's file.
class MacroDialog : public ConfigPage
{
    Q_OBJECT
    Q_DISABLE_COPY(MacroDialog)

public:
    // Runs the gun set dialog; true when it wrote a macro file, whose name it puts in savedName.
    using GunSetHook = std::function<bool(QString& savedName)>;
    enum class FileDialogKind { OpenFile, OpenFiles, SaveFile, Directory };
    // Returns the chosen paths (empty when cancelled); tests answer file dialogs through it.
    using FileDialogHook = std::function<QStringList(FileDialogKind kind, const QString& title,
                                                     const QString& start, const QString& filter)>;
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    // The recorder stops adding keys once the table has more rows than these.
    static constexpr int kMaxRowsWithDelays = 61;
    static constexpr int kMaxRowsWithoutDelays = 39;

    explicit MacroDialog(QWidget* parent = nullptr);
    ~MacroDialog() override;

    // The one page of the process, if it exists.
    static MacroDialog* Instance();

    void refreshFrom(const SettingsRecord&) override {}
    void retranslate() override;

    void setGunSetHook(GunSetHook hook) { m_gunSetHook = std::move(hook); }
    static void SetFileDialogHook(FileDialogHook hook);
    void setClock(Clock clock);

    // base, else base_2, base_3 ... : the first name whose macro file does not exist.
    static QString UnusedMacroFileName(const QString& base);

    // Macro operations on the page's table and controls.
    bool SaveMacroFile(const QString& name);  // false: not written, and said so
    void warnBindingsNotStored();
    void LoadMacroFile();
    void ReloadMacroList();
    void InsertButtonEvent(int position, bool release, int row = -1);
    void InsertMoveEvent(int direction, int distance, int row = -1);
    void InsertDelayEvent(int ms);
    // -1 leaves a cell as it is.
    void SetCurrentEvent(int map, int dataH, int dataL);

    // The recorder and the row editor's key input, in translated key codes.
    void OnHookKey(int code, quint32 flags);
    void EditorHookKey(int code, quint32 flags);
    bool CheckAllReleased() const;

    bool isRecording() const { return m_recording; }
    bool isEditing() const { return m_editMode; }
    bool batchMode() const { return m_batchMode; }
    int delayType() const { return m_delayType; }
    int delayUnit() const { return m_delayUnit; }
    QString currentName() const { return m_currentName; }
    bool hasUnsavedEdits() const { return m_dirty; }
    int clipboardSize() const { return m_clipboard.size(); }
    MacroEventTable* eventTable() const { return m_table; }
    QTableView* tableView() const { return m_view; }
    KeyCapture* keyCapture() const { return m_capture; }

    // "PROFILE 1 BUTTON 3, PROFILE 2 WHEEL UP": the buttons as the button page shows them.
    static QString BindingsText(const QVector<MacroBinding>& bindings);

signals:
    void EnableButtonsSignal(bool bEnable);
    // Buttons were given another macro name or their default function.
    void BindingsChangedSignal();

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(QModelIndex index);
    void EditMoveChanged(QString text);
    void EditDelayChanged(QString text);
    void DefDelayChanged(QString text);
    void LoopTimeChanged(QString text);
    void CurrentChanged(QModelIndex current, QModelIndex previous);
    void mousemove_test();
    void TarnItemPressed();
    void checkbtn_clicked();
    void SelectRow(int row);

private slots:
    void onButtonClicked();
    void onEditorAction(QAction* action);
    void onHookEvent(const HookKeyEvent& event);
    void onListRowChanged(int row);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void layoutControls();
    void retranslateTexts();
    void connectControls();

    // Macro commands.
    void newMacro();
    void deleteMacro();
    void changeName();
    void importMacros();
    void exportMacros();
    void gunSet();
    void startRecording();
    void stopRecording();
    // Row commands.
    void beginEdit();
    void endEdit(bool keep);
    void moveCurrentRow(int command);
    void deleteCurrentRow();
    void clearRows();
    void copyRows(bool cut);
    void pasteRows();

    int currentRow() const;
    void selectTableRow(int row);
    int insertAfterCurrent(const MacroEvent& event, int row);
    void insertDelayByType();
    // Whether the macro still fits in the mouse with these events added; says so when not.
    bool roomFor(const QVector<MacroEvent>& adding);
    // The events with the delay insertDelayByType() puts after each (its length is what counts).
    QVector<MacroEvent> withDelayByType(const QVector<MacroEvent>& events) const;
    void showRowEditor();
    void hideRowEditor();
    void setEditingLayout(bool editing);
    void setHookInstalled(bool installed);
    void updateEnabled();
    void resetSettingsControls();
    void addMacroToList(const QString& name);
    void selectListName(const QString& name);
    int loopTypeFromControls() const;
    // Asks before the shown macro's unsaved edits are dropped; true to go on.
    bool confirmDiscard();
    // A name the macro folder can hold; shows the refusal otherwise.
    bool acceptName(const QString& name);
    bool listHasRows() const;
    QStringList askFiles(FileDialogKind kind, const QString& title, const QString& start, const QString& filter);

    // Page state.
    bool m_recording = false;
    bool m_editMode = false;
    bool m_batchMode = false;
    quint8 m_delayType = 0;
    int m_delayUnit = 10;
    QString m_currentName;
    bool m_dirty = false;
    bool m_loading = false;        // the table is being filled from a file, not edited
    bool m_listUpdating = false;   // the list is being rebuilt or reselected by the page
    // Recorder state.
    QVector<int> m_pressedKeys;
    qint64 m_lastTick = 0;
    bool m_haveTick = false;       // an event has been recorded since START
    int m_lastHookCode = -1;
    quint32 m_lastHookFlags = 0;
    Clock m_clock;
    QVector<MacroEvent> m_clipboard;
    GunSetHook m_gunSetHook;

    KeyCapture* m_capture = nullptr;
    MacroEventTable* m_table = nullptr;

    // Left pane.
    QLabel* m_nameCaption = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_mouseCaption = nullptr;
    QTreeWidget* m_tree = nullptr;
    QVector<TarnMoveItem*> m_moveItems;
    QLineEdit* m_nameEdit = nullptr;
    TarnPushButton* m_newButton = nullptr;
    TarnPushButton* m_deleteButton = nullptr;
    TarnPushButton* m_renameButton = nullptr;
    TarnPushButton* m_mouseActionButton = nullptr;
    QLabel* m_focusLabel = nullptr;
    QLabel* m_noteLabel = nullptr;

    // Right pane.
    QVector<QToolButton*> m_rowButtons;   // delete, edit, top, bottom, up, down, clear, copy, cut, paste
    TarnPushButton* m_startButton = nullptr;
    TarnPushButton* m_stopButton = nullptr;
    QTableView* m_view = nullptr;
    QCheckBox* m_recordDelayBox = nullptr;
    QCheckBox* m_defaultDelayBox = nullptr;
    QLineEdit* m_defaultDelayEdit = nullptr;
    TarnPushButton* m_recordAfterButton = nullptr;
    QVector<QCheckBox*> m_loopBoxes;
    QLineEdit* m_loopTimeEdit = nullptr;
    TarnPushButton* m_insertDelayButton = nullptr;
    TarnPushButton* m_gunSetButton = nullptr;
    TarnPushButton* m_importButton = nullptr;
    TarnPushButton* m_exportButton = nullptr;
    QCheckBox* m_batchBox = nullptr;
    TarnPushButton* m_saveButton = nullptr;
    TarnPushButton* m_cancelButton = nullptr;

    // Row editor.
    QLabel* m_keyCaption = nullptr;
    QLineEdit* m_keyField = nullptr;
    QPushButton* m_buttonField = nullptr;
    TarnMenu* m_buttonMenu = nullptr;
    QLabel* m_movementCaption = nullptr;
    QPushButton* m_movementField = nullptr;
    TarnMenu* m_movementMenu = nullptr;
    QLabel* m_distanceCaption = nullptr;
    QLineEdit* m_distanceField = nullptr;
    QLabel* m_delayCaption = nullptr;
    QLineEdit* m_delayField = nullptr;
    MoveDirection m_editDirection = MoveDirection::Left;
    bool m_fillingEditor = false;   // editor fields are being set from the row, not typed
};
