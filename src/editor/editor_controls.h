#pragma once
// The controls of Form2, "YAESU Edit": made once, each a child of the editor
// window at its fixed place and size, named with the control names the
// radio's owners know (CHnum, CHfreq, CTCSSck, ...), described for screen
// readers and chained in the editor's Tab order.

class QCheckBox;
class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ft817 {

// The editor window's controls, owned by the window (Qt parent ownership).
struct EditorControls {
    QLineEdit* channelNumber = nullptr;
    QPushButton* channelUp = nullptr;
    QPushButton* channelDown = nullptr;
    QCheckBox* active = nullptr;
    QCheckBox* split = nullptr;
    QCheckBox* tagOn = nullptr;
    QCheckBox* toneOn = nullptr;
    QCheckBox* toneSquelchOn = nullptr;
    QCheckBox* dcsOn = nullptr;
    QCheckBox* vfoA = nullptr;
    QCheckBox* vfoB = nullptr;
    QComboBox* vfoABand = nullptr;
    QComboBox* vfoBBand = nullptr;
    QLineEdit* rxFrequency = nullptr;
    QLineEdit* txFrequency = nullptr;
    QLineEdit* toneNumber = nullptr;
    QLineEdit* dcsNumber = nullptr;
    QLineEdit* tag = nullptr;
    QComboBox* mode = nullptr;
    QComboBox* txMode = nullptr;
    QComboBox* shift = nullptr;
    QLabel* homeLabel = nullptr;
    QComboBox* homeBands = nullptr;
    QLineEdit* saveName = nullptr;
    QPushButton* done = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* channels = nullptr;
    QPushButton* settings = nullptr;
    // Beside Savename: the desktop's file dialog for the file Done saves to.
    QPushButton* saveAs = nullptr;
    // Beside the number boxes, what their numbers mean to the radio.
    QLabel* rxMeaning = nullptr;
    QLabel* txMeaning = nullptr;
    QLabel* toneMeaning = nullptr;
};

// The window's own font: a narrow sans serif, so that "Active", "DCS" and the
// other captions fit their small boxes.
QFont editorFont();

// Makes every control of the editor as a child of window (whose font is
// already the editor's), describes it for screen readers and sets the Tab
// order; connects nothing.
EditorControls makeEditorControls(QWidget* window);

} // namespace ft817
