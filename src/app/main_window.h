#pragma once
// Form1, "YAESU clone facility": the path of the image file, the Download,
// Upload and Edit buttons, the status box, the progress bar and the unmarked
// CAT area. Download and Upload start when their button gains the focus,
// Edit and CAT on a click. While a transfer runs the window takes no other
// command; Escape or closing the window abandons it.

#include "platform/serial_port.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class QLineEdit;
class QProgressBar;

namespace ft817 {

class CatWindow;
class EditorWindow;

// A button that reports gaining the input focus, however it gained it.
class FocusButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
signals:
    void focusGained();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A label that reports a click on its area.
class ClickArea : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<SerialPort> port, QWidget* parent = nullptr);
    ~MainWindow() override;

    bool transferRunning() const { return m_transferRunning; }
    SerialPort& port() { return *m_port; }
    // Abandons a running transfer at its next wait.
    void abandonTransfer() { m_abandonRequested = true; }

signals:
    // A download or upload has ended, whatever the outcome.
    void transferFinished(bool complete);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Transfer { Download, Upload };
    void startTransfer(Transfer kind);
    void runTransfer(Transfer kind);
    void startEdit();
    void openCat();
    // Shows the main window again when the editor or the CAT window is left.
    void comeBack();
    void showPortInTooltip();

    std::unique_ptr<SerialPort> m_port;
    QLineEdit* m_path = nullptr;
    QLineEdit* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    FocusButton* m_download = nullptr;
    FocusButton* m_upload = nullptr;
    QPushButton* m_edit = nullptr;
    ClickArea* m_catArea = nullptr;
    std::unique_ptr<EditorWindow> m_editor;
    std::unique_ptr<CatWindow> m_cat;
    bool m_transferRunning = false;
    bool m_transferQueued = false;
    bool m_abandonRequested = false;
};

}  // namespace ft817
