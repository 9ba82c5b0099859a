#include "app/main_window.h"

#include "app/calibration_dialog.h"
#include "app/port_menu.h"
#include "app/transfer_settings.h"
#include "cat/cat_window.h"
#include "editor/editor_window.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/language.h"
#include "gui/window_icon.h"
#include "image/file_replacement.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/payload_file.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"
#include "platform/qt_serial_port.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace ft817 {

bool FocusButton::movedHereByThePerson(Qt::FocusReason reason)
{
    // The focus coming back because a menu, a dialog or another window closed,
    // or because the window was activated again, is not the person moving to
    // the button: it must not start a second transfer.
    switch (reason) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

void FocusButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    // A click on the button of a window that was not active yet gives it the
    // focus only as the window becomes active: still the person's move.
    const bool clicked = std::exchange(m_pressedWithoutFocus, false);
    if (clicked || movedHereByThePerson(event->reason()))
        emit focusGained();
}

void FocusButton::mousePressEvent(QMouseEvent* event)
{
    m_pressedWithoutFocus = !hasFocus();
    QPushButton::mousePressEvent(event);
    if (hasFocus())
        m_pressedWithoutFocus = false;
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}

void ClickArea::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

MainWindow::MainWindow(SerialDevice device, QWidget* parent) : QWidget(parent), m_device(std::move(device))
{
    setObjectName("Form1");
    setWindowTitle("YAESU clone facility");
    setWindowIcon(makeWindowIcon("817", QColor(0x1f, 0x4e, 0x9a)));
    setFixedSize(289, 164);

    buildControls();
    setFocusOrder();
    buildFastTransfersItem();
    buildCalibrationItem();
    buildFileItems();

    connect(m_download, &FocusButton::focusGained, this, [this] { startTransfer(TransferKind::Download); });
    connect(m_upload, &FocusButton::focusGained, this, [this] { startTransfer(TransferKind::Upload); });
    connect(m_edit, &QPushButton::clicked, this, &MainWindow::startEdit);
    connect(m_catArea, &ClickArea::clicked, this, &MainWindow::openCat);

    showPortInTooltip();
}

void MainWindow::buildControls()
{
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

    // For screen readers; the window looks as it did.
    label->setBuddy(m_path);
    describeControl(m_path, tr("Image file"),
                    tr("The image file Download writes, Upload sends and Edit opens"));
    describeControl(m_download, "Download",
                    tr("Receives the radio's memory into the image file; starts when it gets the focus"));
    describeControl(m_upload, "Upload",
                    tr("Sends the image file to the radio; starts when it gets the focus"));
    describeControl(m_edit, "Edit", tr("Opens the image file in the editor"));
    describeControl(m_status, tr("Status"), tr("How the last transfer went"));
    describeControl(m_progress, "Progress");
    // The unmarked CAT area: a control the keyboard reaches, named for screen readers.
    m_catArea->setFocusPolicy(Qt::TabFocus);
    describeControl(m_catArea, tr("CAT control"), tr("Opens the CAT control window: press Enter or Space"));
}

void MainWindow::setFocusOrder()
{
    // Focus order: Text1, Command1, Command2, Text2, Command3, the CAT area, back to Text1.
    for (QWidget* widget : std::initializer_list<QWidget*>{m_path, m_download, m_upload, m_status, m_edit})
        widget->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(m_path, m_download);
    setTabOrder(m_download, m_upload);
    setTabOrder(m_upload, m_status);
    setTabOrder(m_status, m_edit);
    setTabOrder(m_edit, m_catArea);
    setTabOrder(m_catArea, m_path);
    m_path->setFocus();
}

void MainWindow::buildFastTransfersItem()
{
    // Beside the window's own controls, moving none of them: a right click on
    // the window's background (or a label, a button, the progress bar).
    m_fastTransfers = new QAction(tr("Fast transfers"), this);
    m_fastTransfers->setObjectName("FastTransfers");
    m_fastTransfers->setCheckable(true);
    m_fastTransfers->setChecked(savedTransferTiming() == TransferTiming::Fast);
    addAction(m_fastTransfers);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_fastTransfers, &QAction::triggered, this, [this] {
        saveTransferTiming(transferTiming());
        showPortInTooltip();
    });

    m_portMenu = new PortMenu(this);
    m_portMenu->setPortInUse(QString::fromStdString(m_device.name));
    addAction(m_portMenu->menuAction());

    addAction((new LanguageMenu(this))->menuAction());

    auto* help = new QAction(tr("Help"), this);
    help->setObjectName("Help");
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { showHelpWindow(helpPlaceFor(this)); });
    connect(m_portMenu, &PortMenu::portChosen, this, [this](const QString& device) {
        m_device = qtSerialDevice(device.toStdString());
        m_radioHeard.clear();
        showPortInTooltip();
    });
}

MainWindow::~MainWindow()
{
    abandonTransfer();
    joinTransfer();
}

