#pragma once
// "Radio settings": the menu settings of the loaded image, one control per
// setting of the radio's model, on one tab per menu group. A list is a drop-
// down list, on/off a check box, a number a spin box with its range, the ID
// callsign a text box that takes only its characters. Each change is one step
// of the edit history the editor and the channel list share; an undo or a
// redo, wherever it is made, shows here at once.
//
// A value the radio would not hold is shown as it is stored (an extra list
// entry "code 7 (unused)", a number outside the spin box's range marked so, a
// callsign byte that is no character as "?") and stays in the image until the
// person chooses another value.

#include <QWidget>

#include <memory>
#include <vector>

class QFormLayout;
class QLabel;
class QTabWidget;

namespace ft817 {

class EditHistory;
struct RadioSetting;
struct SettingValue;

class RadioSettingsWindow : public QWidget {
    Q_OBJECT
public:
    // A window over the image that history keeps; it shares the history.
    explicit RadioSettingsWindow(std::shared_ptr<EditHistory> history, QWidget* parent = nullptr);
    ~RadioSettingsWindow() override;

    // Shows every setting of the image's model as the image now holds it.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One setting's row: its control and the form it sits in.
    struct Row {
        const RadioSetting* setting = nullptr;
        QWidget* control = nullptr;
        QFormLayout* form = nullptr;
    };

    void buildTabs();
    void buildButtons();
    QWidget* makeControl(const RadioSetting& setting);
    void showRow(const Row& row);
    // Shows why a typed text was not stored; an empty text hides the message.
    void showMessage(const QString& text);
    // Writes a value the person chose into the image as one step.
    void change(const RadioSetting& setting, const SettingValue& value);

    std::shared_ptr<EditHistory> m_history;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_model = nullptr;
    // Why the last text typed was not stored (the ID callsign's refused characters); empty otherwise.
    QLabel* m_message = nullptr;
    std::vector<Row> m_rows;
};

} // namespace ft817
