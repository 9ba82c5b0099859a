#pragma once
// The channel sheet: the channels in use and the special memories of an
// image on paper, one line each, in the columns owners keep beside the
// radio, with the radio's model and the file's name and date at the top of
// every page and the page number at the foot. Drawn as text (the words of
// a PDF can be searched and copied), in portrait, on any paged device: a
// QPdfWriter, or a QPrinter where Qt Print Support is built. Drawing needs
// Qt's fonts, so a QGuiApplication must exist.

#include "exchange/sheet_rows.h"
#include "image/block_store.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QPageSize>
#include <QString>

#include <optional>
#include <string_view>

class QLocale;
class QPagedPaintDevice;

namespace ft817 {

class ChannelSheet {
    Q_DECLARE_TR_FUNCTIONS(ChannelSheet)
public:
    // The sheet of a loaded image. fileName: the file as the heading names
    // it; fileDate: when the file last changed (invalid for a memory never saved).
    ChannelSheet(const BlockStore& store, QString fileName, QDateTime fileDate);

    // Draws the sheet on device, set to its paper already, a page at a time;
    // the number of pages (at least one: a memory with no channel in use says so).
    int paint(QPagedPaintDevice& device) const;

    // The sheet as a PDF file's bytes on paper in portrait, and how many pages it has.
    struct Pdf {
        QByteArray bytes;
        int pages = 0;
    };
    Pdf pdf(const QPageSize& paper) const;

    // The paper of a locale's country: Letter in the US and Canada, A4 elsewhere.
    static QPageSize usualPaper(const QLocale& locale);
    // The paper called name ("a4", "letter", any case); nothing for another name.
    static std::optional<QPageSize> paperNamed(std::string_view name);

private:
    SheetRows m_rows;
    QString m_fileName;
    QDateTime m_fileDate;
    QDateTime m_made = QDateTime::currentDateTime();
};

} // namespace ft817
