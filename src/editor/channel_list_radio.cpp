// The channel list's radio actions: Tune sends a channel to the radio, Take brings the radio's tuning into
// one.

#include "editor/channel_list_window.h"

#include "cat_protocol/channel_tuning.h"
#include "editor/channel_radio.h"

#include "editing/channel_fill.h"
#include "editor/channel_filter_model.h"
#include "editor/channel_item_delegate.h"
#include "editor/channel_table_model.h"
#include "editor/channel_table_view.h"
#include "editor/edit_history.h"
#include "editor/special_table_model.h"
#include "exchange/channel_clipboard.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/file_replacement.h"
#include "image/image_history.h"
#include "image/memory_map.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"
#include "sheet/channel_sheet.h"
#include "text/text_format.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace ft817 {

void ChannelListWindow::setRadio(SerialDevice device)
{
    delete m_radio;
    m_radio = new ChannelRadio(std::move(device), this);
    connect(m_radio, &ChannelRadio::tuneEnded, this, [this](bool ok, const QString& text) {
        report(ok ? tr("Sent to the radio's VFO: ") + text : tr("Not tuned: ") + text);
        updateRadioActions();
    });
    connect(m_radio, &ChannelRadio::readEnded, this, &ChannelListWindow::takeAnswer);
    updateRadioActions();
}

void ChannelListWindow::setRadioBusy(bool busy)
{
    m_radioBusy = busy;
    updateRadioActions();
}

void ChannelListWindow::updateRadioActions()
{
    const bool usable =
        m_radio && !m_radioBusy && !m_radio->busy() && (!m_tabs || m_tabs->currentWidget() == m_table);
    m_tune->setEnabled(usable);
    m_take->setEnabled(usable);
}

void ChannelListWindow::tuneRadio()
{
    if (!onChannelsTab())
        return;
    const int channel = firstSelectedChannel();
    if (channel < 0)
        return report(tr("Select the channel to tune the radio to first"));
    if (!m_radio || m_radioBusy || m_radio->busy())
        return report(tr("The radio's port is busy"));
    if (!isChannelActive(m_history->store(), channel))
        return report(tr("Channel %1 is not in use: nothing sent").arg(channel + 1));
    m_radio->tune(tuneCommands(m_history->store(), channel));
    updateRadioActions();
    report(tr("Tuning the radio to channel %1…").arg(channel + 1));
}

void ChannelListWindow::takeFromRadio()
{
    if (!onChannelsTab())
        return;
    const int channel = firstSelectedChannel();
    if (channel < 0)
        return report(tr("Select the channel to take the radio's frequency into first"));
    if (!m_radio || m_radioBusy || m_radio->busy())
        return report(tr("The radio's port is busy"));
    m_takeChannel = channel;
    m_radio->readTuned();
    updateRadioActions();
    report(tr("Reading the radio's frequency and mode…"));
}

void ChannelListWindow::takeAnswer(bool ok, const std::vector<std::uint8_t>& answer, const QString& why)
{
    updateRadioActions();
    const int channel = m_takeChannel;
    if (!ok)
        return report(tr("Nothing taken: ") + why);
    const Result<TunedFrequency> tuned = readTunedAnswer(answer);
    if (!tuned)
        return report(QString::fromStdString(tuned.error().message));
    BlockStore taken = m_history->store();
    if (const EditOutcome done = takeIntoChannel(taken, channel, *tuned); !done)
        return report(
            tr("Nothing taken: channel %1: %2").arg(channel + 1).arg(QString::fromStdString(done.refusal)));
    m_history->apply(
        tr("Take from radio into channel %1").arg(channel + 1), [&](BlockStore& store) { store = taken; },
        this);
    report(tr("Channel %1 takes %2 MHz %3 from the radio")
               .arg(channel + 1)
               .arg(QString::fromStdString(megahertzText(tuned->frequency)))
               .arg(QString::fromUtf8(kModeNames[static_cast<std::size_t>(tuned->mode)].data())));
}

} // namespace ft817
