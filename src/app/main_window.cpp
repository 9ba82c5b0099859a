#include "app/main_window.h"

#include "cat/cat_window.h"
#include "clone/download.h"
#include "clone/upload.h"
#include "editor/editor_window.h"
#include "platform/clock.h"
#include "gui/window_icon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

namespace ft817 {
namespace {

// The real clock, but every wait also lets the window repaint and notice
// Escape, so a transfer's timing stays exact while the window stays alive.
class WindowClock : public Clock {
public:
    double now() override { return m_steady.now(); }
    void sleep(double seconds) override
    {
        const double until = m_steady.now() + seconds;
        QApplication::processEvents(QEventLoop::AllEvents);
        const double left = until - m_steady.now();
        if (left > 0)
            m_steady.sleep(left);
    }

private:
    SteadyClock m_steady;
};

class WindowSink : public TransferSink {
public:
    WindowSink(QLineEdit& status, QProgressBar& progress, const bool& abandon)
        : m_status(status), m_progress(progress), m_abandon(abandon)
    {
    }
    void status(const std::string& text) override
    {
        m_status.setText(QString::fromStdString(text));
        m_status.setToolTip(QString());
    }
    void progressRange(int minimum, int maximum) override { m_progress.setRange(minimum, maximum); }
    void progressMaximum(int maximum) override { m_progress.setMaximum(maximum); }
    void progressValue(int value) override
    {
        m_progress.setValue(std::clamp(value, m_progress.minimum(), m_progress.maximum()));
    }
    bool abandoned() override { return m_abandon; }

private:
    QLineEdit& m_status;
    QProgressBar& m_progress;
    const bool& m_abandon;
};

}  // namespace

void FocusButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    emit focusGained();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}

MainWindow::MainWindow(std::unique_ptr<SerialPort> port, QWidget* parent)
    : QWidget(parent), m_port(std::move(port))
{
    setObjectName("Form1");
    setWindowTitle("YAESU clone facility");
    setWindowIcon(makeWindowIcon("817", QColor(0x1f, 0x4e, 0x9a)));
    setFixedSize(289, 164);

    auto* label = new QLabel("Save :", this);
    label->setObjectName("Label1");
    label->setGeometry(8, 10, 41, 17);

    m_path = new QLineEdit("c:\\nebl1.bin", this);
    m_path->setObjectName("Text1");
    m_path->setGeometry(56, 8, 145, 19);

    m_download = new FocusButton("Download", this);
    m_download->setObjectName("Command1");
    m_download->setGeometry(8, 40, 81, 41);

    m_upload = new FocusButton("Upload", this);
    m_upload->setObjectName("Command2");
    m_upload->setGeometry(104, 40, 81, 41);

    m_edit = new QPushButton("Edit", this);
    m_edit->setObjectName("Command3");
    m_edit->setGeometry(200, 40, 81, 41);

    m_status = new QLineEdit(this);
    m_status->setObjectName("Text2");
    m_status->setGeometry(56, 96, 145, 19);

    m_catArea = new ClickArea(this);
    m_catArea->setObjectName("CAT");
    m_catArea->setGeometry(224, 96, 33, 17);

    auto* progressLabel = new QLabel("Progress", this);
    progressLabel->setObjectName("Label2");
    progressLabel->setGeometry(8, 120, 57, 17);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName("ProgressBar1");
    m_progress->setGeometry(8, 136, 273, 17);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    // Focus order: Text1, Command1, Command2, Text2, Command3, back to Text1.
    for (QWidget* widget : std::initializer_list<QWidget*>{m_path, m_download, m_upload, m_status, m_edit})
        widget->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(m_path, m_download);
    setTabOrder(m_download, m_upload);
    setTabOrder(m_upload, m_status);
    setTabOrder(m_status, m_edit);
    setTabOrder(m_edit, m_path);
    m_path->setFocus();

    connect(m_download, &FocusButton::focusGained, this, [this] { startTransfer(Transfer::Download); });
    connect(m_upload, &FocusButton::focusGained, this, [this] { startTransfer(Transfer::Upload); });
    connect(m_edit, &QPushButton::clicked, this, &MainWindow::startEdit);
    connect(m_catArea, &ClickArea::clicked, this, &MainWindow::openCat);

    showPortInTooltip();
}

MainWindow::~MainWindow()
{
    m_abandonRequested = true;
    if (m_port)
        m_port->close();
}

void MainWindow::showPortInTooltip()
{
    m_status->setToolTip(QString("Radio on %1").arg(QString::fromStdString(m_port->deviceName())));
}

void MainWindow::startTransfer(Transfer kind)
{
    if (m_transferRunning || m_transferQueued)
        return;
    // Start once the focus change is complete, not inside the focus event.
    m_transferQueued = true;
    QTimer::singleShot(0, this, [this, kind] {
        m_transferQueued = false;
        runTransfer(kind);
    });
}

void MainWindow::runTransfer(Transfer kind)
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    m_abandonRequested = false;
    qApp->installEventFilter(this);

    WindowClock clock;
    WindowSink sink(*m_status, *m_progress, m_abandonRequested);
    const std::string path = m_path->text().toStdString();
    const TransferReport report = kind == Transfer::Download ? download(*m_port, clock, path, sink)
                                                             : upload(*m_port, clock, path, sink);
    m_port->close();

    qApp->removeEventFilter(this);
    m_transferRunning = false;

    const QString device = QString::fromStdString(m_port->deviceName());
    if (report.complete) {
        showPortInTooltip();
    } else {
        const QString reason = QString::fromStdString(report.reason);
        const QString detail = QString::fromStdString(report.detail);
        // The numbers of an unacknowledged upload stay; other failures replace them.
        if (report.statusText.empty() || report.abandoned)
            m_status->setText(reason);
        m_status->setToolTip(detail.isEmpty() ? reason + "\nRadio on " + device
                                              : reason + "\n" + detail + "\nRadio on " + device);
    }
    emit transferFinished(report.complete);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_transferRunning)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape)
            m_abandonRequested = true;
        return true;
    }
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window abandons a running transfer; the program then ends.
    m_abandonRequested = true;
    event->accept();
}

void MainWindow::startEdit()
{
    if (m_transferRunning)
        return;
    if (!m_editor) {
        m_editor = std::make_unique<EditorWindow>();
        connect(m_editor.get(), &EditorWindow::saved, this, [this](const QString& path) {
            m_path->setText(path);
            comeBack();
        });
        connect(m_editor.get(), &EditorWindow::left, this, &MainWindow::comeBack);
    }
    const Status loaded = m_editor->edit(m_path->text());
    if (!loaded) {
        m_status->setText(QString::fromStdString(loaded.error().message));
        m_status->setToolTip(QString::fromStdString(loaded.error().full()));
        return;
    }
    hide();
    m_editor->present();
}

void MainWindow::comeBack()
{
    show();
    activateWindow();
}

void MainWindow::openCat()
{
    if (m_transferRunning)
        return;
    if (!m_cat) {
        m_cat = std::make_unique<CatWindow>(*m_port);
        connect(m_cat.get(), &CatWindow::closed, this, &MainWindow::comeBack);
    }
    hide();
    m_cat->show();
    m_cat->activateWindow();
}

}  // namespace ft817
