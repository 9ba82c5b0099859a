#pragma once
// A real editor window on the offscreen platform, and memory images built
// byte by byte (block lengths of an FT-817ND) written to a temporary folder.

#include "editor/editor_window.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/memory_map.h"
#include "platform/file_access.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace ft817::test {

// A memory image of an FT-817ND, all zeros apart from what a test puts in.
class MemoryImage {
public:
    MemoryImage()
    {
        std::vector<int> lengths = {2, 40, 208, 182, 208, 182, 198, 53};
        lengths.insert(lengths.end(), 40, 130);
        lengths.push_back(118);
        lengths.push_back(130);
        std::vector<Bytes> payloads;
        for (std::size_t j = 0; j < lengths.size(); ++j) {
            // A little of everything in the blocks nobody edits, so carrying them is checked.
            Bytes payload(static_cast<std::size_t>(lengths[j]), 0);
            if (j == 0 || j == 6 || j >= 48)
                for (std::size_t k = 0; k < payload.size(); ++k)
                    payload[k] = static_cast<std::uint8_t>(j * 7 + k * 13);
            payloads.push_back(std::move(payload));
        }
        store = *BlockStore::fromPayloads(payloads);
    }

    ChannelRecord channel(int n) { return ChannelRecord::forChannel(store, n); }
    // Record bytes 0.. of channel n set from a list.
    void setRecord(int n, std::initializer_list<std::uint8_t> bytes)
    {
        int k = 0;
        for (std::uint8_t b : bytes)
            channel(n).setByte(k++, b);
    }
    void setActive(int n, bool active = true) { setChannelActive(store, n, active); }
    void setBand(Vfo vfo, int band, std::uint32_t frequency)
    {
        const Location at = bandLocation(vfo, band);
        for (int k = 0; k < 4; ++k)
            store.setByte(at.index + 10 + k, at.block, static_cast<std::uint8_t>(frequency >> (24 - 8 * k)));
    }
    void setByte(Location at, std::uint8_t value) { store.setByte(at.index, at.block, value); }

    // Writes the image file and returns its path.
    std::string writeTo(const std::string& path) const
    {
        const Bytes file = *store.toImageFile();
        EXPECT_TRUE(writeWholeFile(path, file).ok());
        return path;
    }

    BlockStore store;
};

inline Bytes fileBytes(const std::string& path)
{
    auto bytes = readWholeFile(path);
    EXPECT_TRUE(bytes.ok()) << path;
    return bytes ? *bytes : Bytes{};
}

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<EditorWindow>();
        window->setWarningReporter([this](const QString& message) { warnings.push_back(message); });
    }

    template <class T> T* widget(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) { return widget<QLineEdit>(name); }
    QCheckBox* check(const char* name) { return widget<QCheckBox>(name); }
    QComboBox* list(const char* name) { return widget<QComboBox>(name); }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QLabel* label(const char* name) { return widget<QLabel>(name); }
    // Visible as far as the window is concerned (the window itself may be hidden).
    bool shown(const char* name) { return !window->findChild<QWidget*>(name)->isHidden(); }

    // Writes image to a file in the temporary folder and runs Edit on it.
    std::string openImage(const MemoryImage& image, const std::string& name = "image.bin")
    {
        const std::string path = image.writeTo(folder.file(name));
        const Status opened = window->edit(QString::fromStdString(path));
        EXPECT_TRUE(opened.ok()) << (opened ? "" : opened.error().full());
        return path;
    }

    // Shows channel n the way stepping to it does.
    void display(int n)
    {
        window->state().currentChannel = n;
        window->displayChannel();
    }

    // Shows the window, makes it the active one and waits until it is.
    void presentAndActivate()
    {
        window->present();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    TempDir folder;
    std::unique_ptr<EditorWindow> window;
    std::vector<QString> warnings;
};

} // namespace ft817::test