TransferTiming MainWindow::transferTiming() const
{
    return m_fastTransfers->isChecked() ? TransferTiming::Fast : TransferTiming::Standard;
}

void MainWindow::setTransferTiming(TransferTiming timing)
{
    m_fastTransfers->setChecked(timing == TransferTiming::Fast);
    if (!transferRunning())
        showPortInTooltip();
}

QString MainWindow::portAndTimingText() const
{
    const QString port = QString::fromStdString(m_device.name);
    const QString heard = m_radioHeard.isEmpty() ? tr("Port %1 (no radio heard yet)").arg(port)
                                                 : tr("Port %1: %2").arg(port, m_radioHeard);
    return heard + "\n" + timingDescription(transferTiming());
}

void MainWindow::showPortInTooltip()
{
    m_status->setToolTip(portAndTimingText());
}

void MainWindow::showStatus(const QString& text)
{
    m_status->setText(text);
    m_status->setCursorPosition(0);
}

void MainWindow::clearLastOutcome()
{
    m_progress->setPalette(QPalette());
    showPortInTooltip();
}

void MainWindow::showProblemBar()
{
    QPalette warning = m_progress->palette();
    warning.setColor(QPalette::Highlight, QColor(0xc0, 0x39, 0x2b));
    m_progress->setPalette(warning);
}

namespace {

// What the person does on the radio while a transfer runs.
QString radioSteps(TransferKind kind)
{
    if (kind == TransferKind::Download)
        return MainWindow::tr(
            "Waiting for the radio: switch it on while holding both MODE keys (clone mode), "
            "then press its A key to send.");
    return MainWindow::tr("The radio must already wait in clone-receive: in clone mode, its C key pressed "
                          "before Upload was clicked.");
}

// A transfer that ended well, in words.
QString outcomeWords(TransferKind kind, const TransferReport& report, const QString& path)
{
    const QString counts = MainWindow::tr("%1 blocks (%2 bytes)").arg(report.blocks).arg(report.bytes);
    const QString radio =
        report.radio.empty() ? MainWindow::tr("the radio") : QString::fromStdString(report.radio);
    const QString file = QFileInfo(path).absoluteFilePath();
    if (kind == TransferKind::Download)
        return MainWindow::tr("Downloaded %1 from the %2 into %3.").arg(counts, radio, file);
    return MainWindow::tr("Uploaded %1 of %2 to the %3.").arg(counts, file, radio);
}

} // namespace

void MainWindow::startTransfer(TransferKind kind)
{
    if (transferRunning() || m_transferQueued)
        return;
    // Start once the focus change is complete, not inside the focus event.
    m_transferQueued = true;
    QTimer::singleShot(0, this, [this, kind] {
        m_transferQueued = false;
        launchTransfer(kind);
    });
}

void MainWindow::launchTransfer(TransferKind kind)
{
    if (transferRunning())
        return;
    clearLastOutcome();
    TransferOptions options;
    options.historyFolder = historyFolder();
    if (kind == TransferKind::Upload) {
        const std::optional<UploadLayout> confirmed = confirmUpload();
        if (!confirmed) {
            emit transferFinished(false);
            return;
        }
        options.layouts = *confirmed;
    }
    options.timing = transferTiming();
    m_transferKind = kind;
    m_worker = std::make_unique<TransferWorker>(kind, m_device, corePath(imagePath()), std::move(options));
    m_thread = std::make_unique<QThread>();
    m_worker->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::started, m_worker.get(), &TransferWorker::run);
    // The worker signals from its own thread: these connections are queued.
    // The tooltip names the port and the timing the transfer started with.
    connect(m_worker.get(), &TransferWorker::statusChanged, this,
            [this, tooltip = radioSteps(kind) + "\n" + portAndTimingText()](const QString& text) {
                showStatus(text);
                m_status->setToolTip(tooltip);
            });
    connect(m_worker.get(), &TransferWorker::progressRangeChanged, m_progress, &QProgressBar::setRange);
    connect(m_worker.get(), &TransferWorker::progressMaximumChanged, m_progress, &QProgressBar::setMaximum);
    connect(m_worker.get(), &TransferWorker::progressValueChanged, this, &MainWindow::showProgressValue);
    connect(m_worker.get(), &TransferWorker::finished, this, &MainWindow::transferEnded);
    setCommandsEnabled(false);
    m_thread->start();
}

void MainWindow::showProgressValue(int value)
{
    m_progress->setValue(std::clamp(value, m_progress->minimum(), m_progress->maximum()));
}

void MainWindow::transferEnded(const TransferReport& report)
{
    joinTransfer();
    setCommandsEnabled(true);
    if (report.complete) {
        showPortInTooltip();
        showOutcome(report);
    } else {
        const QString reason = QString::fromStdString(report.reason);
        const QString detail = QString::fromStdString(report.detail);
        // The numbers of an unacknowledged upload stay; other failures replace them.
        if (report.statusText.empty() || report.abandoned)
            showStatus(reason);
        if (!report.abandoned)
            showProblemBar();
        m_status->setToolTip(detail.isEmpty() ? reason + "\n" + portAndTimingText()
                                              : reason + "\n" + detail + "\n" + portAndTimingText());
    }
    emit transferFinished(report.complete);
}

