#include "cat/cat_window.h"

#include "cat_protocol/cat_link.h"
#include "cat_protocol/cat_text.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "platform/clock.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QThread>

namespace ft817 {

CatWindow::CatWindow(std::function<SerialDevice()> device, QWidget* parent)
    : QWidget(parent), m_device(std::move(device))
{
    setObjectName("Form3");
    setWindowTitle("CAT Control");
    setWindowIcon(makeWindowIcon("CAT", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);
    setFixedSize(312, 213);

    m_text = new QLineEdit("Text1", this);
    m_text->setObjectName("Text1");
    m_text->setGeometry(16, 8, 121, 25);
    m_text->setToolTip(tr("Type a frequency in 10 Hz steps (43970000 is 439.700 MHz); "
                          "every change of five to eight digits is sent to the radio."));

    m_status = new QLabel(this);
    m_status->setObjectName("Status");
    m_status->setGeometry(16, 40, 280, 64);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describeControl(m_text, tr("Frequency to tune, in 10 Hz units"), m_text->toolTip());
    describeControl(m_status, tr("CAT status"));

    // Only the person's changes send; the initial text above sends nothing.
    connect(m_text, &QLineEdit::textEdited, this, &CatWindow::textEdited);
}

CatWindow::~CatWindow()
{
    m_queue.clear();
    if (m_thread)
        m_thread->wait();
}

void CatWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void CatWindow::showStatus(const QString& line, const QString& tooltip)
{
    m_status->setText(line);
    m_status->setToolTip(tooltip);
}

void CatWindow::textEdited(const QString& text)
{
    const CatTextReading build = readCatText(text.toStdString());
    if (!build.command) {
        // While the text is still too short, the person is still typing.
        if (build.reason.empty())
            showStatus(m_lastSentLine);
        else
            showStatus(QString::fromStdString(build.reason));
        return;
    }
    m_queue.push_back(Job{*build.command, build.meaning});
    sendNext();
}

void CatWindow::sendNext()
{
    if (m_thread || m_queue.empty())
        return;
    const Job job = m_queue.front();
    m_queue.pop_front();
    // The port in use now, made and used on the job's thread.
    const SerialDevice device = m_device();
    const int preferred = m_rate;
    m_thread.reset(QThread::create([this, job, device, preferred] {
        const std::unique_ptr<SerialPort> port = device.makePort();
        SteadyClock clock;
        const Result<int> sent = sendInStep(*port, clock, job.command, 0, preferred);
        const QString error = sent ? QString() : QString::fromStdString(sent.error().message);
        const QString detail = sent ? QString() : QString::fromStdString(sent.error().full());
        const int rate = sent ? *sent : 0;
        const QString name = QString::fromStdString(device.name);
        QMetaObject::invokeMethod(
            this, [this, job, error, detail, rate, name] { jobEnded(job, error, detail, rate, name); },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void CatWindow::jobEnded(const Job& job, const QString& error, const QString& detail, int rate,
                         const QString& device)
{
    m_thread->wait();
    m_thread.reset();
    const QString hex = QString::fromStdString(catCommandHex(job.command));
    if (error.startsWith("not confirmed")) {
        // The command went out; the radio's read back says it did not take it.
        showStatus(tr("Sent %1, %2").arg(hex, error), detail);
    } else if (!error.isEmpty()) {
        showStatus(tr("Not sent: %1").arg(error), detail);
    } else {
        m_rate = rate;
        m_lastSentLine =
            tr("Sent %1 (%2); the radio reads it back").arg(hex, QString::fromStdString(job.meaning));
        m_text->setToolTip(hex);
        showStatus(m_lastSentLine, tr("to %1 at %2 baud").arg(device).arg(rate));
    }
    emit commandEnded();
    sendNext();
}

} // namespace ft817
