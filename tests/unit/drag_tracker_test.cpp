// A press becomes a drag only from a selected entry and past the threshold; the drop goes to
// the control under the mouse with the entry there, and only when that control takes it.
#include <gtest/gtest.h>

#include <vector>

#include "ui/drag.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace {

struct DragTrackerTest : ::testing::Test {
  ui::Panel form{nullptr, "form", 0};
  ui::ListBox source{&form, "source", 1};
  ui::ListBox target{&form, "target", 2};
  ui::DragTracker drag{4, 4};
  std::vector<int> drops;  // the entry of each drop
  bool takes = true;

  DragTrackerTest() {
    source.setItems({"a", "b"});
    source.setItemIndex(1);
    source.dragSource = true;
    target.onDragOver = [this](ui::Control& from, int) { return takes && &from == &source; };
    target.onDragDrop = [this](ui::Control&, int item) { drops.push_back(item); };
  }
};

TEST_F(DragTrackerTest, APressOnASelectedEntryDragsPastTheThresholdAndDropsAtTheEntryThere) {
  EXPECT_FALSE(drag.press(source, {10, 10}, 0)) << "an unselected entry selects, it does not drag";
  EXPECT_FALSE(drag.press(source, {10, 10}, -1));
  ASSERT_TRUE(drag.press(source, {10, 10}, 1));
  EXPECT_EQ(drag.move({14, 6}, &target, 3), ui::DragCursor::Normal) << "within the threshold";
  EXPECT_FALSE(drag.dragging());
  EXPECT_EQ(drag.move({15, 10}, &form, -1), ui::DragCursor::Refuse) << "a control without drop handlers";
  EXPECT_EQ(drag.move({40, 80}, &target, 3), ui::DragCursor::Accept);
  EXPECT_TRUE(drag.release({40, 95}, &target, 4));
  EXPECT_EQ(drops, std::vector<int>{4}) << "the release place counts, not the last move";
  EXPECT_FALSE(drag.pressed());

  target.setEnabled(false);
  ASSERT_TRUE(drag.press(source, {10, 10}, 1));
  EXPECT_EQ(drag.move({40, 80}, &target, 3), ui::DragCursor::Refuse) << "a disabled control takes nothing";
}

TEST_F(DragTrackerTest, AClickCancelOrRefusingTargetDropsNothing) {
  ASSERT_TRUE(drag.press(source, {10, 10}, 1));
  EXPECT_FALSE(drag.release({12, 12}, &target, 1)) << "a press that never moved away is a click";

  ASSERT_TRUE(drag.press(source, {10, 10}, 1));
  drag.move({40, 80}, &target, 0);
  drag.cancel();
  EXPECT_FALSE(drag.release({40, 80}, &target, 0));

  ASSERT_TRUE(drag.press(source, {10, 10}, 1));
  takes = false;
  EXPECT_TRUE(drag.release({40, 80}, &target, 0));
  EXPECT_FALSE(drag.release({40, 80}, nullptr, -1));
  EXPECT_TRUE(drops.empty());

  source.dragSource = false;
  EXPECT_FALSE(drag.press(source, {10, 10}, 1));
}

}  // namespace
