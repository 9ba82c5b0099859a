#include "editor/editor_window.h"

#include "editor/channel_list_window.h"
#include "editor/edit_history.h"
#include "editor/editor_display.h"
#include "editor/editor_handlers.h"
#include "editor/radio_settings_window.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "gui/window_placement.h"
#include "image/file_replacement.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/payload_file.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace ft817 {
namespace {

// The window's own caption; the file's name follows it once one is loaded.
const QString kCaption = QStringLiteral("YAESU Edit");

} // namespace

EditorWindow::EditorWindow(QWidget* parent)
    : QWidget(parent), m_history(std::make_shared<EditHistory>()), m_state{m_history->store()}
{
    setObjectName("Form2");
    setWindowTitle(kCaption);
    setWindowIcon(makeWindowIcon("E", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);
    setFont(editorFont());
    m_controls = makeEditorControls(this);
    connect(m_controls.done, &QPushButton::clicked, this, &EditorWindow::saveAndLeave);
    connect(m_controls.channels, &QPushButton::clicked, this, &EditorWindow::openChannelList);
    connect(m_controls.settings, &QPushButton::clicked, this, &EditorWindow::openSettings);
    connect(m_controls.cancel, &QPushButton::clicked, this, &EditorWindow::leaveWithoutSaving);
    connect(m_controls.saveAs, &QPushButton::clicked, this, &EditorWindow::saveAs);
    setFixedSize(423, 312);
    m_display = std::make_unique<EditorDisplay>(m_controls, m_state);
    m_handlers = std::make_unique<EditorHandlers>(m_controls, m_state, *m_history, *m_display);
    // A change made in the channel list, or an undo, shows here at once.
    connect(m_history.get(), &EditHistory::changed, this, [this](const BlockStore&, const QObject* source) {
        if (source != m_handlers.get() && isVisible())
            m_handlers->showStoreChange();
    });
    connect(m_history.get(), &EditHistory::savedStateChanged, this, &EditorWindow::updateCaption);
}

EditorWindow::~EditorWindow() = default;

Status EditorWindow::edit(const QString& path)
{
    const QString expanded = expandedPath(path);
    Result<Bytes> bytes = readImageFileBytes(corePath(expanded));
    if (!bytes)
        return bytes.error();
    Result<MemoryFile> file = readMemoryBytes(std::move(*bytes));
    if (!file)
        return Error{"cannot edit " + path.toStdString() + ": " + file.error().message, file.error().detail};
    Result<BlockStore> store = BlockStore::load(file->imageFile);
    if (!store)
        return Error{"cannot edit " + path.toStdString() + ": " + store.error().message,
                     store.error().detail};

    m_state.store = std::move(*store);
    m_display->fillLists();

    // A current-channel byte of 200 or more (a 60 m memory on US radios) names
    // no memory channel: the editor opens on channel 1 and leaves the byte alone.
    m_state.currentChannel = shownChannel(m_state.store);
    m_display->showChannel(EditorDisplay::Showing::Opening);
    // Undo reaches back to this Edit and no further; the image is the file's.
    m_filePath = expanded;
    m_history->restart();
    updateCaption();

    // Done writes an image file, never over the payload file it came from.
    m_controls.saveName->setText(
        file->payloadRadio ? QString::fromStdString(imagePathBeside(corePath(expanded))) : path);
    if (m_channelList)
        m_channelList->setFilePath(m_controls.saveName->text());
    return {};
}

bool EditorWindow::hasUnsavedChanges() const
{
    return m_state.loaded() && m_history->hasUnsavedChanges();
}

void EditorWindow::updateCaption()
{
    if (m_filePath.isEmpty()) {
        setWindowTitle(kCaption);
        return;
    }
    const QString name = QFileInfo(m_filePath).fileName();
    setWindowTitle(kCaption + " - " + name + (hasUnsavedChanges() ? tr(" (unsaved changes)") : QString()));
}

void EditorWindow::present()
{
    show();
    activateWindow();
    m_controls.done->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::displayChannel()
{
    m_display->showChannel(EditorDisplay::Showing::Channel);
}

void EditorWindow::openChannelList()
{
    if (!m_state.loaded())
        return;
    if (!m_channelList) {
        m_channelList = new ChannelListWindow(m_history, this);
        connect(m_channelList, &ChannelListWindow::channelChosen, this,
                [this](int channel) { m_handlers->showTypedChannel(channel); });
        if (m_radio)
            m_channelList->setRadio(*m_radio);
        m_channelList->setRadioBusy(m_radioBusy);
        m_channelListSize = m_channelList->size();
    }
    // The channel sheet's heading names the file Done writes.
    m_channelList->setFilePath(m_controls.saveName->text());
    // The list stays above the editor: it opens where it leaves Done and Cancel in sight.
    if (!m_channelList->isVisible())
        placeClearOfWindow(*m_channelList, *this, m_channelListSize);
    m_channelList->show();
    m_channelList->raise();
    m_channelList->activateWindow();
}

void EditorWindow::openSettings()
{
    if (!m_state.loaded())
        return;
    if (!m_settingsWindow) {
        m_settingsWindow = new RadioSettingsWindow(m_history, this);
        m_settingsSize = m_settingsWindow->size();
    }
    if (!m_settingsWindow->isVisible())
        placeClearOfWindow(*m_settingsWindow, *this, m_settingsSize);
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void EditorWindow::setRadio(SerialDevice device)
{
    m_radio = device;
    if (m_channelList)
        m_channelList->setRadio(std::move(device));
}

void EditorWindow::setRadioBusy(bool busy)
{
    m_radioBusy = busy;
    if (m_channelList)
        m_channelList->setRadioBusy(busy);
}

void EditorWindow::closeChannelList()
{
    if (m_channelList)
        m_channelList->hide();
}

void EditorWindow::closeSettings()
{
    if (m_settingsWindow)
        m_settingsWindow->hide();
}

void EditorWindow::commitTypedEntries(QWidget* leavingBy)
{
    // The entry being edited commits when it loses the focus: the button
    // takes it, as a click gives it. A window left by its frame while not
    // active gets no focus change, so the entry is also stored directly.
    QWidget* focused = focusWidget();
    if (focused && focused != leavingBy && isAncestorOf(focused)) {
        m_handlers->commitEntry(focused);
        leavingBy->setFocus(Qt::OtherFocusReason);
    }
    // So does a cell being typed in the channel list.
    if (m_channelList)
        m_channelList->commitOpenEditor();
}

void EditorWindow::saveAndLeave()
{
    commitTypedEntries(m_controls.done);

    const QString path = m_controls.saveName->text();
    const QString file = expandedPath(path);
    Result<Bytes> image = m_state.store.toImageFile();
    // The file Done replaces is kept in the history folder first, as every command keeps it.
    const Result<std::string> written =
        image ? replaceKeepingCopy(corePath(file), *image, ImageHistory(historyFolder()), "Done")
              : Result<std::string>(image.error());
    if (!written) {
        showWarning(
            QString::fromStdString(written.error().message) +
            tr("\n\nNothing was saved and your changes are still here. Put another file name "
               "in the box above Done and press Done again, or press Cancel to leave without saving."));
        return;
    }
    m_filePath = file;
    m_history->markSaved();
    closeChannelList();
    closeSettings();
    hide();
    emit saved(path);
}

void EditorWindow::saveAs()
{
    const QString chosen = m_fileChooser(this, FileChoice::Save, m_controls.saveName->text());
    if (chosen.isEmpty())
        return;
    m_controls.saveName->setText(QDir::toNativeSeparators(chosen));
    saveAndLeave();
}

void EditorWindow::leaveWithoutSaving()
{
    // What was typed stays with the kept changes, as a click on Cancel keeps it.
    commitTypedEntries(m_controls.cancel);
    closeChannelList();
    closeSettings();
    hide();
    emit left();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    // Closing through the window frame is Cancel: the window is only hidden,
    // and the main window comes back.
    event->ignore();
    if (isVisible())
        leaveWithoutSaving();
}

void EditorWindow::showWarning(const QString& message)
{
    if (m_warningReporter) {
        m_warningReporter(message);
        return;
    }
    // Modal to the editor but without a nested event loop: the box is shown and
    // the editor waits for OK without this function waiting.
    auto* box = new QMessageBox(QMessageBox::Warning, kCaption, message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName("SaveWarning");
    box->open();
}

} // namespace ft817
