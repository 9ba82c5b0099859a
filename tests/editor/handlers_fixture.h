#pragma once
// The editor window with its handlers, shown and active on the offscreen
// platform, and the user's actions on it: typing, Enter, clicks and focus moves.

#include "editor_window_fixture.h"

#include <QApplication>
#include <QTest>

#include <array>

namespace ft817::test {

class HandlersTest : public EditorWindowTest {
protected:
    // Opens the image, shows the window and makes it the active one (focus on Done).
    void open()
    {
        openImage(image);
        presentAndActivate();
    }

    // Record byte k of channel n in the editor's store.
    std::uint8_t rec(int n, int k) { return ChannelRecordView::forChannel(window->state().store, n).byte(k); }
    // Byte (block, index) of the editor's store.
    std::uint8_t at(int block, int index) { return window->state().store.byte(index, block); }
    std::array<std::uint8_t, 4> frequency(int n, int first)
    {
        return {rec(n, first), rec(n, first + 1), rec(n, first + 2), rec(n, first + 3)};
    }
    int current() { return window->state().currentChannel; }
    QWidget* focused() { return QApplication::focusWidget(); }
    QWidget* named(const char* name) { return window->findChild<QWidget*>(name); }

    // Clicks into a box (giving it the focus), empties it and types text, as a person would.
    void type(const char* name, const QString& text)
    {
        QLineEdit* target = box(name);
        QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_EQ(focused(), target) << name;
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
    }
    void enter(const char* name) { QTest::keyClick(named(name), Qt::Key_Return); }
    void typeAndEnter(const char* name, const QString& text)
    {
        type(name, text);
        enter(name);
    }
    // A mouse click on a button, or on a check box's square.
    void click(const char* name)
    {
        QWidget* target = named(name);
        if (qobject_cast<QCheckBox*>(target))
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        else
            QTest::mouseClick(target, Qt::LeftButton);
    }
    // Steps to channel n + 1 by typing its number.
    void goTo(int n) { typeAndEnter("CHnum", QString::number(n + 1)); }
    // Clicks into a list (giving it the focus) and picks entry position (-1: none), as the drop-down does.
    void choose(const char* name, int position)
    {
        QComboBox* target = list(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, target->height() / 2));
        target->setFocus(Qt::MouseFocusReason);
        target->setCurrentIndex(position);
    }

    MemoryImage image;
};

} // namespace ft817::test
