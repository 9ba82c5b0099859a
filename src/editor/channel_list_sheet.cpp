// The channel list's sheet: the channels and special memories on paper or as PDF.

#include "editor/channel_list_window.h"

#include "cat_protocol/channel_tuning.h"
#include "editor/channel_radio.h"

#include "editing/channel_fill.h"
#include "editor/channel_filter_model.h"
#include "editor/channel_item_delegate.h"
#include "editor/channel_table_model.h"
#include "editor/channel_table_view.h"
#include "editor/edit_history.h"
#include "editor/special_table_model.h"
#include "exchange/channel_clipboard.h"
#include "gui/accessible_names.h"
#include "gui/help_window.h"
#include "gui/window_icon.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/file_replacement.h"
#include "image/image_history.h"
#include "image/memory_map.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_path.h"
#include "sheet/channel_sheet.h"
#include "text/text_format.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "editor/print_support.h"

#include <algorithm>

namespace ft817 {

void ChannelListWindow::setFilePath(const QString& path)
{
    m_filePath = path;
}

namespace {

// The sheet of the memory as it is now, its heading naming the file and the file's date.
ChannelSheet sheetOf(const BlockStore& store, const QString& filePath)
{
    const QFileInfo file(filePath);
    return ChannelSheet(store, file.fileName(), file.exists() ? file.lastModified() : QDateTime());
}

} // namespace

void ChannelListWindow::chooseSheetFile()
{
    commitOpenEditor();
    const QFileInfo image(m_filePath);
    const QString suggested = m_filePath.isEmpty()
                                  ? QString("channel-sheet.pdf")
                                  : image.dir().filePath(image.completeBaseName() + "-sheet.pdf");
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the channel sheet as PDF"), suggested,
                                                      tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        saveSheet(path);
}

bool ChannelListWindow::saveSheet(const QString& path)
{
    commitOpenEditor();
    const ChannelSheet::Pdf pdf =
        sheetOf(m_history->store(), m_filePath).pdf(ChannelSheet::usualPaper(QLocale()));
    const Result<std::string> kept = replaceKeepingCopy(
        corePath(path),
        std::span(reinterpret_cast<const std::uint8_t*>(pdf.bytes.constData()), pdf.bytes.size()),
        ImageHistory(historyFolder()), "Save as PDF");
    if (!kept) {
        report(tr("The channel sheet was not saved: %1").arg(QString::fromStdString(kept.error().message)));
        return false;
    }
    report(pdf.pages == 1 ? tr("Saved the channel sheet (1 page) as %1").arg(path)
                          : tr("Saved the channel sheet (%1 pages) as %2").arg(pdf.pages).arg(path));
    return true;
}

void ChannelListWindow::printSheet()
{
#ifdef FT817_CAN_PRINT
    commitOpenEditor();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(ChannelSheet::usualPaper(QLocale()));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(tr("%1 channel sheet").arg(QFileInfo(m_filePath).completeBaseName()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the channel sheet"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int pages = sheetOf(m_history->store(), m_filePath).paint(printer);
    report(pages == 1 ? tr("Sent the channel sheet (1 page) to the printer")
                      : tr("Sent the channel sheet (%1 pages) to the printer").arg(pages));
#else
    report(tr("This build cannot print; save the channel sheet as PDF and print that"));
#endif
}

} // namespace ft817
