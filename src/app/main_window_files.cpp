// The main window's files: Open…, Save as…, Edit and its questions, and the calibration backup item.

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

void MainWindow::buildCalibrationItem()
{
    m_backUpCalibration = new QAction(tr("Back up calibration…"), this);
    m_backUpCalibration->setObjectName("BackUpCalibration");
    addAction(m_backUpCalibration);
    connect(m_backUpCalibration, &QAction::triggered, this, &MainWindow::openCalibration);
}

void MainWindow::buildFileItems()
{
    m_open = new QAction(tr("Open…"), this);
    m_open->setObjectName("Open");
    m_open->setShortcut(QKeySequence::Open);
    m_saveAs = new QAction(tr("Save as…"), this);
    m_saveAs->setObjectName("SaveAs");
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    // First in the menu, where owners look for files.
    const QList<QAction*> items = actions();
    insertActions(items.isEmpty() ? nullptr : items.first(), {m_open, m_saveAs, separator});
    connect(m_open, &QAction::triggered, this, &MainWindow::openFile);
    connect(m_saveAs, &QAction::triggered, this, &MainWindow::saveFileAs);
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
    if (m_editor)
        m_editor->setFileChooser(m_fileChooser);
}

QString MainWindow::imagePath() const
{
    return expandedPath(m_path->text());
}

void MainWindow::openFile()
{
    if (transferRunning())
        return;
    const QString chosen = m_fileChooser(this, FileChoice::Open, m_path->text());
    if (chosen.isEmpty())
        return;
    m_path->setText(QDir::toNativeSeparators(chosen));
    startEdit();
}

void MainWindow::saveFileAs()
{
    if (transferRunning())
        return;
    const QString chosen = m_fileChooser(this, FileChoice::Save, m_path->text());
    if (chosen.isEmpty())
        return;
    const QFileInfo current(imagePath());
    if (current.exists() && current != QFileInfo(chosen)) {
        // A copy of the file as it is, byte for byte; what it replaces is kept.
        Result<Bytes> bytes = readWholeFile(corePath(current.filePath()));
        const Result<std::string> written =
            bytes ? replaceKeepingCopy(corePath(chosen), *bytes, ImageHistory(historyFolder()), "Save as")
                  : Result<std::string>(bytes.error());
        if (!written) {
            showStatus(QString::fromStdString(written.error().message));
            m_status->setToolTip(QString::fromStdString(written.error().full()));
            return;
        }
    }
    m_path->setText(QDir::toNativeSeparators(chosen));
}

void MainWindow::openCalibration()
{
    if (transferRunning() || (m_calibration && m_calibration->running()))
        return;
    m_calibration = std::make_unique<CalibrationDialog>(m_device, this);
    // The port is the calibration's while it reads: no transfer meanwhile.
    setCommandsEnabled(false);
    connect(m_calibration.get(), &CalibrationDialog::finished, this, [this] { setCommandsEnabled(true); });
    m_calibration->show();
    m_calibration->start();
}

void MainWindow::setCommandsEnabled(bool enabled)
{
    // The transfer's own button keeps the focus (and stays enabled, or the
    // focus would move on to the next button and start it).
    for (QWidget* command :
         std::initializer_list<QWidget*>{m_path, m_download, m_upload, m_edit, m_catArea}) {
        if (enabled || command != focusWidget())
            command->setEnabled(enabled);
    }
    // A transfer keeps the timing it started with.
    m_fastTransfers->setEnabled(enabled);
    m_portMenu->menuAction()->setEnabled(enabled);
    m_backUpCalibration->setEnabled(enabled);
    m_open->setEnabled(enabled);
    m_saveAs->setEnabled(enabled);
    if (m_editor)
        m_editor->setRadioBusy(!enabled);
    // The status box stays readable while the transfer writes to it.
    m_status->setReadOnly(!enabled);
    m_status->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (transferRunning() && event->key() == Qt::Key_Escape) {
        abandonTransfer();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window abandons a running transfer; the program then ends.
    abandonTransfer();
    event->accept();
}

void MainWindow::startEdit()
{
    if (transferRunning() || m_discardQuestion)
        return;
    clearLastOutcome();
    if (!m_editor) {
        m_editor = std::make_unique<EditorWindow>();
        m_editor->setFileChooser(m_fileChooser);
        connect(m_editor.get(), &EditorWindow::saved, this, [this](const QString& path) {
            m_path->setText(path);
            comeBack();
        });
        connect(m_editor.get(), &EditorWindow::left, this, &MainWindow::comeBack);
    }
    // Edit reads the file afresh: changes kept from a Cancel are lost unless the person keeps them.
    if (m_editor->hasUnsavedChanges()) {
        askToDiscardChanges();
        return;
    }
    editDiscardingChanges();
}

void MainWindow::askToDiscardChanges()
{
    // Not waiting for the answer: the question is modal to this window and answers by signal.
    auto* question = new QMessageBox(
        QMessageBox::Question, windowTitle(),
        tr("The editor still holds changes you left with Cancel; they are not saved in any file. "
           "Edit opens the file afresh and they are lost."),
        QMessageBox::NoButton, this);
    question->setObjectName("DiscardChangesQuestion");
    question->setInformativeText(tr("Keep editing goes back to them; Done there saves them."));
    QPushButton* discard = question->addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* keep = question->addButton(tr("Keep editing"), QMessageBox::RejectRole);
    question->setDefaultButton(keep);
    question->setEscapeButton(keep);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question, discard] {
        if (question->clickedButton() == discard) {
            editDiscardingChanges();
            return;
        }
        hideKeepingPlace();
        m_editor->present();
    });
    m_discardQuestion = question;
    question->open();
}

void MainWindow::editDiscardingChanges()
{
    if (transferRunning())
        return;
    if (!confirmEditDamaged())
        return;
    // The channel list tunes and reads the radio on the port chosen now.
    m_editor->setRadio(m_device);
    const Status loaded = m_editor->edit(m_path->text());
    if (!loaded) {
        showStatus(QString::fromStdString(loaded.error().message));
        m_status->setToolTip(QString::fromStdString(loaded.error().full()));
        return;
    }
    hideKeepingPlace();
    m_editor->present();
}

bool MainWindow::confirmEditDamaged()
{
    // A file that cannot be read or is no image file is refused by the editor itself.
    const Result<Bytes> file = readImageFileBytes(corePath(imagePath()));
    if (!file || !readImageLayout(*file))
        return true;
    const std::string damage = damageHiddenByRewrite(checkImageFile(*file));
    if (damage.empty())
        return true;
    const QString reason = QString::fromStdString(damage);
    QMessageBox question(
        QMessageBox::Warning, windowTitle(),
        tr("This image has damaged blocks: %1. Saving edits gives them fresh checksums, so the "
           "damage would no longer show. Edit it anyway?")
            .arg(reason),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName("DamagedMemoryQuestion");
    question.setDefaultButton(QMessageBox::No);
    m_status->setFocus();
    if (question.exec() == QMessageBox::Yes)
        return true;
    m_status->setToolTip(tr("Not opened: ") + reason);
    return false;
}

} // namespace ft817
