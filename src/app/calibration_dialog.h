#pragma once
// "Back up calibration": reads the radio's soft calibration (EEPROM
// 0x0000-0x0054) over CAT on a worker thread, showing its progress, then
// shows the bytes as a table and offers "Save as…". The backup is kept in the
// history folder as soon as every byte was read; a backup that is not whole
// is never kept or saved. Closing the dialog abandons the reading.

#include "platform/file_access.h"
#include "platform/serial_port.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace ft817 {

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalibrationDialog(SerialDevice device, QWidget* parent = nullptr);
    // Abandons the reading and waits for its thread to end.
    ~CalibrationDialog() override;

    // Starts reading on a worker thread.
    void start();
    bool running() const { return m_thread != nullptr; }
    // The backup's text once every byte was read; empty before.
    const std::string& backupText() const { return m_text; }
    // Writes the backup to path; the reason when it cannot.
    Status saveTo(const std::string& path);

    // Closing the dialog abandons a reading that still runs.
    void reject() override;

signals:
    // The reading has ended, whole or not.
    void finished(bool whole);

private:
    void showProgress(int done, int total);
    void readingEnded(bool whole, const QString& message, const Bytes& bytes, int rate);
    void fillTable(const Bytes& bytes);
    void askWhereToSave();

    SerialDevice m_device;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_saveAs = nullptr;
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_abandon{false};
    std::string m_text;
};

} // namespace ft817
