#include "editor/editor_controls.h"

#include "gui/accessible_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QStyle>

#include <cmath>
#include <utility>
#include <vector>

namespace ft817 {

QFont editorFont()
{
    QFont font;
    font.setFamilies({"Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPointSizeF(8.25);
    return font;
}

namespace {

// A fixed-pitch font of the given size (0: the form's size).
QFont fixedFont(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFont("DejaVu Sans Mono");
        font.setStyleHint(QFont::Monospace);
    }
    font.setPointSizeF(pointSize > 0 ? pointSize : editorFont().pointSizeF());
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

// Channel number and arrows, Active, Split, the VFOs, RX and TX frequency and mode.
void buildChannelRows(QWidget* window, EditorControls& controls)
{
    const ControlMaker make(window);
    controls.channelNumber = make.textBox("CHnum", "200", "Memory Chanel number.", 16, 32, 73, 41);
    {
        QFont big = window->font();
        big.setPointSizeF(24);
        controls.channelNumber->setFont(big);
        fitWidestText(controls.channelNumber, " 200", 0);
    }
    controls.channelUp = make.arrowButton("Chup", true, 88, 32);
    controls.active = make.checkBox("Chact", "Active", 120, 32, 65, 15);
    controls.vfoA = make.checkBox("VFOAck", "VFO A", 200, 32, 73, 17);
    controls.vfoA->setFont(fixedFont(0));
    controls.channelDown = make.arrowButton("Chdown", false, 88, 53);
    controls.split = make.checkBox("Chsplit", "Split", 120, 56, 65, 17);
    controls.vfoABand = make.list("VFOAs", 200, 56, 97, 23);
    controls.vfoABand->setFont(fixedFont(0));
    controls.rxFrequency = make.textBox("CHfreq", "  700000", "Memory frequency.", 16, 88, 89, 25);
    makeRoomForEightCharacters(controls.rxFrequency);
    controls.mode = make.list("CHmode", 120, 88, 65, 25);
    controls.vfoB = make.checkBox("VFOBck", "VFO B", 200, 88, 65, 17);
    controls.vfoB->setFont(fixedFont(0));
    controls.vfoBBand = make.list("VFOBs", 200, 112, 97, 23);
    controls.vfoBBand->setFont(fixedFont(0));
    controls.txFrequency = make.textBox("CHTfreq", QString(), "Memory TX freq if split.", 16, 120, 89, 25);
    makeRoomForEightCharacters(controls.txFrequency);
    controls.txMode = make.list("CHTmode", 120, 120, 65, 25);
    // A closed VFO list names the band of the line it shows.
    for (QComboBox* list : {controls.vfoABand, controls.vfoBBand})
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int line) {
            list->setToolTip(list->itemData(line, Qt::ToolTipRole).toString());
        });
}

// The Home label and list, the tag text and the offset list.
void buildTagAndListRows(QWidget* window, EditorControls& controls)
{
    const ControlMaker make(window);
    controls.homeLabel = make.label("Label1", "Home", 224, 144, 33, 17);
    controls.homeLabel->setFont(fixedFont(0));
    controls.tag = make.textBox("CHtext", QString(), "Memory tag.", 16, 152, 89, 25);
    makeRoomForEightCharacters(controls.tag);
    controls.tag->setMaxLength(8);
    controls.shift = make.list("CHoffset", 120, 152, 65, 25);
    controls.homeBands = make.list("Home", 200, 168, 97, 23);
    controls.homeBands->setFont(fixedFont(0));
}

// DCS and CTCSS with their boxes, Tag, Mute, the file name, Done and Cancel.
void buildToneAndButtonRows(QWidget* window, EditorControls& controls)
{
    const ControlMaker make(window);
    controls.dcsOn = make.checkBox("DCSck", "DCS", 16, 184, 41, 16);
    controls.toneOn = make.checkBox("CTCSSck", "Tone", 64, 184, 49, 17);
    controls.tagOn = make.checkBox("Tagck", "Tag", 120, 184, 49, 17);
    controls.dcsNumber = make.textBox("DCS", QString(), nullptr, 16, 208, 41, 19);
    controls.toneNumber = make.textBox("CTCSS", QString(), nullptr, 64, 208, 41, 19);
    controls.toneSquelchOn = make.checkBox("CTCSSmute", "Mute", 120, 208, 49, 17);
    controls.saveName = make.textBox("Savename", QString(), nullptr, 16, 240, 145, 21);
    controls.done = make.button("Done", "Done", 16, 272, 65, 25);
    controls.cancel = make.button("Cancel", "Cancel", 96, 272, 65, 25);
}

// In the free column right of the VFO lists, and right of Mute: what the
// numbers in the boxes mean to the radio.
void buildMeaningLabels(QWidget* window, EditorControls& controls)
{
    const ControlMaker make(window);
    controls.rxMeaning = make.label("CHfreqMeaning", QString(), 305, 80, 112, 40);
    controls.txMeaning = make.label("CHTfreqMeaning", QString(), 305, 120, 112, 56);
    controls.toneMeaning = make.label("ToneMeaning", QString(), 176, 208, 121, 17);
    for (QLabel* label : {controls.rxMeaning, controls.txMeaning}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// Names and descriptions for screen readers; the look stays.
void describeControls(const EditorControls& controls)
{
    describeControl(
        controls.channelNumber, QCoreApplication::translate("ft817::EditorControls", "Channel number"),
        QCoreApplication::translate("ft817::EditorControls",
                                    "The memory channel shown, 1 to 200: type one and press Enter"));
    describeControl(
        controls.channelUp, QCoreApplication::translate("ft817::EditorControls", "Next channel"),
        QCoreApplication::translate("ft817::EditorControls", "Shows the next channel; after 200 comes 1"));
    describeControl(
        controls.channelDown, QCoreApplication::translate("ft817::EditorControls", "Previous channel"),
        QCoreApplication::translate("ft817::EditorControls", "Shows the channel before; before 1 comes 200"));
    describeControl(controls.active, "Active",
                    QCoreApplication::translate("ft817::EditorControls", "The channel is in use"));
    describeControl(controls.split, "Split",
                    QCoreApplication::translate("ft817::EditorControls",
                                                "The channel transmits on its own transmit frequency"));
    describeControl(controls.vfoA, "VFO A",
                    QCoreApplication::translate("ft817::EditorControls", "Selects VFO A"));
    describeControl(controls.vfoB, "VFO B",
                    QCoreApplication::translate("ft817::EditorControls", "Selects VFO B"));
    tieListLabel(controls.vfoABand, QCoreApplication::translate("ft817::EditorControls", "VFO A band"),
                 QCoreApplication::translate("ft817::EditorControls",
                                             "The frequencies of VFO A's bands, in 10 Hz units"));
    tieListLabel(controls.vfoBBand, QCoreApplication::translate("ft817::EditorControls", "VFO B band"),
                 QCoreApplication::translate("ft817::EditorControls",
                                             "The frequencies of VFO B's bands, in 10 Hz units"));
    describeControl(controls.rxFrequency, QCoreApplication::translate("ft817::EditorControls",
                                                                      "Receive frequency, in 10 Hz units"));
    tieListLabel(controls.mode, QCoreApplication::translate("ft817::EditorControls", "Mode"));
    describeControl(controls.txFrequency,
                    QCoreApplication::translate("ft817::EditorControls",
                                                "Transmit frequency or repeater offset, in 10 Hz units"));
    tieListLabel(controls.txMode, QCoreApplication::translate("ft817::EditorControls", "Transmit mode"));
    describeControl(
        controls.tag, "Tag",
        QCoreApplication::translate("ft817::EditorControls", "The channel's name, up to 8 characters"));
    tieListLabel(controls.shift, QCoreApplication::translate("ft817::EditorControls", "Repeater shift"));
    controls.homeLabel->setBuddy(controls.homeBands);
    describeControl(
        controls.homeBands, "Home",
        QCoreApplication::translate("ft817::EditorControls", "Not used: nothing typed here is kept"));
    describeControl(controls.dcsOn, "DCS",
                    QCoreApplication::translate("ft817::EditorControls", "DCS squelch"));
    describeControl(controls.toneOn, "Tone",
                    QCoreApplication::translate("ft817::EditorControls", "CTCSS tone sent"));
    describeControl(
        controls.tagOn, QCoreApplication::translate("ft817::EditorControls", "Tag shown"),
        QCoreApplication::translate("ft817::EditorControls", "The radio shows the channel's tag"));
    describeControl(controls.dcsNumber,
                    QCoreApplication::translate("ft817::EditorControls", "DCS code number, 0 to 103"));
    describeControl(controls.toneNumber,
                    QCoreApplication::translate("ft817::EditorControls", "CTCSS tone number, 0 to 49"));
    describeControl(controls.toneSquelchOn, "Mute",
                    QCoreApplication::translate("ft817::EditorControls",
                                                "Tone squelch: the tone sent and needed to open"));
    describeControl(controls.saveName,
                    QCoreApplication::translate("ft817::EditorControls", "File Done saves to"));
    describeControl(controls.done, "Done",
                    QCoreApplication::translate("ft817::EditorControls",
                                                "Saves the image to the file named above and goes back"));
    describeControl(controls.cancel, "Cancel",
                    QCoreApplication::translate("ft817::EditorControls", "Goes back without saving"));
    describeControl(controls.saveAs, QCoreApplication::translate("ft817::EditorControls", "Save as"),
                    controls.saveAs->toolTip());
}

// Tab and Shift+Tab walk the controls in the editor's own order, from Done.
void setTabOrderChain(const EditorControls& controls)
{
    const std::vector<std::pair<int, QWidget*>> order = {
        {0, controls.done},          {1, controls.vfoABand},     {2, controls.vfoBBand},
        {3, controls.vfoA},          {4, controls.vfoB},         {5, controls.homeBands},
        {7, controls.channelNumber}, {8, controls.rxFrequency},  {9, controls.mode},
        {10, controls.tag},          {11, controls.dcsOn},       {12, controls.toneOn},
        {13, controls.dcsNumber},    {14, controls.txFrequency}, {15, controls.toneNumber},
        {16, controls.shift},        {17, controls.active},      {18, controls.split},
        {19, controls.channelUp},    {20, controls.channelDown}, {21, controls.toneSquelchOn},
        {22, controls.tagOn},        {23, controls.saveName},    {24, controls.txMode},
        {25, controls.cancel},       {26, controls.channels},    {27, controls.settings},
        {28, controls.saveAs},
    };
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1].second, order[k].second);
}

// A button added beside the design, as wide as its text needs in the
// language shown when that is more than its place's width (it grows to the
// right, into the space between it and the next button).
void widenToText(QPushButton* button)
{
    const QStyle* style = button->style();
    const int around = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 2 * around;
    if (needed > button->width())
        button->resize(needed, button->height());
}

} // namespace

EditorControls makeEditorControls(QWidget* window)
{
    EditorControls controls;
    // The controls are made in this order, row by row from the top.
    buildChannelRows(window, controls);
    buildTagAndListRows(window, controls);
    buildToneAndButtonRows(window, controls);

    // Small check boxes: keep the caption close to its box.
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        box->setStyleSheet("QCheckBox { spacing: 3px; }");
    for (QLineEdit* box : {controls.dcsNumber, controls.toneNumber})
        box->setStyleSheet("QLineEdit { padding: 0px; }");

    // Beside Done and Cancel, in the window's free area: the whole memory as a list.
    controls.channels = ControlMaker(window).button(
        "Channels", QCoreApplication::translate("ft817::EditorControls", "Channels…"), 200, 272, 97, 25);
    controls.channels->setToolTip(QCoreApplication::translate(
        "ft817::EditorControls", "All 200 channels in one list, edited in place, with undo."));
    controls.settings = ControlMaker(window).button(
        "Settings", QCoreApplication::translate("ft817::EditorControls", "Settings…"), 312, 272, 97, 25);
    controls.settings->setToolTip(
        QCoreApplication::translate("ft817::EditorControls", "The radio's menu settings, edited with undo."));
    // Beside the file name box, which it fills before saving as Done does.
    controls.saveAs = ControlMaker(window).button(
        "SaveAs", QCoreApplication::translate("ft817::EditorControls", "Save as…"), 168, 238, 73, 25);
    controls.saveAs->setToolTip(QCoreApplication::translate(
        "ft817::EditorControls", "Choose the file to save to, then save and go back, as Done does."));

    for (QPushButton* button : {controls.channels, controls.settings, controls.saveAs})
        widenToText(button);

    buildMeaningLabels(window, controls);
    describeControls(controls);
    setTabOrderChain(controls);
    return controls;
}

} // namespace ft817
