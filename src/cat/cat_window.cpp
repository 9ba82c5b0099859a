#include "cat/cat_window.h"

#include "cat_protocol/cat_command.h"
#include "cat_protocol/cat_sender.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "platform/clock.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

namespace ft817 {

CatWindow::CatWindow(SerialPort& port, QWidget* parent) : QWidget(parent), m_port(port)
{
    setObjectName("Form3");
    setWindowTitle("CAT Control");
    setWindowIcon(makeWindowIcon("CAT", QColor(0x2e, 0x7d, 0x32)));
    addHelpShortcut(this);
    setFixedSize(312, 213);

    m_text = new QLineEdit("Text1", this);
    m_text->setObjectName("Text1");
    m_text->setGeometry(16, 8, 121, 25);
    m_text->setToolTip("Type a frequency in 10 Hz steps (43970000 is 439.700 MHz); "
                       "every change of five to eight digits is sent to the radio.");

    m_status = new QLabel(this);
    m_status->setObjectName("Status");
    m_status->setGeometry(16, 40, 280, 64);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Only the person's changes send; the initial text above sends nothing.
    connect(m_text, &QLineEdit::textEdited, this, &CatWindow::textEdited);
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
    const CatCommandBuild build = buildCatCommand(text.toStdString());
    if (!build.command) {
        // While the text is still too short, the person is still typing.
        if (build.reason.empty())
            showStatus(m_lastSentLine);
        else
            showStatus(QString::fromStdString(build.reason));
        return;
    }

    SteadyClock clock;
    const Status sent = sendCatCommand(m_port, clock, *build.command);
    const QString hex = QString::fromStdString(catCommandHex(*build.command));
    if (!sent) {
        showStatus(QString::fromStdString("Not sent: " + sent.error().message),
                   QString::fromStdString(sent.error().full()));
        return;
    }
    m_lastSentLine = "Sent " + hex + " (" + QString::fromStdString(build.meaning) + ")";
    m_text->setToolTip(hex);
    showStatus(m_lastSentLine, QString::fromStdString("to " + m_port.deviceName()));
}

} // namespace ft817
