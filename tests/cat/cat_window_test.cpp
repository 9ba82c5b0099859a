// Form3 with the real serial code, where no radio is needed.
#include "app/main_window.h"
#include "cat/cat_window.h"
#include "platform/qt_serial_port.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

const char* const kMissingDevice = "/dev/ft817-test-no-such-port";

QWidget* topLevelNamed(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// Empties the box the way a person would: select all, Backspace.
void clearByKeys(QLineEdit& box)
{
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    ASSERT_EQ(box.text(), QString());
}

TEST(CatWindow, HasTheFormsLayout)
{
    CatWindow window([] { return qtSerialDevice(kMissingDevice); });
    EXPECT_EQ(window.objectName(), "Form3");
    EXPECT_EQ(window.windowTitle(), "CAT Control");
    EXPECT_EQ(window.size(), QSize(312, 213));
    EXPECT_FALSE(window.windowIcon().isNull());

    auto* text = window.findChild<QLineEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Text1");
    EXPECT_EQ(text->geometry(), QRect(16, 8, 121, 25));

    auto* status = window.findChild<QLabel*>("Status");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(QRect(0, 0, 312, 213).contains(status->geometry()));
    EXPECT_GE(status->geometry().top(), text->geometry().bottom());
    EXPECT_TRUE(status->text().isEmpty());
}

TEST(CatWindow, PortThatCannotOpenIsShownAndTheWindowGoesOn)
{
    CatWindow window([] { return qtSerialDevice(kMissingDevice); });
    window.show();
    auto* text = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLabel*>("Status");
    clearByKeys(*text);

    QTest::keyClicks(text, "43970000");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.busy(); }, 10000));
    EXPECT_TRUE(status->text().contains("cannot open")) << status->text().toStdString();
    EXPECT_TRUE(status->text().contains(kMissingDevice));
    EXPECT_NE(text->toolTip(), "43 97 00 00 01"); // nothing was sent
    // The box still takes typing after the failure.
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), "4397000");
}

TEST(CatWindow, BadTextSaysWhyWithoutTouchingThePort)
{
    CatWindow window([] { return qtSerialDevice(kMissingDevice); });
    window.show();
    auto* text = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLabel*>("Status");
    clearByKeys(*text);

    // Were the port tried, the status would say it cannot be opened.
    QTest::keyClicks(text, "1452x");
    EXPECT_TRUE(status->text().contains("digits only")) << status->text().toStdString();
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_TRUE(status->text().isEmpty()) << "a reason for a text no longer there";
    QTest::keyClicks(text, "0000000"); // eleven characters now
    EXPECT_TRUE(status->text().contains("at most 8")) << status->text().toStdString();
}

TEST(CatWindow, InitialTextAndProgramChangesSendNothing)
{
    CatWindow window([] { return qtSerialDevice(kMissingDevice); });
    window.show();
    auto* text = window.findChild<QLineEdit*>("Text1");
    auto* status = window.findChild<QLabel*>("Status");
    text->setText("43970000");
    EXPECT_TRUE(status->text().isEmpty());
}

TEST(CatWindow, ClosingEmitsClosed)
{
    CatWindow window([] { return qtSerialDevice(kMissingDevice); });
    QSignalSpy spy(&window, &CatWindow::closed);
    window.show();
    window.close();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST(CatWindow, MainWindowsCatAreaSwapsTheWindowsAndClosingSwapsBack)
{
    MainWindow form1(qtSerialDevice(kMissingDevice));
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    auto* area = form1.findChild<QWidget*>("CAT");
    ASSERT_NE(area, nullptr);

    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_FALSE(form1.isVisible());
    QWidget* form3 = topLevelNamed("Form3");
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(form3->windowTitle(), "CAT Control");

    form3->close();
    EXPECT_FALSE(form3->isVisible());
    EXPECT_TRUE(form1.isVisible());

    // A second click shows the same window again.
    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_EQ(topLevelNamed("Form3"), form3);
    EXPECT_TRUE(form3->isVisible());
    form3->close();
}

} // namespace
} // namespace ft817
