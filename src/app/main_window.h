#pragma once
// Form1, "YAESU clone facility": the path of the image file, the Download,
// Upload and Edit buttons, the status box, the progress bar and the unmarked
// CAT area. Download and Upload start when their button gains the focus,
// Edit and CAT on a click. A transfer runs on a worker thread: the window
// keeps repainting, its other commands are disabled until the transfer ends,
// and Escape or closing the window abandons it. A right click on the
// window's background offers the check item "Fast transfers", kept between
// runs; the status box's tooltip names the timing in use.
//
// Beside the status texts: a download that is not a whole memory of a known
// radio (or an upload sent anyway) turns the progress bar red and says why in
// the status box's tooltip, and Upload asks before it sends such an image.

#include "app/transfer_worker.h"
#include "clone/transfer_timing.h"
#include "gui/file_choice.h"
#include "platform/serial_port.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <optional>

class QAction;

namespace ft817 {
class PortMenu;
}
class QLineEdit;
class QProgressBar;
class QThread;

namespace ft817 {

class CalibrationDialog;
class CatWindow;
class EditorWindow;

// A button that reports gaining the input focus when the person moved it
// there (Tab, Shift+Tab, a click, a shortcut, or the program's own move),
// never when it comes back as a menu, a dialog or another window closes.
class FocusButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    // True when a focus change for this reason is the person's move to the button.
    static bool movedHereByThePerson(Qt::FocusReason reason);
signals:
    void focusGained();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_pressedWithoutFocus = false;
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
    // Enter or Space on the focused area is a click, for the keyboard.
    void keyPressEvent(QKeyEvent* event) override;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The radio is reached through the device: each transfer makes its own
    // port on its worker thread, and so does each CAT window command.
    explicit MainWindow(SerialDevice device, QWidget* parent = nullptr);
    // Abandons a running transfer and waits for its thread to end.
    ~MainWindow() override;

    bool transferRunning() const { return m_worker != nullptr; }
    // Abandons a running transfer at its next wait.
    void abandonTransfer();
    // The timing of the next download or upload, as the check item
    // "Fast transfers" shows it. Setting it (ft817clone --fast) does not
    // change the choice kept for the next run; the person's click does.
    TransferTiming transferTiming() const;
    void setTransferTiming(TransferTiming timing);
    // Replaces how "Open…" and "Save as…" (here and in the editor) ask for a
    // file (the desktop's file dialog by default).
    void setFileChooser(FileChooser chooser);

signals:
    // A download or upload has ended, whatever the outcome.
    void transferFinished(bool complete);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The path box, the three buttons, the status box, the CAT area and the
    // progress bar, each at its fixed place.
    void buildControls();
    // Focus order: path, Download, Upload, status, Edit, and round again.
    void setFocusOrder();
    // The background's right-click item that chooses the transfers' timing.
    void buildFastTransfersItem();
    // The background's right-click item "Back up calibration…".
    void buildCalibrationItem();
    // The background's right-click items "Open…" and "Save as…", first in its menu.
    void buildFileItems();
    // "Open…": the file chosen goes into the path box and Edit opens it.
    void openFile();
    // "Save as…": the image file at the path is copied to the file chosen,
    // which the path box then names (only named when there is none yet).
    void saveFileAs();
    // The path box's file, "~" taken as the home folder.
    QString imagePath() const;
    void openCalibration();
    void startTransfer(TransferKind kind);
    // Starts the worker thread for the transfer.
    void launchTransfer(TransferKind kind);
    // How Upload may send the image at the path: asks when it is not a whole
    // memory or holds memories in use whose frequency the radio cannot tune,
    // naming them; nothing when the person said no.
    std::optional<UploadLayout> confirmUpload();
    // False when the image has damaged blocks and the person would rather
    // not edit it (saving the edits would give them fresh checksums).
    bool confirmEditDamaged();
    // Progress bar colour and tooltip for an image that is not a whole memory, and the notes.
    void showOutcome(const TransferReport& report);
    void transferEnded(const TransferReport& report);
    // Joins the worker thread and lets the worker go.
    void joinTransfer();
    // Enables or disables every command but the transfer button that has the focus.
    void setCommandsEnabled(bool enabled);
    void showProgressValue(int value);
    void startEdit();
    // Asks whether to give up the changes kept from a Cancel (Discard) or
    // to go back to them (Keep editing).
    void askToDiscardChanges();
    // Edit, the editor's image replaced by the file's.
    void editDiscardingChanges();
    void openCat();
    // Hides the window while the editor or the CAT window is in use; it comes back in its place.
    void hideKeepingPlace();
    // Shows the main window again when the editor or the CAT window is left.
    void comeBack();
    void showPortInTooltip();
    // Text into the status box, its start in view when it is longer than the box.
    void showStatus(const QString& text);
    // The progress bar in the colour of a failure or a memory that is not whole.
    void showProblemBar();
    // A new command starts afresh: the last one's problem colour and tooltip go.
    void clearLastOutcome();
    // The status box's tooltip between transfers: the port and the timing.
    QString portAndTimingText() const;

    SerialDevice m_device;
    // The transfer running, or the last one that ran.
    TransferKind m_transferKind = TransferKind::Download;
    QLineEdit* m_path = nullptr;
    QLineEdit* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    FocusButton* m_download = nullptr;
    FocusButton* m_upload = nullptr;
    QPushButton* m_edit = nullptr;
    ClickArea* m_catArea = nullptr;
    QAction* m_fastTransfers = nullptr;
    PortMenu* m_portMenu = nullptr;
    // The model of the radio last heard on the port in use; empty until it answered.
    QString m_radioHeard;
    QAction* m_backUpCalibration = nullptr;
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    FileChooser m_fileChooser = chooseFileWithDialog;
    // The question before an Edit that would lose kept changes, while it is open.
    QPointer<QMessageBox> m_discardQuestion;
    std::unique_ptr<CalibrationDialog> m_calibration;
    std::unique_ptr<EditorWindow> m_editor;
    std::unique_ptr<CatWindow> m_cat;
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<TransferWorker> m_worker;
    bool m_transferQueued = false;
};

} // namespace ft817
