#include "editor/editor_window.h"

#include "editor/band_list.h"
#include "editor/channel_list_window.h"
#include "editor/edit_history.h"
#include "editor/editor_handlers.h"
#include "editor/radio_settings_window.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "gui/window_placement.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/file_replacement.h"
#include "image/frequency_range.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "image/payload_file.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"
#include "text/number_reading.h"
#include "text/text_format.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace ft817 {
namespace {

// The window's own font: a narrow sans serif, so that "Active", "DCS" and the
// other captions fit their small boxes.
QFont formFont()
{
    QFont font;
    font.setFamilies({"Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPointSizeF(8.25);
    return font;
}

// A fixed-pitch font of the given size (0: the form's size).
QFont fixedFont(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFont("DejaVu Sans Mono");
        font.setStyleHint(QFont::Monospace);
    }
    font.setPointSizeF(pointSize > 0 ? pointSize : formFont().pointSizeF());
    return font;
}

// Sets a text box's letters closer, just enough for the widest text it
// shows to fit without scrolling. The box has a one-pixel border, no padding
// and the given text margin on each side; the text field keeps two pixels
// each side and one for the cursor.
void fitWidestText(QLineEdit* box, const QString& widest, int textMargin)
{
    box->setStyleSheet("QLineEdit { border: 1px solid palette(dark); padding: 0px; margin: 0px; }");
    box->setTextMargins(textMargin, 0, textMargin, 0);
    QFont font = box->font();
    const int available = box->width() - 2 * 1 - 2 * 2 - 1 - 2 * textMargin;
    const int excess = QFontMetrics(font).horizontalAdvance(widest) - available;
    if (excess > 0) {
        const qreal tighter = std::ceil(4.0 * excess / static_cast<qreal>(widest.size())) / 4.0;
        font.setLetterSpacing(QFont::AbsoluteSpacing, -tighter);
        box->setFont(font);
    }
}

// The frequency and tag boxes: eight characters of 13.5-point fixed pitch in
// a box 89 pixels wide.
void makeRoomForEightCharacters(QLineEdit* box)
{
    box->setFont(fixedFont(13.5));
    fitWidestText(box, "88888888", -1);
}

// A filled triangle pointing up or down, for the channel step buttons.
QIcon arrowIcon(bool up, const QColor& colour)
{
    QIcon icon;
    for (int size : {9, 18}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const qreal top = size * 0.15, bottom = size * 0.85;
        const QPointF tip(size / 2.0, up ? top : bottom);
        const qreal base = up ? bottom : top;
        painter.drawPolygon(QPolygonF({tip, QPointF(0, base), QPointF(size, base)}));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A frequency in 10 Hz units as the radio means it: "145.72500 MHz", and
// plainly so when the radio cannot tune it.
QString frequencyMeaning(std::uint32_t frequency)
{
    const QString text = QString::fromStdString(megahertzText(frequency)) + " MHz";
    return radioTunes(frequency) ? text : text + " \u2014 the radio does not tune this";
}

// What a number box's text stores, read as the box's commit reads it.
std::optional<std::uint32_t> typedNumber(const QLineEdit* box)
{
    return typedFrequency(box->text().toLatin1().toStdString());
}

} // namespace

EditorWindow::EditorWindow(QWidget* parent)
    : QWidget(parent), m_history(std::make_shared<EditHistory>()), m_state{m_history->store()}
{
    setObjectName("Form2");
    setWindowTitle("YAESU Edit");
    setWindowIcon(makeWindowIcon("E", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);
    setFont(formFont());
    buildWidgets();
    setTabOrderChain();
    setFixedSize(423, 312);
    m_handlers = std::make_unique<EditorHandlers>(*this, EditorControls{.channelNumber = m_channelNumber,
                                                                        .channelUp = m_channelUp,
                                                                        .channelDown = m_channelDown,
                                                                        .active = m_active,
                                                                        .split = m_split,
                                                                        .tagOn = m_tagOn,
                                                                        .toneOn = m_toneOn,
                                                                        .toneSquelchOn = m_toneSquelchOn,
                                                                        .dcsOn = m_dcsOn,
                                                                        .vfoA = m_vfoA,
                                                                        .vfoB = m_vfoB,
                                                                        .vfoABand = m_vfoABand,
                                                                        .vfoBBand = m_vfoBBand,
                                                                        .rxFrequency = m_rxFrequency,
                                                                        .txFrequency = m_txFrequency,
                                                                        .toneNumber = m_toneNumber,
                                                                        .dcsNumber = m_dcsNumber,
                                                                        .tag = m_tag,
                                                                        .mode = m_mode,
                                                                        .txMode = m_txMode,
                                                                        .shift = m_shift});
    // A change made in the channel list, or an undo, shows here at once.
    connect(m_history.get(), &EditHistory::changed, this, [this](const BlockStore&, const QObject* source) {
        if (source != this && isVisible())
            m_handlers->showStoreChange();
    });
}

EditorWindow::~EditorWindow() = default;

namespace {

// Makes the window's controls: each a child of the window, named, and placed
// at its fixed position and size.
class ControlMaker {
public:
    explicit ControlMaker(QWidget* window) : m_window(window) {}

    QLineEdit* textBox(const char* name, const QString& text, const char* tooltip, int x, int y, int width,
                       int height) const
    {
        auto* box = new QLineEdit(text, m_window);
        place(box, name, x, y, width, height);
        if (tooltip)
            box->setToolTip(tooltip);
        return box;
    }
    QCheckBox* checkBox(const char* name, const char* caption, int x, int y, int width, int height) const
    {
        auto* box = new QCheckBox(caption, m_window);
        place(box, name, x, y, width, height);
        return box;
    }
    QComboBox* list(const char* name, int x, int y, int width, int height) const
    {
        auto* box = new QComboBox(m_window);
        box->setEditable(true);
        // Typing into a list never adds an entry to it.
        box->setInsertPolicy(QComboBox::NoInsert);
        place(box, name, x, y, width, height);
        return box;
    }
    QPushButton* button(const char* name, const QString& caption, int x, int y, int width, int height) const
    {
        auto* push = new QPushButton(caption, m_window);
        place(push, name, x, y, width, height);
        return push;
    }
    QPushButton* arrowButton(const char* name, bool up, int x, int y) const
    {
        QPushButton* push = button(name, QString(), x, y, 17, 20);
        push->setIcon(arrowIcon(up, m_window->palette().color(QPalette::ButtonText)));
        push->setIconSize(QSize(9, 9));
        push->setStyleSheet("QPushButton { padding: 0px; }");
        return push;
    }
    QLabel* label(const char* name, const QString& text, int x, int y, int width, int height) const
    {
        auto* label = new QLabel(text, m_window);
        place(label, name, x, y, width, height);
        return label;
    }

private:
    static void place(QWidget* widget, const char* name, int x, int y, int width, int height)
    {
        widget->setObjectName(name);
        widget->setGeometry(x, y, width, height);
    }

    QWidget* m_window;
};

} // namespace

void EditorWindow::buildWidgets()
{
    // The controls are made in this order, row by row from the top.
    buildChannelRows();
    buildTagAndListRows();
    buildToneAndButtonRows();

    // Small check boxes: keep the caption close to its box.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setStyleSheet("QCheckBox { spacing: 3px; }");
    for (QLineEdit* box : {m_dcsNumber, m_toneNumber})
        box->setStyleSheet("QLineEdit { padding: 0px; }");

    // Beside Done and Cancel, in the window's free area: the whole memory as a list.
    m_channels = ControlMaker(this).button("Channels", "Channels…", 200, 272, 97, 25);
    m_channels->setToolTip("All 200 channels in one list, edited in place, with undo.");
    m_settings = ControlMaker(this).button("Settings", "Settings…", 312, 272, 97, 25);
    m_settings->setToolTip("The radio's menu settings, edited with undo.");

    buildMeaningLabels();
    describeControls();

    connect(m_done, &QPushButton::clicked, this, &EditorWindow::saveAndLeave);
    connect(m_channels, &QPushButton::clicked, this, &EditorWindow::openChannelList);
    connect(m_settings, &QPushButton::clicked, this, &EditorWindow::openSettings);
    connect(m_cancel, &QPushButton::clicked, this, &EditorWindow::leaveWithoutSaving);
}

// Channel number and arrows, Active, Split, the VFOs, RX and TX frequency and mode.
void EditorWindow::buildChannelRows()
{
    const ControlMaker make(this);
    m_channelNumber = make.textBox("CHnum", "200", "Memory Chanel number.", 16, 32, 73, 41);
    {
        QFont big = font();
        big.setPointSizeF(24);
        m_channelNumber->setFont(big);
        fitWidestText(m_channelNumber, " 200", 0);
    }
    m_channelUp = make.arrowButton("Chup", true, 88, 32);
    m_active = make.checkBox("Chact", "Active", 120, 32, 65, 15);
    m_vfoA = make.checkBox("VFOAck", "VFO A", 200, 32, 73, 17);
    m_vfoA->setFont(fixedFont(0));
    m_channelDown = make.arrowButton("Chdown", false, 88, 53);
    m_split = make.checkBox("Chsplit", "Split", 120, 56, 65, 17);
    m_vfoABand = make.list("VFOAs", 200, 56, 97, 23);
    m_vfoABand->setFont(fixedFont(0));
    m_rxFrequency = make.textBox("CHfreq", "  700000", "Memory frequency.", 16, 88, 89, 25);
    makeRoomForEightCharacters(m_rxFrequency);
    m_mode = make.list("CHmode", 120, 88, 65, 25);
    m_vfoB = make.checkBox("VFOBck", "VFO B", 200, 88, 65, 17);
    m_vfoB->setFont(fixedFont(0));
    m_vfoBBand = make.list("VFOBs", 200, 112, 97, 23);
    m_vfoBBand->setFont(fixedFont(0));
    m_txFrequency = make.textBox("CHTfreq", QString(), "Memory TX freq if split.", 16, 120, 89, 25);
    makeRoomForEightCharacters(m_txFrequency);
    m_txMode = make.list("CHTmode", 120, 120, 65, 25);
    // A closed VFO list names the band of the line it shows.
    for (QComboBox* list : {m_vfoABand, m_vfoBBand})
        connect(list, &QComboBox::currentIndexChanged, list,
                [list](int line) { list->setToolTip(list->itemData(line, Qt::ToolTipRole).toString()); });
}

// The Home label and list, the tag text and the offset list.
void EditorWindow::buildTagAndListRows()
{
    const ControlMaker make(this);
    m_homeLabel = make.label("Label1", "Home", 224, 144, 33, 17);
    m_homeLabel->setFont(fixedFont(0));
    m_tag = make.textBox("CHtext", QString(), "Memory tag.", 16, 152, 89, 25);
    makeRoomForEightCharacters(m_tag);
    m_tag->setMaxLength(8);
    m_shift = make.list("CHoffset", 120, 152, 65, 25);
    m_homeBands = make.list("Home", 200, 168, 97, 23);
    m_homeBands->setFont(fixedFont(0));
}

// DCS and CTCSS with their boxes, Tag, Mute, the file name, Done and Cancel.
void EditorWindow::buildToneAndButtonRows()
{
    const ControlMaker make(this);
    m_dcsOn = make.checkBox("DCSck", "DCS", 16, 184, 41, 16);
    m_toneOn = make.checkBox("CTCSSck", "Tone", 64, 184, 49, 17);
    m_tagOn = make.checkBox("Tagck", "Tag", 120, 184, 49, 17);
    m_dcsNumber = make.textBox("DCS", QString(), nullptr, 16, 208, 41, 19);
    m_toneNumber = make.textBox("CTCSS", QString(), nullptr, 64, 208, 41, 19);
    m_toneSquelchOn = make.checkBox("CTCSSmute", "Mute", 120, 208, 49, 17);
    m_saveName = make.textBox("Savename", QString(), nullptr, 16, 240, 145, 21);
    m_done = make.button("Done", "Done", 16, 272, 65, 25);
    m_cancel = make.button("Cancel", "Cancel", 96, 272, 65, 25);
}

// In the free column right of the VFO lists, and right of Mute: what the
// numbers in the boxes mean to the radio.
void EditorWindow::buildMeaningLabels()
{
    const ControlMaker make(this);
    m_rxMeaning = make.label("CHfreqMeaning", QString(), 305, 80, 112, 40);
    m_txMeaning = make.label("CHTfreqMeaning", QString(), 305, 120, 112, 56);
    m_toneMeaning = make.label("ToneMeaning", QString(), 176, 208, 121, 17);
    for (QLabel* label : {m_rxMeaning, m_txMeaning}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void EditorWindow::describeControls()
{
    describeControl(m_channelNumber, "Channel number",
                    "The memory channel shown, 1 to 200: type one and press Enter");
    describeControl(m_channelUp, "Next channel");
    describeControl(m_channelDown, "Previous channel");
    describeControl(m_active, "Active", "The channel is in use");
    describeControl(m_split, "Split", "The channel transmits on its own transmit frequency");
    describeControl(m_vfoA, "VFO A", "Selects VFO A");
    describeControl(m_vfoB, "VFO B", "Selects VFO B");
    tieListLabel(m_vfoABand, "VFO A band", "The frequencies of VFO A's bands, in 10 Hz units");
    tieListLabel(m_vfoBBand, "VFO B band", "The frequencies of VFO B's bands, in 10 Hz units");
    describeControl(m_rxFrequency, "Receive frequency, in 10 Hz units");
    tieListLabel(m_mode, "Mode");
    describeControl(m_txFrequency, "Transmit frequency or repeater offset, in 10 Hz units");
    tieListLabel(m_txMode, "Transmit mode");
    describeControl(m_tag, "Tag", "The channel's name, up to 8 characters");
    tieListLabel(m_shift, "Repeater shift");
    m_homeLabel->setBuddy(m_homeBands);
    describeControl(m_homeBands, "Home");
    describeControl(m_dcsOn, "DCS", "DCS squelch");
    describeControl(m_toneOn, "Tone", "CTCSS tone sent");
    describeControl(m_tagOn, "Tag shown", "The radio shows the channel's tag");
    describeControl(m_dcsNumber, "DCS code number, 0 to 103");
    describeControl(m_toneNumber, "CTCSS tone number, 0 to 49");
    describeControl(m_toneSquelchOn, "Mute", "Tone squelch: the tone sent and needed to open");
    describeControl(m_saveName, "File Done saves to");
    describeControl(m_done, "Done", "Saves the image to the file named above and goes back");
    describeControl(m_cancel, "Cancel", "Goes back without saving");
}

void EditorWindow::updateMeanings()
{
    if (!m_state.loaded())
        return;
    const auto rx = typedNumber(m_rxFrequency);
    m_rxMeaning->setText(rx ? frequencyMeaning(*rx) : QString());
    m_rxMeaning->setVisible(m_active->isChecked());

    // A repeater channel's transmit box holds its offset; a split one's the
    // frequency it sends on.
    const Shift shift = m_state.recordView().shift();
    const auto tx = typedNumber(m_txFrequency);
    QString txText;
    if (tx && shift == Shift::Split) {
        txText = "TX " + frequencyMeaning(*tx);
    } else if (tx && rx && (shift == Shift::Minus || shift == Shift::Plus)) {
        const bool minus = shift == Shift::Minus;
        const std::int64_t sent = std::int64_t{*rx} + (minus ? -std::int64_t{*tx} : std::int64_t{*tx});
        txText = QString("Offset %1%2 MHz").arg(minus ? "\u2212" : "+").arg(megahertzText(*tx).c_str());
        if (sent >= 0 && sent <= 0xFFFFFFFFll)
            txText += ", sends on " + frequencyMeaning(static_cast<std::uint32_t>(sent));
    }
    m_txMeaning->setText(txText);
    m_txMeaning->setVisible(m_txFrequency->isVisibleTo(this) && !txText.isEmpty());

    QString tone;
    if (m_toneNumber->isVisibleTo(this)) {
        const ClampedEntry entry = clampNumberEntry(m_toneNumber->text().toLatin1().toStdString(), 49);
        tone = QString::fromStdString(ctcssText(entry.stored));
    } else if (m_dcsNumber->isVisibleTo(this)) {
        const ClampedEntry entry = clampNumberEntry(m_dcsNumber->text().toLatin1().toStdString(), 103);
        tone = QString::fromStdString(dcsText(entry.stored));
    }
    m_toneMeaning->setText(tone);
    m_toneMeaning->setVisible(!tone.isEmpty());
    // A screen reader reads the same meaning with each box.
    m_rxFrequency->setAccessibleDescription(m_rxMeaning->text());
    m_txFrequency->setAccessibleDescription(txText);
    (m_toneNumber->isVisibleTo(this) ? m_toneNumber : m_dcsNumber)->setAccessibleDescription(tone);
}

void EditorWindow::setTabOrderChain()
{
    const std::vector<std::pair<int, QWidget*>> order = {
        {0, m_done},           {1, m_vfoABand},     {2, m_vfoBBand},      {3, m_vfoA},
        {4, m_vfoB},           {5, m_homeBands},    {7, m_channelNumber}, {8, m_rxFrequency},
        {9, m_mode},           {10, m_tag},         {11, m_dcsOn},        {12, m_toneOn},
        {13, m_dcsNumber},     {14, m_txFrequency}, {15, m_toneNumber},   {16, m_shift},
        {17, m_active},        {18, m_split},       {19, m_channelUp},    {20, m_channelDown},
        {21, m_toneSquelchOn}, {22, m_tagOn},       {23, m_saveName},     {24, m_txMode},
        {25, m_cancel},        {26, m_channels},    {27, m_settings},
    };
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1].second, order[k].second);
}

void EditorWindow::fillLists()
{
    // The radio's eight modes, then an empty entry.
    static const QStringList modes = [] {
        QStringList names;
        for (const std::string_view name : kModeNames)
            names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        return names << QString();
    }();
    for (QComboBox* list : {m_mode, m_txMode, m_shift, m_vfoABand, m_vfoBBand})
        list->clear();
    // No operation fills Home, but a person may have typed into its text field.
    m_homeBands->clear();
    m_homeBands->clearEditText();
    m_mode->addItems(modes);
    m_txMode->addItems(modes);
    m_shift->addItems({"SMPX", "-RPT", "+RPT"});
    m_shift->setCurrentIndex(0);

    const BlockStore& store = m_state.store;
    for (int band = 0; band < kBandCount; ++band)
        m_vfoABand->addItem(bandListText(bandFrequency(store, Vfo::A, band)));
    for (int band = 0; band < kBandCount; ++band)
        m_vfoBBand->addItem(bandListText(bandFrequency(store, Vfo::B, band)));
    // Each line's tooltip names its band, as the radio's owners call it.
    for (const SpecialMemory& memory : specialMemoriesOf(store)) {
        if (memory.kind != SpecialKind::VfoBand)
            continue;
        for (const Vfo vfo : {Vfo::A, Vfo::B})
            for (int band = 0; band < kBandCount; ++band)
                if (bandLocation(vfo, band) == memory.where)
                    (vfo == Vfo::A ? m_vfoABand : m_vfoBBand)
                        ->setItemData(band, QString::fromStdString(memory.name), Qt::ToolTipRole);
    }
    // A band number of 15 names no band record: nothing is selected then.
    m_vfoABand->setCurrentIndex(selectedBand(store, Vfo::A));
    m_vfoBBand->setCurrentIndex(selectedBand(store, Vfo::B));

    const bool vfoB = selectedVfo(store) == Vfo::B;
    m_vfoA->setChecked(!vfoB);
    m_vfoB->setChecked(vfoB);
}

Status EditorWindow::edit(const QString& path)
{
    Result<Bytes> bytes = readImageFileBytes(corePath(path));
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
    fillLists();

    // A current-channel byte of 200 or more (a 60 m memory on US radios) names
    // no memory channel: the editor opens on channel 1 and leaves the byte alone.
    m_state.currentChannel = shownChannel(m_state.store);
    showChannel(Showing::Opening);
    updateToneTooltips();
    updateMeanings();
    // Undo reaches back to this Edit and no further.
    m_history->restart();

    // Done writes an image file, never over the payload file it came from.
    m_saveName->setText(file->payloadRadio ? QString::fromStdString(imagePathBeside(corePath(path))) : path);
    return {};
}

void EditorWindow::present()
{
    show();
    activateWindow();
    m_done->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::displayChannel()
{
    if (!m_state.loaded())
        return;
    showChannel(Showing::Channel);
    updateToneTooltips();
    updateMeanings();
}

void EditorWindow::refreshChannel()
{
    if (!m_state.loaded())
        return;
    showChannel(Showing::Refresh);
    updateToneTooltips();
    updateMeanings();
}

void EditorWindow::openChannelList()
{
    if (!m_state.loaded())
        return;
    if (!m_channelList) {
        m_channelList = new ChannelListWindow(m_history, this);
        connect(m_channelList, &ChannelListWindow::channelChosen, this,
                [this](int channel) { m_handlers->showTypedChannel(channel); });
        placeBesideEditor(m_channelList);
        if (m_radio)
            m_channelList->setRadio(*m_radio);
        m_channelList->setRadioBusy(m_radioBusy);
    }
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
        placeBesideEditor(m_settingsWindow);
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void EditorWindow::placeBesideEditor(QWidget* window)
{
    // The window's title bar and borders are taken to be as wide as the editor's own.
    const QSize decorations = frameGeometry().size() - geometry().size();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window->size());
    const QRect frame = placeBeside(frameGeometry(), window->size() + decorations, available);
    window->resize(frame.size() - decorations);
    window->move(frame.topLeft());
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

void EditorWindow::updateToneTooltips()
{
    if (!m_state.loaded())
        return;
    const ChannelRecordView record = m_state.recordView();
    m_toneNumber->setToolTip(QString::fromStdString(ctcssText(record.toneNumber())));
    m_dcsNumber->setToolTip(QString::fromStdString(dcsText(record.dcsNumber())));
}

void EditorWindow::showChannel(Showing showing)
{
    const int n = std::clamp(m_state.currentChannel, 0, kChannelCount - 1);
    m_state.currentChannel = n;
    m_channelNumber->setText(" " + QString::number(n + 1));

    // Every display, the first after Edit included, shows the channel's own
    // bit in the active bitmap.
    if (!isChannelActive(m_state.store, n)) {
        showInactive();
        return;
    }
    if (showing == Showing::Channel)
        setCurrentChannel(m_state.store, n);
    m_active->setChecked(true);

    const ChannelRecordView record = m_state.recordView();
    m_mode->setCurrentIndex(record.mode());
    m_rxFrequency->setText(QString::number(record.rxFrequency()));

    // The radio's shift (byte 1 bits 7-5 together): split shows the transmit
    // frequency and mode, a repeater shift its offset in the same box, and
    // CHoffset names the repeater shift (no entry for a split channel).
    const Shift shift = record.shift();
    m_shift->setCurrentIndex(shift == Shift::Split ? -1 : static_cast<int>(shift));
    m_split->setChecked(shift == Shift::Split);
    if (shift != Shift::Simplex) {
        m_txFrequency->setText(QString::number(record.txFrequency()));
        m_txFrequency->show();
    } else {
        m_txFrequency->hide();
    }
    if (shift == Shift::Split)
        m_txMode->setCurrentIndex(record.txMode());
    m_txMode->setVisible(shift == Shift::Split);

    const ToneMode tone = record.toneMode();
    m_dcsNumber->setVisible(tone == ToneMode::Dcs);
    m_dcsOn->setChecked(tone == ToneMode::Dcs);
    m_toneNumber->setVisible(tone == ToneMode::Tone || tone == ToneMode::Mute);
    m_toneOn->setChecked(tone == ToneMode::Tone);
    m_toneSquelchOn->setChecked(tone == ToneMode::Mute);
    if (tone == ToneMode::Tone || tone == ToneMode::Mute)
        m_toneNumber->setText(" " + QString::number(record.toneNumber()));
    else if (tone == ToneMode::Dcs)
        m_dcsNumber->setText(" " + QString::number(record.dcsNumber()));

    // The radio shows the tag when bit 7 of byte 0 is set, whatever bit 6 holds.
    if (record.tagShown()) {
        m_tagOn->setChecked(true);
        m_tag->show();
        const std::string tag = record.tag();
        m_tag->setText(QString::fromLatin1(tag.data(), static_cast<qsizetype>(tag.size())));
        m_tag->setCursorPosition(0);
    } else {
        m_tagOn->setChecked(false);
        m_tag->hide();
    }
}

void EditorWindow::showInactive()
{
    m_active->setChecked(false);
    m_dcsNumber->hide();
    m_dcsOn->setChecked(false);
    m_toneNumber->hide();
    m_toneSquelchOn->setChecked(false);
    m_toneOn->setChecked(false);
    m_rxFrequency->clear();
    m_txFrequency->clear();
    m_txFrequency->hide();
    m_txMode->hide();
    m_split->setChecked(false);
    m_mode->setCurrentIndex(-1);
    m_shift->setCurrentIndex(-1);
    m_tag->hide();
    m_tagOn->setChecked(false);
}

void EditorWindow::saveAndLeave()
{
    // The entry being edited commits when it loses the focus; make that happen
    // before the image is written, however Done was pressed.
    QWidget* focused = focusWidget();
    if (focused && focused != m_done && isAncestorOf(focused))
        m_done->setFocus(Qt::OtherFocusReason);
    // So does a cell being typed in the channel list.
    if (m_channelList)
        m_channelList->commitOpenEditor();

    const QString path = m_saveName->text();
    Result<Bytes> image = m_state.store.toImageFile();
    // The file Done replaces is kept in the history folder first, as every command keeps it.
    const Result<std::string> written =
        image ? replaceKeepingCopy(corePath(path), *image, ImageHistory(historyFolder()), "Done")
              : Result<std::string>(image.error());
    if (!written) {
        showWarning(QString::fromStdString(written.error().message) +
                    "\n\nNothing was saved and your changes are still here. Put another file name "
                    "in the box above Done and press Done again, or press Cancel to leave without saving.");
        return;
    }
    closeChannelList();
    closeSettings();
    hide();
    emit saved(path);
}

void EditorWindow::leaveWithoutSaving()
{
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
    if (m_warn) {
        m_warn(message);
        return;
    }
    // Modal to the editor but without a nested event loop: the box is shown and
    // the editor waits for OK without this function waiting.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName("SaveWarning");
    box->open();
}

} // namespace ft817