std::optional<UploadLayout> MainWindow::confirmUpload()
{
    // A file that cannot be read or is no memory file is refused by the upload itself.
    const Result<Bytes> file = readImageFileBytes(corePath(imagePath()));
    if (!file)
        return UploadLayout::WholeMemoryOnly;
    const bool imageFile = readImageLayout(*file).ok();
    const ImageCheck check = imageFile ? checkImageFile(*file) : ImageCheck{};
    // The memories are looked at as the upload sends them: a payload file
    // converted, the two pieces of a block the radio split joined.
    const Result<MemoryFile> memory = readMemoryBytes(*file);
    if (!imageFile && !memory)
        return UploadLayout::WholeMemoryOnly;
    const std::vector<std::string> untuned =
        memory ? checkImageFile(memory->imageFile).untunedMemories : check.untunedMemories;
    const bool notWhole = imageFile && !check.wholeMemory();
    if (!notWhole && untuned.empty())
        return UploadLayout::WholeMemoryOnly;

    QString asked;
    QStringList refused;
    if (notWhole) {
        const QString reason = QString::fromStdString(notWholeFileReason(check));
        asked = tr("This image is not a whole FT-817 memory: %1.").arg(reason);
        refused << tr("not a whole FT-817 memory: %1").arg(reason);
    }
    if (!untuned.empty()) {
        // Each memory on a line of its own, as the owner looks for it on the radio.
        constexpr std::size_t kShown = 20;
        const QString heading =
            untuned.size() == 1
                ? tr("the radio cannot tune the frequency of 1 memory in use")
                : tr("the radio cannot tune the frequency of %1 memories in use").arg(untuned.size());
        asked += (asked.isEmpty() ? "" : "\n\n") + heading.left(1).toUpper() + heading.mid(1) + ":";
        for (std::size_t i = 0; i < untuned.size() && i < kShown; ++i)
            asked += "\n" + QString::fromStdString(untuned[i]);
        if (untuned.size() > kShown)
            asked += "\n" + tr("and %1 more").arg(untuned.size() - kShown);
        refused << heading + ": " + QString::fromStdString(joinReasons(untuned, 5));
    }
    asked += (untuned.empty() ? " " : "\n\n") + tr("Send it anyway?");
    QMessageBox question(QMessageBox::Warning, windowTitle(), asked, QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setObjectName(notWhole ? "NotWholeMemoryQuestion" : "UntunedMemoryQuestion");
    question.setDefaultButton(QMessageBox::No);
    // The focus moves on to the status box, so that it coming back to the
    // window when the question closes starts no second upload.
    m_status->setFocus();
    if (question.exec() == QMessageBox::Yes)
        return UploadLayout::AnyLayout;
    m_status->setToolTip(tr("Not sent: %1").arg(refused.join("; ")) + "\n" + portAndTimingText());
    return std::nullopt;
}

void MainWindow::showOutcome(const TransferReport& report)
{
    QStringList lines;
    if (!report.notWholeMemory.empty()) {
        lines << tr("Not a whole memory: ") + QString::fromStdString(report.notWholeMemory);
        showProblemBar();
    } else {
        lines << outcomeWords(m_transferKind, report, imagePath());
    }
    for (const std::string& warning : report.warnings)
        lines << tr("Warning: ") + QString::fromStdString(warning);
    for (const std::string& note : report.notes)
        lines << QString::fromStdString(note);
    // The port line names the radio once it has answered.
    if (!report.radio.empty())
        m_radioHeard = QString::fromStdString(report.radio);
    lines << (report.radio.empty() ? m_status->toolTip() : portAndTimingText());
    m_status->setToolTip(lines.join('\n'));
}

void MainWindow::joinTransfer()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
    }
    m_worker.reset();
    m_thread.reset();
}

void MainWindow::abandonTransfer()
{
    if (m_worker)
        m_worker->abandon();
}

void MainWindow::hideKeepingPlace()
{
    // A window manager places a window shown anew as it places a new one
    // (out of the CAT window's way, say): a place of the program's own
    // brings it back where it was.
    if (QWindow* window = windowHandle())
        window->setPosition(window->position());
    hide();
}

void MainWindow::comeBack()
{
    show();
    activateWindow();
}

void MainWindow::openCat()
{
    if (transferRunning())
        return;
    if (!m_cat) {
        // Each command goes to the port in use when it is sent.
        m_cat = std::make_unique<CatWindow>([this] { return m_device; });
        connect(m_cat.get(), &CatWindow::closed, this, &MainWindow::comeBack);
    }
    hideKeepingPlace();
    m_cat->show();
    m_cat->activateWindow();
}

} // namespace ft817
