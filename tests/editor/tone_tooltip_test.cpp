// The CTCSS and DCS boxes tell the tone in hertz and the DCS code in their
// tooltips, following the stored number after Enter and after navigation.

#include "handlers_fixture.h"

namespace ft817::test {
namespace {

class ToneTooltipTest : public HandlersTest {};

TEST_F(ToneTooltipTest, TooltipsFollowTheNumberAfterEnterAndAfterNavigation)
{
    image.setActive(0);
    image.setRecord(0, {0x05, 0x04, 0, 0, 0x01, 0, 8, 0}); // tone 8
    image.setActive(1);
    image.setRecord(1, {0x05, 0x04, 0, 0, 0x03, 0, 0, 23}); // DCS number 23
    open();
    EXPECT_EQ(box("CTCSS")->toolTip(), "88.5 Hz");

    typeAndEnter("CTCSS", "12");
    EXPECT_EQ(box("CTCSS")->toolTip(), "100.0 Hz");
    typeAndEnter("CTCSS", "60"); // clamped to 49
    EXPECT_EQ(box("CTCSS")->toolTip(), "254.1 Hz");

    click("Chup");
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(box("DCS")->toolTip(), "DCS 134");
    typeAndEnter("DCS", "0");
    EXPECT_EQ(box("DCS")->toolTip(), "DCS 023");

    click("Chdown");
    EXPECT_EQ(box("CTCSS")->toolTip(), "254.1 Hz");
}

TEST_F(ToneTooltipTest, NumberOutsideTheTablesSaysSo)
{
    image.setActive(0);
    image.setRecord(0, {0x05, 0x04, 0, 0, 0x02, 0, 200, 150});
    open();
    EXPECT_EQ(box("CTCSS")->toolTip(), "not in the radio's table");
    EXPECT_EQ(box("DCS")->toolTip(), "not in the radio's table");
}

} // namespace
} // namespace ft817::test
