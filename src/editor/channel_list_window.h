#pragma once
// "YAESU Channels": the whole memory in one table beside the editor, on the
// editor's own loaded image, with the special memories (VFO band records,
// HOME, QMB, PMS, the 60 m channels) on a second tab "Special", edited in
// their cells by the same rules. Cells are edited in place; the selected rows can
// be deleted (made inactive), copied and pasted as CSV, moved up and down,
// opened up by an insert and filled with a run of frequencies. Every action
// is one step of the shared edit history (undo, redo). Sorting and the
// filter change only what the table shows, never the memory's order.
// "Save as PDF…" and "Print…" (where Qt Print Support is built) put the
// channel sheet of the memory as it is now on paper.

#include "platform/serial_port.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QLineEdit;
class QStatusBar;
class QTabWidget;
class QTableView;

namespace ft817 {

class ChannelFilterModel;
class ChannelRadio;
class ChannelTableModel;
class SpecialTableModel;
class ChannelTableView;
class EditHistory;

class ChannelListWindow : public QWidget {
    Q_OBJECT
public:
    // A list over the image that history keeps; the list shares the history.
    explicit ChannelListWindow(std::shared_ptr<EditHistory> history, QWidget* parent = nullptr);
    ~ChannelListWindow() override;

    // The selected channels (0..199), ascending.
    std::vector<int> selectedChannels() const;
    // Selects the rows of these channels (those the filter shows).
    void selectChannels(const std::vector<int>& channels);
    // Stores what is being typed in a cell, if anything (before saving).
    void commitOpenEditor();
    // The message in the status bar.
    QString statusText() const;
    // Shows the Special tab.
    void showSpecialMemories();

    // The image file the memory belongs to, which the channel sheet's heading names with its date.
    void setFilePath(const QString& path);
    // "Save as PDF…": the channel sheet of the memory as it is now, on the
    // paper of the user's country, written at path by the tool's one file
    // rule (a file it replaces is kept in the history folder); the status bar
    // says what was written or why not. True when written.
    bool saveSheet(const QString& path);
    // "Print…" (where Qt Print Support is built): the print dialog, then the sheet on the printer.
    void printSheet();

    // The row actions, each one step of undo; what they did, or why they
    // did nothing, goes to the status bar.
    // Makes the selected channels inactive, keeping their records.
    void deleteSelected();
    // Puts the selected active channels on the clipboard as CSV with export's header.
    void copySelected();
    // Writes the clipboard's CSV rows from the first selected channel on, all or nothing.
    void pasteAtSelection();
    // Moves the selected channels one place up (step -1) or down (+1).
    void moveSelected(int step);
    // Opens an inactive place at the first selected channel; the rest move down.
    void insertAtSelection();
    // Frequencies from the fill boxes' start and step for the selected rows.
    void fillSelected();

    // The radio over CAT, through the main window's device: "Tune radio"
    // sends the first selected channel to the radio's VFO; "Take from radio"
    // writes the radio's frequency and mode into it (one undo step). Both are
    // greyed without a radio and while the port is busy (a clone transfer).
    void setRadio(SerialDevice device);
    void setRadioBusy(bool busy);
    void tuneRadio();
    void takeFromRadio();

signals:
    // A double-click on a channel number: show that channel in the editor.
    void channelChosen(int channel);

private:
    void buildActions();
    // Names for screen readers, Ctrl+F to Find, Ctrl+Tab out of the lists.
    // Clears the status message; each action starts with it.
    void clearReport();
    // Greys the row actions on the Special tab.
    void updateTabActions();
    void makeKeyboardFriendly();
    void buildLayout();
    void sizeColumns();
    // Sizes a table's columns; gives the width the table needs.
    static int sizeColumns(QTableView* table, const QString& widestFirst);
    // True on the Channels tab; otherwise says that row actions work there.
    bool onChannelsTab();
    QAction* makeAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                        const std::function<void()>& run);
    void report(const QString& message);
    int firstSelectedChannel() const;
    void updateRadioActions();
    // Asks where to save the channel sheet, then saves it there.
    void chooseSheetFile();
    void takeAnswer(bool ok, const std::vector<std::uint8_t>& answer, const QString& why);

    std::shared_ptr<EditHistory> m_history;
    ChannelTableModel* m_model = nullptr;
    ChannelFilterModel* m_proxy = nullptr;
    ChannelTableView* m_table = nullptr;
    SpecialTableModel* m_specialModel = nullptr;
    ChannelTableView* m_specialTable = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_filter = nullptr;
    QCheckBox* m_activeOnly = nullptr;
    QLineEdit* m_fillStart = nullptr;
    QLineEdit* m_fillStep = nullptr;
    QStatusBar* m_status = nullptr;
    QList<QAction*> m_toolActions;
    // Save as PDF…, and Print… where printing is built.
    QList<QAction*> m_sheetActions;
    QAction* m_tune = nullptr;
    QAction* m_take = nullptr;
    QAction* m_fill = nullptr;
    QString m_filePath;
    ChannelRadio* m_radio = nullptr;
    bool m_radioBusy = false;
    int m_takeChannel = -1;
};

} // namespace ft817
