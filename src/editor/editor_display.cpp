#include "editor/editor_display.h"

#include "editor/band_list.h"
#include "editor/editor_state.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/number_reading.h"
#include "text/text_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace ft817 {
namespace {

// A frequency in 10 Hz units as the radio means it: "145.72500 MHz", and
// plainly so when the radio cannot tune it.
QString frequencyMeaning(std::uint32_t frequency)
{
    const QString text = QString::fromStdString(megahertzText(frequency)) + " MHz";
    return radioTunes(frequency) ? text
                                 : text + QCoreApplication::translate("ft817::EditorDisplay",
                                                                      " \u2014 the radio does not tune this");
}

// What a number box's text stores, read as the box's commit reads it.
std::optional<std::uint32_t> typedNumber(const QLineEdit* box)
{
    return typedFrequency(box->text().toLatin1().toStdString());
}

// A control is shown in the editor (the window itself may be hidden).
bool isShown(const QWidget* control)
{
    return control->isVisibleTo(control->parentWidget());
}

} // namespace

EditorDisplay::EditorDisplay(const EditorControls& controls, EditorState& state)
    : m_controls(controls), m_state(state)
{
}

void EditorDisplay::fillLists()
{
    // The radio's eight modes, then an empty entry.
    static const QStringList modes = [] {
        QStringList names;
        for (const std::string_view name : kModeNames)
            names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        return names << QString();
    }();
    for (QComboBox* list :
         {m_controls.mode, m_controls.txMode, m_controls.shift, m_controls.vfoABand, m_controls.vfoBBand})
        list->clear();
    // No operation fills Home, but a person may have typed into its text field.
    m_controls.homeBands->clear();
    m_controls.homeBands->clearEditText();
    m_controls.mode->addItems(modes);
    m_controls.txMode->addItems(modes);
    m_controls.shift->addItems({"SMPX", "-RPT", "+RPT"});
    m_controls.shift->setCurrentIndex(0);

    const BlockStore& store = m_state.store;
    for (int band = 0; band < kBandCount; ++band)
        m_controls.vfoABand->addItem(bandListText(bandFrequency(store, Vfo::A, band)));
    for (int band = 0; band < kBandCount; ++band)
        m_controls.vfoBBand->addItem(bandListText(bandFrequency(store, Vfo::B, band)));
    // Each line's tooltip names its band, as the radio's owners call it.
    for (const SpecialMemory& memory : specialMemoriesOf(store)) {
        if (memory.kind != SpecialKind::VfoBand)
            continue;
        for (const Vfo vfo : {Vfo::A, Vfo::B})
            for (int band = 0; band < kBandCount; ++band)
                if (bandLocation(vfo, band) == memory.where)
                    (vfo == Vfo::A ? m_controls.vfoABand : m_controls.vfoBBand)
                        ->setItemData(band, QString::fromStdString(memory.name), Qt::ToolTipRole);
    }
    // A band number of 15 names no band record: nothing is selected then.
    m_controls.vfoABand->setCurrentIndex(selectedBand(store, Vfo::A));
    m_controls.vfoBBand->setCurrentIndex(selectedBand(store, Vfo::B));

    const bool vfoB = selectedVfo(store) == Vfo::B;
    m_controls.vfoA->setChecked(!vfoB);
    m_controls.vfoB->setChecked(vfoB);
}

void EditorDisplay::showChannel(Showing showing)
{
    if (!m_state.loaded())
        return;
    showRecord(showing);
    updateToneTooltips();
    updateMeanings();
}

void EditorDisplay::updateToneTooltips()
{
    if (!m_state.loaded())
        return;
    const ChannelRecordView record = m_state.recordView();
    m_controls.toneNumber->setToolTip(QString::fromStdString(ctcssText(record.toneNumber())));
    m_controls.dcsNumber->setToolTip(QString::fromStdString(dcsText(record.dcsNumber())));
}

