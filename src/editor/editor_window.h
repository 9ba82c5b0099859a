#pragma once
// Form2, "YAESU Edit": the memory editor. Created once, then only hidden and
// shown. Edit loads an image file into the editor's own state; Done writes it
// back with fresh checksums; Cancel leaves without writing.
//
// Showing a channel or filling the window sets check boxes, texts and list
// selections; none of that is a user action. The handlers react only to
// clicks, Enter and focus changes, so nothing here changes the loaded image
// except the current-channel byte when an active channel is shown.

#include "editor/editor_controls.h"
#include "editor/editor_state.h"
#include "gui/file_choice.h"
#include "platform/result.h"

#include "platform/serial_port.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace ft817 {

class ChannelListWindow;
class EditHistory;
class EditorDisplay;
class EditorHandlers;
class RadioSettingsWindow;

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // Shows a warning to the person at the keyboard (the editor has no status box).
    using WarningReporter = std::function<void(const QString& message)>;

    explicit EditorWindow(QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Edit: reads the image file at path ("~" is the home folder; never
    // writing it), loads it and fills every list and box. On failure the
    // window and the loaded tables stay as they were and the reason is
    // returned. A payload file of another tool is read as an image file;
    // Savename then names a new file beside it. The caption names the file.
    Status edit(const QString& path);
    // True when the loaded image holds a change its file lacks (kept after
    // Cancel until the next Edit replaces it). Going from channel to channel
    // alone is none.
    bool hasUnsavedChanges() const;
    // Shows the window and puts the focus on Done.
    void present();

    // The loaded image, the channel on show and where its record lies.
    EditorState& state() { return m_state; }
    const EditorState& state() const { return m_state; }
    // Shows the channel on show from the loaded image and notes where its
    // record lies; an active channel also becomes the current-channel byte.
    void displayChannel();

    // Steps of every change to the loaded image since Edit, shared with the channel list.
    EditHistory& history() { return *m_history; }
    // The channel list window, once "Channels…" opened it (else null).
    ChannelListWindow* channelList() const { return m_channelList; }
    // Opens the channel list beside the editor (or brings it to the front).
    void openChannelList();
    // The radio settings window, once "Settings…" opened it (else null).
    RadioSettingsWindow* settingsWindow() const { return m_settingsWindow; }
    // Opens the radio's menu settings beside the editor (or brings them to the front).
    void openSettings();
    // The radio the channel list tunes and reads over CAT (the main window's
    // device), and whether its port is busy with a clone transfer.
    void setRadio(SerialDevice device);
    void setRadioBusy(bool busy);

    // Replaces how a failed save is reported (a warning box by default).
    void setWarningReporter(WarningReporter reporter) { m_warningReporter = std::move(reporter); }
    // Replaces how "Save as…" asks for the file (the desktop's file dialog by default).
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

signals:
    // Done wrote the image to path and the editor is hidden.
    void saved(const QString& path);
    // Cancel, or the window frame's close: nothing written, the editor is hidden.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void saveAndLeave();
    // "Save as…": the file chosen goes into Savename, then Done saves to it.
    void saveAs();
    void leaveWithoutSaving();
    // Stores what is being typed, in the editor and in the channel list,
    // before the window is left by button (which takes the focus) or frame.
    void commitTypedEntries(QWidget* leavingBy);
    // "YAESU Edit", the file's name, and whether changes are unsaved.
    void updateCaption();
    void showWarning(const QString& message);
    void closeChannelList();
    void closeSettings();

    // The image and its steps, shared with the channel list; before m_state, which refers to its image.
    std::shared_ptr<EditHistory> m_history;
    EditorState m_state;
    WarningReporter m_warningReporter;
    FileChooser m_fileChooser = chooseFileWithDialog;
    // The file the loaded image was read from or last saved to ("~" expanded).
    QString m_filePath;

    // The window's controls, made once by the constructor.
    EditorControls m_controls;
    // Shows the loaded image in the controls; the handlers react to the person at them.
    std::unique_ptr<EditorDisplay> m_display;
    std::unique_ptr<EditorHandlers> m_handlers;

    ChannelListWindow* m_channelList = nullptr;
    RadioSettingsWindow* m_settingsWindow = nullptr;
    // The sizes the two windows ask for; each opening shrinks them only as far as the screen needs.
    QSize m_channelListSize;
    QSize m_settingsSize;
    std::optional<SerialDevice> m_radio;
    bool m_radioBusy = false;
};

} // namespace ft817
