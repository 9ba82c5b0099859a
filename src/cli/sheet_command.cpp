#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "cli/memory_check.h"

#include "image/file_replacement.h"
#include "image/image_history.h"
#include "platform/qt_history_folder.h"
#include "sheet/channel_sheet.h"
#include "text/text_format.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <cstdint>
#include <iostream>
#include <span>

namespace ft817 {

namespace {

constexpr const char* kSheetUsage =
    "Usage: ft817clone sheet IMAGE OUT.pdf [--paper a4|letter]\n"
    "Writes the channel sheet of an image file as a PDF to print: the channels in use and the\n"
    "special memories, one line each (channel, tag, receive MHz, shift and offset or transmit\n"
    "MHz, mode, tone or code, skip), the radio model and the file's name and date at the top,\n"
    "about 57 lines a page in portrait. The words are text: a PDF reader finds and copies them.\n"
    "IMAGE may also be a payload file of another programming tool (see convert --help).\n"
    "  --paper P   a4 or letter (default: letter where the system's locale is the US or\n"
    "              Canada, a4 elsewhere)\n";

} // namespace

int runSheetCommand(const Arguments& args)
{
    CommandLine line("sheet", kSheetUsage);
    line.addValueOption("paper", "P");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.size() != 2)
        return line.usageError("name the image file and the PDF file to write");
    const std::string& imagePath = files[0];
    const std::string& pdfPath = files[1];
    QPageSize paper = ChannelSheet::usualPaper(QLocale::system());
    if (line.isSet("paper")) {
        const auto named = ChannelSheet::paperNamed(line.value("paper"));
        if (!named)
            return line.usageError("the paper is a4 or letter, not \"" + line.value("paper") + "\"");
        paper = *named;
    }

    const auto memory = loadMemory("sheet", imagePath);
    if (!memory)
        return line.failure(memory.error().full());
    printNotWholeMemory("sheet", imagePath, memory->imageFile);
    if (const Status distinct = checkNotAnInput(pdfPath, {imagePath}); !distinct)
        return line.failure(distinct.error().message);

    QElapsedTimer clock;
    clock.start();
    const QFileInfo image(QString::fromStdString(imagePath));
    const ChannelSheet sheet(memory->store, image.fileName(), image.lastModified());
    const ChannelSheet::Pdf pdf = sheet.pdf(paper);
    const Result<std::string> kept = replaceKeepingCopy(
        pdfPath, std::span(reinterpret_cast<const std::uint8_t*>(pdf.bytes.constData()), pdf.bytes.size()),
        ImageHistory(historyFolder()), "sheet");
    if (!kept)
        return line.failure(kept.error().full());
    const SheetRows rows = sheetRows(memory->store);
    std::cout << "wrote the sheet of "
              << countOf(static_cast<long long>(rows.channels.size()), "channel", "channels") << " and "
              << countOf(static_cast<long long>(rows.specials.size()), "special memory", "special memories")
              << " to " << pdfPath << " (" << countOf(pdf.pages, "page", "pages") << ", "
              << paper.key().toStdString() << ", " << clock.elapsed() << " ms)\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

} // namespace ft817
