#pragma once
// The editor opened on a simulated radio's memory, as Edit opens a file, with
// its channel list shown by a click on "Channels…".

#include "editor/channel_list_window.h"
#include "editor/editor_window.h"
#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace ft817::test {

// Writes the model's memory as an image file at path, edits it and opens the
// channel list; the list, or null after a failed expectation.
inline ChannelListWindow* openChannelListOn(EditorWindow& editor, const std::string& path, sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    EXPECT_TRUE(writeWholeFile(path, *buildImageFile(memory.image, memory.blockLengths)).ok());
    editor.setWarningReporter([](const QString&) {});
    if (!editor.edit(QString::fromStdString(path)).ok()) {
        ADD_FAILURE() << "the editor did not open " << path;
        return nullptr;
    }
    editor.present();
    QTest::mouseClick(editor.findChild<QPushButton*>("Channels"), Qt::LeftButton);
    return editor.channelList();
}

} // namespace ft817::test