void EditorDisplay::updateMeanings()
{
    if (!m_state.loaded())
        return;
    const auto rx = typedNumber(m_controls.rxFrequency);
    m_controls.rxMeaning->setText(rx ? frequencyMeaning(*rx) : QString());
    m_controls.rxMeaning->setVisible(m_controls.active->isChecked());

    // A repeater channel's transmit box holds its offset; a split one's the
    // frequency it sends on.
    const Shift shift = m_state.recordView().shift();
    const auto tx = typedNumber(m_controls.txFrequency);
    QString txText;
    if (tx && shift == Shift::Split) {
        txText = "TX " + frequencyMeaning(*tx);
    } else if (tx && rx && (shift == Shift::Minus || shift == Shift::Plus)) {
        const bool minus = shift == Shift::Minus;
        const std::int64_t sent = std::int64_t{*rx} + (minus ? -std::int64_t{*tx} : std::int64_t{*tx});
        txText = QCoreApplication::translate("ft817::EditorDisplay", "Offset %1%2 MHz")
                     .arg(minus ? "\u2212" : "+")
                     .arg(megahertzText(*tx).c_str());
        if (sent >= 0 && sent <= 0xFFFFFFFFll)
            txText += QCoreApplication::translate("ft817::EditorDisplay", ", sends on ") +
                      frequencyMeaning(static_cast<std::uint32_t>(sent));
    }
    m_controls.txMeaning->setText(txText);
    m_controls.txMeaning->setVisible(isShown(m_controls.txFrequency) && !txText.isEmpty());

    QString tone;
    if (isShown(m_controls.toneNumber)) {
        const ClampedEntry entry =
            clampNumberEntry(m_controls.toneNumber->text().toLatin1().toStdString(), 49);
        tone = QString::fromStdString(ctcssText(entry.stored));
    } else if (isShown(m_controls.dcsNumber)) {
        const ClampedEntry entry =
            clampNumberEntry(m_controls.dcsNumber->text().toLatin1().toStdString(), 103);
        tone = QString::fromStdString(dcsText(entry.stored));
    }
    m_controls.toneMeaning->setText(tone);
    m_controls.toneMeaning->setVisible(!tone.isEmpty());
    // A screen reader reads the same meaning with each box.
    m_controls.rxFrequency->setAccessibleDescription(m_controls.rxMeaning->text());
    m_controls.txFrequency->setAccessibleDescription(txText);
    (isShown(m_controls.toneNumber) ? m_controls.toneNumber : m_controls.dcsNumber)
        ->setAccessibleDescription(tone);
}

void EditorDisplay::showRecord(Showing showing)
{
    const int channel = std::clamp(m_state.currentChannel, 0, kChannelCount - 1);
    m_state.currentChannel = channel;
    m_controls.channelNumber->setText(" " + QString::number(channel + 1));

    // Every display, the first after Edit included, shows the channel's own
    // bit in the active bitmap.
    if (!isChannelActive(m_state.store, channel)) {
        showInactive();
        return;
    }
    if (showing == Showing::Channel)
        setCurrentChannel(m_state.store, channel);
    m_controls.active->setChecked(true);

    const ChannelRecordView record = m_state.recordView();
    m_controls.mode->setCurrentIndex(record.mode());
    m_controls.rxFrequency->setText(QString::number(record.rxFrequency()));

    // The radio's shift (byte 1 bits 7-5 together): split shows the transmit
    // frequency and mode, a repeater shift its offset in the same box, and
    // CHoffset names the repeater shift (no entry for a split channel).
    const Shift shift = record.shift();
    m_controls.shift->setCurrentIndex(shift == Shift::Split ? -1 : static_cast<int>(shift));
    m_controls.split->setChecked(shift == Shift::Split);
    if (shift != Shift::Simplex) {
        m_controls.txFrequency->setText(QString::number(record.txFrequency()));
        m_controls.txFrequency->show();
    } else {
        m_controls.txFrequency->hide();
    }
    if (shift == Shift::Split)
        m_controls.txMode->setCurrentIndex(record.txMode());
    m_controls.txMode->setVisible(shift == Shift::Split);

    const ToneMode tone = record.toneMode();
    m_controls.dcsNumber->setVisible(tone == ToneMode::Dcs);
    m_controls.dcsOn->setChecked(tone == ToneMode::Dcs);
    m_controls.toneNumber->setVisible(tone == ToneMode::Tone || tone == ToneMode::Mute);
    m_controls.toneOn->setChecked(tone == ToneMode::Tone);
    m_controls.toneSquelchOn->setChecked(tone == ToneMode::Mute);
    if (tone == ToneMode::Tone || tone == ToneMode::Mute)
        m_controls.toneNumber->setText(" " + QString::number(record.toneNumber()));
    else if (tone == ToneMode::Dcs)
        m_controls.dcsNumber->setText(" " + QString::number(record.dcsNumber()));

    // The radio shows the tag when bit 7 of byte 0 is set, whatever bit 6 holds.
    if (record.tagShown()) {
        m_controls.tagOn->setChecked(true);
        m_controls.tag->show();
        const std::string tag = record.tag();
        m_controls.tag->setText(QString::fromLatin1(tag.data(), static_cast<qsizetype>(tag.size())));
        m_controls.tag->setCursorPosition(0);
    } else {
        m_controls.tagOn->setChecked(false);
        m_controls.tag->hide();
    }
}

void EditorDisplay::showInactive()
{
    m_controls.active->setChecked(false);
    m_controls.dcsNumber->hide();
    m_controls.dcsOn->setChecked(false);
    m_controls.toneNumber->hide();
    m_controls.toneSquelchOn->setChecked(false);
    m_controls.toneOn->setChecked(false);
    m_controls.rxFrequency->clear();
    m_controls.txFrequency->clear();
    m_controls.txFrequency->hide();
    m_controls.txMode->hide();
    m_controls.split->setChecked(false);
    m_controls.mode->setCurrentIndex(-1);
    m_controls.shift->setCurrentIndex(-1);
    m_controls.tag->hide();
    m_controls.tagOn->setChecked(false);
}

} // namespace ft817
