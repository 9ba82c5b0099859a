#include "app/calibration_dialog.h"

#include "cat_protocol/calibration_backup.h"
#include "exchange/calibration_text.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "image/file_replacement.h"
#include "image/image_history.h"
#include "platform/clock.h"
#include "platform/local_time.h"
#include "platform/qt_history_folder.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <ctime>

namespace ft817 {
namespace {

std::string nowText()
{
    const std::tm local = localTime(std::time(nullptr));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

CalibrationDialog::CalibrationDialog(SerialDevice device, QWidget* parent)
    : QDialog(parent), m_device(std::move(device))
{
    setObjectName("CalibrationBackup");
    setWindowTitle(tr("Back up calibration"));
    addHelpShortcut(this);
    auto* layout = new QVBoxLayout(this);
    m_status = new QLabel(tr("Reading the radio's calibration (EEPROM 0x0000-0x0054) over CAT…"), this);
    m_status->setObjectName("CalibrationStatus");
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("CalibrationProgress");
    m_progress->setRange(0, kCalibrationReads);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName("CalibrationTable");
    m_table->setHorizontalHeaderLabels({tr("Address"), tr("Hex"), tr("Decimal"), tr("Name")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_saveAs = new QPushButton(tr("Save as…"), this);
    m_saveAs->setObjectName("CalibrationSaveAs");
    m_saveAs->setEnabled(false);
    describeControl(m_table, tr("Calibration values"),
                    tr("What the radio's calibration memory holds, address by address"));
    describeControl(m_saveAs, tr("Save as"), tr("Saves the calibration values to a backup file"));
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_table);
    layout->addWidget(m_saveAs);
    resize(460, 520);
    connect(m_saveAs, &QPushButton::clicked, this, &CalibrationDialog::askWhereToSave);
}

CalibrationDialog::~CalibrationDialog()
{
    m_abandon = true;
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}

void CalibrationDialog::reject()
{
    m_abandon = true;
    QDialog::reject();
}

void CalibrationDialog::start()
{
    if (m_thread)
        return;
    m_abandon = false;
    m_text.clear();
    m_thread.reset(QThread::create([this] {
        // The port belongs to this thread: made, used and dropped here.
        const std::unique_ptr<SerialPort> port = m_device.makePort();
        SteadyClock clock;
        CalibrationRequest request;
        request.abandon = &m_abandon;
        request.progress = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
        };
        const Result<CalibrationRead> read = readCalibration(*port, clock, request);
        const bool whole = read.ok();
        const QString message = whole ? QString() : QString::fromStdString(read.error().full());
        const Bytes bytes = whole ? read->bytes : Bytes{};
        const int rate = whole ? read->rate : 0;
        QMetaObject::invokeMethod(
            this, [this, whole, message, bytes, rate] { readingEnded(whole, message, bytes, rate); },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void CalibrationDialog::showProgress(int done, int total)
{
    m_progress->setMaximum(total);
    m_progress->setValue(done);
}

void CalibrationDialog::readingEnded(bool whole, const QString& message, const Bytes& bytes, int rate)
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
    if (!whole) {
        m_status->setText(message);
        emit finished(false);
        return;
    }
    m_text = calibrationText(bytes, nowText());
    fillTable(bytes);
    QString status = tr("All %1 bytes read at %2 baud.").arg(bytes.size()).arg(rate);
    const Result<std::string> kept = ImageHistory(historyFolder()).keepCalibration(m_text);
    status +=
        kept ? " " + tr("Kept in the history as %1.").arg(QString::fromStdString(*kept))
             : " " + tr("Not kept in the history: %1.").arg(QString::fromStdString(kept.error().message));
    m_status->setText(status);
    m_saveAs->setEnabled(true);
    emit finished(true);
}

void CalibrationDialog::fillTable(const Bytes& bytes)
{
    m_table->setRowCount(static_cast<int>(bytes.size()));
    for (int address = 0; address < static_cast<int>(bytes.size()); ++address) {
        const int value = bytes[static_cast<std::size_t>(address)];
        const QStringList cells{QString("0x%1").arg(address, 4, 16, QChar('0')).toUpper().replace("0X", "0x"),
                                QString("%1").arg(value, 2, 16, QChar('0')).toUpper(), QString::number(value),
                                QString::fromStdString(calibrationByteName(address))};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(address, column, new QTableWidgetItem(cells[column]));
    }
}

Status CalibrationDialog::saveTo(const std::string& path)
{
    if (m_text.empty())
        return Error{"no whole backup to save", {}};
    const auto* first = reinterpret_cast<const std::uint8_t*>(m_text.data());
    const Result<std::string> kept = replaceKeepingCopy(
        path, std::span<const std::uint8_t>(first, m_text.size()), ImageHistory(historyFolder()), "Save");
    if (!kept)
        return kept.error();
    return {};
}

void CalibrationDialog::askWhereToSave()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save calibration backup"), "calibration.txt",
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const Status saved = saveTo(path.toStdString());
    m_status->setText(saved ? tr("Saved as %1").arg(path) : QString::fromStdString(saved.error().full()));
}

} // namespace ft817
