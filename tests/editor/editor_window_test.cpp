// The editor window's layout: names, places, fonts, texts and tab order.

#include "editor_window_fixture.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

namespace ft817::test {
namespace {

struct Placement {
    const char* name;
    int x, y, width, height;
    int tabOrder; // -1: takes no focus
};

const Placement kPlacements[] = {
    {"CHnum", 16, 32, 73, 41, 7},        {"Chup", 88, 32, 17, 20, 19},
    {"Chact", 120, 32, 65, 15, 17},      {"VFOAck", 200, 32, 73, 17, 3},
    {"Chdown", 88, 53, 17, 20, 20},      {"Chsplit", 120, 56, 65, 17, 18},
    {"VFOAs", 200, 56, 97, 23, 1},       {"CHfreq", 16, 88, 89, 25, 8},
    {"CHmode", 120, 88, 65, 25, 9},      {"VFOBck", 200, 88, 65, 17, 4},
    {"VFOBs", 200, 112, 97, 23, 2},      {"CHTfreq", 16, 120, 89, 25, 14},
    {"CHTmode", 120, 120, 65, 25, 24},   {"Label1", 224, 144, 33, 17, -1},
    {"CHtext", 16, 152, 89, 25, 10},     {"CHoffset", 120, 152, 65, 25, 16},
    {"Home", 200, 168, 97, 23, 5},       {"DCSck", 16, 184, 41, 16, 11},
    {"CTCSSck", 64, 184, 49, 17, 12},    {"Tagck", 120, 184, 49, 17, 22},
    {"DCS", 16, 208, 41, 19, 13},        {"CTCSS", 64, 208, 41, 19, 15},
    {"CTCSSmute", 120, 208, 49, 17, 21}, {"Savename", 16, 240, 145, 21, 23},
    {"Done", 16, 272, 65, 25, 0},        {"Cancel", 96, 272, 65, 25, 25},
};

TEST_F(EditorWindowTest, WindowHasCaptionFixedSizeAndIcon)
{
    EXPECT_EQ(window->objectName(), "Form2");
    EXPECT_EQ(window->windowTitle(), "YAESU Edit");
    EXPECT_EQ(window->size(), QSize(423, 312));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(EditorWindowTest, EveryElementSitsAtItsPlace)
{
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.name);
        QWidget* element = window->findChild<QWidget*>(p.name);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->geometry(), QRect(p.x, p.y, p.width, p.height));
    }
}

TEST_F(EditorWindowTest, TabWalksTheElementsInTheirOrder)
{
    std::vector<const Placement*> order;
    for (const Placement& p : kPlacements)
        if (p.tabOrder >= 0)
            order.push_back(&p);
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabOrder < b->tabOrder; });
    for (std::size_t k = 0; k + 1 < order.size(); ++k) {
        // An editable list's own text field follows the list in the chain.
        QWidget* element = window->findChild<QWidget*>(order[k]->name);
        QWidget* next = element->nextInFocusChain();
        while (element->isAncestorOf(next))
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName().toStdString(), order[k + 1]->name) << "after " << order[k]->name;
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->focusPolicy(), Qt::NoFocus);
}

TEST_F(EditorWindowTest, InitialTextsTooltipsAndCaptions)
{
    EXPECT_EQ(box("CHnum")->text(), "200");
    EXPECT_EQ(box("CHnum")->toolTip(), "Memory Chanel number.");
    EXPECT_EQ(box("CHfreq")->text(), "  700000");
    EXPECT_EQ(box("CHfreq")->toolTip(), "Memory frequency.");
    EXPECT_EQ(box("CHTfreq")->toolTip(), "Memory TX freq if split.");
    EXPECT_EQ(box("CHtext")->toolTip(), "Memory tag.");
    EXPECT_EQ(box("CHtext")->maxLength(), 8);
    for (const char* empty : {"CHTfreq", "CHtext", "DCS", "CTCSS", "Savename"})
        EXPECT_TRUE(box(empty)->text().isEmpty()) << empty;
    const std::pair<const char*, const char*> captions[] = {
        {"Chact", "Active"}, {"VFOAck", "VFO A"}, {"Chsplit", "Split"}, {"VFOBck", "VFO B"},
        {"DCSck", "DCS"},    {"CTCSSck", "Tone"}, {"Tagck", "Tag"},     {"CTCSSmute", "Mute"}};
    for (auto [name, caption] : captions)
        EXPECT_EQ(check(name)->text(), caption) << name;
    EXPECT_EQ(button("Done")->text(), "Done");
    EXPECT_EQ(button("Cancel")->text(), "Cancel");
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Home");
    EXPECT_FALSE(button("Chup")->icon().isNull());
    EXPECT_FALSE(button("Chdown")->icon().isNull());
    for (const char* name : {"VFOAs", "VFOBs", "CHmode", "CHTmode", "CHoffset", "Home"}) {
        EXPECT_TRUE(list(name)->isEditable()) << name;
        EXPECT_EQ(list(name)->count(), 0) << name;
    }
}

TEST_F(EditorWindowTest, FixedPitchWhereTheBandTextsAndFrequenciesMustLineUp)
{
    for (const char* name :
         {"VFOAck", "VFOBck", "VFOAs", "VFOBs", "CHfreq", "CHTfreq", "CHtext", "Label1", "Home"})
        EXPECT_TRUE(QFontInfo(window->findChild<QWidget*>(name)->font()).fixedPitch()) << name;
    for (const char* name : {"CHfreq", "CHTfreq", "CHtext"})
        EXPECT_DOUBLE_EQ(box(name)->font().pointSizeF(), 13.5) << name;
    EXPECT_DOUBLE_EQ(box("CHnum")->font().pointSizeF(), 24);
}

// Where the text cursor stands in a box after it has been painted.
int cursorX(QLineEdit* field, int position)
{
    field->setCursorPosition(position);
    field->grab();
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

// Eight characters fit the frequency and tag boxes without scrolling, so the
// first character stays in sight when the cursor stands at the end.
TEST_F(EditorWindowTest, EightCharactersFitTheFrequencyAndTagBoxes)
{
    window->show();
    for (const char* name : {"CHfreq", "CHTfreq", "CHtext"}) {
        QLineEdit* field = box(name);
        field->setText("88888888");
        const int start = cursorX(field, 0);
        const int end = cursorX(field, 8);
        EXPECT_EQ(end - start, QFontMetrics(field->font()).horizontalAdvance("88888888")) << name;
        EXPECT_LE(end, field->width()) << name;
    }
    QLineEdit* number = box("CHnum");
    number->setText(" 200");
    const int start = cursorX(number, 0);
    EXPECT_EQ(cursorX(number, 4) - start, QFontMetrics(number->font()).horizontalAdvance(" 200"));
    window->hide();
}

} // namespace
} // namespace ft817::test
