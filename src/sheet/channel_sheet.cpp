#include "sheet/channel_sheet.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace ft817 {

namespace {

// The sheet's columns, left to right.
enum Column { Name, Tag, Receive, ShiftColumn, Mode, Tone, Skip, ColumnCount };

// Text sizes in points and the page's margins in millimetres.
constexpr double kTitlePoints = 13.0;
constexpr double kBodyPoints = 9.0;
constexpr double kFootPoints = 7.5;
constexpr double kMarginMillimetres = 12.0;
// A line's height over the font's own line spacing, and the room between columns in points.
constexpr double kLineSpread = 1.12;
constexpr double kColumnGapPoints = 10.0;

// One line of a page: a section's title, its column titles or one of its rows.
struct Line {
    enum class Kind { SectionTitle, ColumnTitles, Row, Nothing } kind = Kind::Row;
    int section = 0;
    const SheetRow* row = nullptr;
};

using Page = std::vector<Line>;
using Cells = std::array<QString, ColumnCount>;

} // namespace

ChannelSheet::ChannelSheet(const BlockStore& store, QString fileName, QDateTime fileDate)
    : m_rows(sheetRows(store)), m_fileName(std::move(fileName)), m_fileDate(std::move(fileDate))
{
}

QPageSize ChannelSheet::usualPaper(const QLocale& locale)
{
    const QLocale::Territory territory = locale.territory();
    return QPageSize(territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

std::optional<QPageSize> ChannelSheet::paperNamed(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "a4")
        return QPageSize(QPageSize::A4);
    if (lower == "letter")
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

ChannelSheet::Pdf ChannelSheet::pdf(const QPageSize& paper) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(
            paper, QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setCreator("ft817clone");
        writer.setTitle(m_rows.model.empty()
                            ? tr("Channel sheet")
                            : tr("%1 channel sheet").arg(QString::fromStdString(m_rows.model)));
        pages = paint(writer);
    }
    return {buffer.data(), pages};
}

int ChannelSheet::paint(QPagedPaintDevice& device) const
{
    // Points to the device's pixels.
    const double dots = device.logicalDpiY() / 72.0;
    QFont body = QGuiApplication::font();
    body.setPointSizeF(kBodyPoints);
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(kTitlePoints);
    QFont foot = body;
    foot.setPointSizeF(kFootPoints);
    const QFontMetricsF bodyMetrics(body, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const QFontMetricsF titleMetrics(title, &device);
    const QFontMetricsF footMetrics(foot, &device);

    const double width = device.width();
    const double height = device.height();
    const double line = bodyMetrics.lineSpacing() * kLineSpread;
    const double headHeight = titleMetrics.lineSpacing() + bodyMetrics.lineSpacing() + line;
    const double footHeight = footMetrics.lineSpacing() + line * 0.5;
    const int linesPerPage = std::max(4, static_cast<int>((height - headHeight - footHeight) / line));

    // The two sections: the channels in use, the special memories.
    const std::array<const std::vector<SheetRow>*, 2> sections = {&m_rows.channels, &m_rows.specials};
    const std::array<QString, 2> sectionTitles = {m_rows.channels.empty()
                                                      ? tr("No channel in use")
                                                      : tr("Channels in use: %1").arg(m_rows.channels.size()),
                                                  tr("Special memories: %1").arg(m_rows.specials.size())};
    const std::array<Cells, 2> columnTitles = {Cells{tr("Ch"), tr("Tag"), tr("RX MHz"), tr("Shift / TX MHz"),
                                                     tr("Mode"), tr("Tone / code"), tr("Skip")},
                                               Cells{tr("Memory"), tr("Tag"), tr("RX MHz"),
                                                     tr("Shift / TX MHz"), tr("Mode"), tr("Tone / code"),
                                                     tr("Skip")}};

    const auto cellsOf = [](const SheetRow& row) {
        Cells cells;
        cells[Name] = QString::fromStdString(row.name);
        cells[Tag] = QString::fromStdString(row.tag);
        cells[Receive] = QString::fromStdString(row.rxMegahertz);
        const QString offset = QString::fromStdString(row.shiftMegahertz);
        switch (row.shift) {
        case Shift::Minus:
            cells[ShiftColumn] = "-" + offset;
            break;
        case Shift::Plus:
            cells[ShiftColumn] = "+" + offset;
            break;
        case Shift::Split:
            cells[ShiftColumn] = tr("TX %1").arg(offset);
            break;
        case Shift::Simplex:
            break;
        }
        cells[Mode] = QString::fromStdString(row.mode);
        const QString tone = QString::fromStdString(row.tone);
        switch (row.toneMode) {
        case ToneMode::Tone:
            cells[Tone] = tr("Tone %1").arg(tone);
            break;
        case ToneMode::Mute:
            cells[Tone] = tr("Tone SQL %1").arg(tone);
            break;
        case ToneMode::Dcs:
            cells[Tone] = tone;
            break;
        case ToneMode::None:
            break;
        }
        cells[Skip] = row.skip ? tr("skip") : QString();
        return cells;
    };

    // Each column as wide as its widest text in either section, so that the sections look alike;
    // the names of the special memories make the first column of theirs wider.
    std::array<std::array<double, ColumnCount>, 2> widths{};
    for (std::size_t s = 0; s < sections.size(); ++s) {
        for (int c = 0; c < ColumnCount; ++c)
            widths[s][c] = boldMetrics.horizontalAdvance(columnTitles[s][c]);
        for (const SheetRow& row : *sections[s]) {
            const Cells cells = cellsOf(row);
            for (int c = 0; c < ColumnCount; ++c)
                widths[s][c] = std::max(widths[s][c], bodyMetrics.horizontalAdvance(cells[c]));
        }
    }
    for (int c = Tag; c < ColumnCount; ++c)
        widths[0][c] = widths[1][c] = std::max(widths[0][c], widths[1][c]);
    // The room between columns narrows where a section's texts would run past the page's edge.
    double gap = kColumnGapPoints * dots;
    for (const auto& section : widths) {
        double texts = 0;
        for (const double columnWidth : section)
            texts += columnWidth;
        gap = std::clamp((width - texts) / (ColumnCount - 1), 3 * dots, gap);
    }

    // The lines, page by page: a section starts on a new page when fewer
    // than three of its lines would fit, and a section that goes on to the
    // next page repeats its column titles there.
    std::vector<Page> pages(1);
    const auto room = [&] { return linesPerPage - static_cast<int>(pages.back().size()); };
    for (int s = 0; s < static_cast<int>(sections.size()); ++s) {
        const std::vector<SheetRow>& rows = *sections[static_cast<std::size_t>(s)];
        if (s == 1 && rows.empty())
            break;
        if (!pages.back().empty()) {
            if (room() < 4)
                pages.emplace_back();
            else
                pages.back().push_back({Line::Kind::Nothing, s, nullptr});
        }
        pages.back().push_back({Line::Kind::SectionTitle, s, nullptr});
        if (rows.empty())
            continue;
        pages.back().push_back({Line::Kind::ColumnTitles, s, nullptr});
        for (const SheetRow& row : rows) {
            if (room() < 1) {
                pages.emplace_back();
                pages.back().push_back({Line::Kind::ColumnTitles, s, nullptr});
            }
            pages.back().push_back({Line::Kind::Row, s, &row});
        }
    }

    QPainter painter(&device);
    const QLocale locale;
    const QString heading = m_rows.model.empty()
                                ? tr("Channel sheet")
                                : tr("%1 channel sheet").arg(QString::fromStdString(m_rows.model));
    const QString fileLine =
        tr("File: %1").arg(m_fileName) + "    " +
        (m_fileDate.isValid() ? tr("saved %1").arg(locale.toString(m_fileDate, QLocale::ShortFormat))
                              : tr("not saved yet"));
    const QString made = tr("Made %1 with ft817clone").arg(locale.toString(m_made, QLocale::ShortFormat));
    const QColor shade(0xEE, 0xEE, 0xEE);

    const auto drawCells = [&](const Cells& cells, int s, double top, const QFontMetricsF& metrics) {
        double x = 0;
        const double baseline = top + (line - metrics.height()) / 2 + metrics.ascent();
        for (int c = 0; c < ColumnCount; ++c) {
            const double columnWidth = widths[static_cast<std::size_t>(s)][c];
            // Frequencies stand right-aligned, so that their points line up.
            const double indent = c == Receive ? columnWidth - metrics.horizontalAdvance(cells[c]) : 0.0;
            painter.drawText(QPointF(x + indent, baseline), cells[c]);
            x += columnWidth + gap;
        }
    };

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        painter.setPen(Qt::black);
        painter.setFont(title);
        painter.drawText(QPointF(0, titleMetrics.ascent()), heading);
        painter.setFont(body);
        painter.drawText(QPointF(0, titleMetrics.lineSpacing() + bodyMetrics.ascent()), fileLine);

        double top = headHeight;
        int shaded = 0;
        for (const Line& entry : pages[p]) {
            switch (entry.kind) {
            case Line::Kind::SectionTitle:
                painter.setFont(bold);
                painter.drawText(QPointF(0, top + (line - boldMetrics.height()) / 2 + boldMetrics.ascent()),
                                 sectionTitles[static_cast<std::size_t>(entry.section)]);
                break;
            case Line::Kind::ColumnTitles:
                painter.setFont(bold);
                drawCells(columnTitles[static_cast<std::size_t>(entry.section)], entry.section, top,
                          boldMetrics);
                painter.drawLine(QPointF(0, top + line), QPointF(width, top + line));
                shaded = 0;
                break;
            case Line::Kind::Row:
                // Every other row shaded, so that the eye keeps to its line across the page.
                if (shaded++ % 2 == 1)
                    painter.fillRect(QRectF(0, top, width, line), shade);
                painter.setFont(body);
                drawCells(cellsOf(*entry.row), entry.section, top, bodyMetrics);
                break;
            case Line::Kind::Nothing:
                break;
            }
            top += line;
        }

        painter.setFont(foot);
        const double footBaseline = height - footMetrics.descent();
        painter.drawText(QPointF(0, footBaseline), made);
        const QString number = tr("Page %1 of %2").arg(p + 1).arg(pages.size());
        painter.drawText(QPointF(width - footMetrics.horizontalAdvance(number), footBaseline), number);
    }
    return static_cast<int>(pages.size());
}

} // namespace ft817
