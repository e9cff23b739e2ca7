#include "options/ClickRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/FakeOptionControls.h"

namespace quendal {

// Names the box in parameterised test names instead of dumping its bytes.
[[maybe_unused]] static void PrintTo(Box box, std::ostream* out) { *out << BoxName(box); }

namespace {

using fakes::FakeOptionControls;

constexpr std::array<Box, 7> kAllBoxes = {Box::Check1, Box::Check2, Box::Check3, Box::Check4,
                                          Box::Check5, Box::Check6, Box::Check7};

struct ExclusiveCase {
  Box ticked;
  std::vector<Box> rivals;
};

// Every group member's rival starts ticked and every box outside the group starts greyed,
// so both a rival left ticked and a stray write outside the group show.
TEST(ClickRules, TickingABoxClearsTheOtherBoxesOfItsGroupOnly) {
  const ExclusiveCase cases[] = {
      {Box::Check1, {Box::Check2, Box::Check3}},
      {Box::Check2, {Box::Check1, Box::Check3}},
      {Box::Check3, {Box::Check1, Box::Check2}},
      {Box::Check4, {Box::Check7}},
      {Box::Check7, {Box::Check4}},
      {Box::Check5, {Box::Check6}},
      {Box::Check6, {Box::Check5}},
  };
  for (const ExclusiveCase& c : cases) {
    FakeOptionControls controls(/*runClickRules=*/true);
    for (Box box : kAllBoxes) controls.options.SetValue(box, kGreyed);
    for (Box rival : c.rivals) controls.options.SetValue(rival, kSet);
    controls.options.SetValue(c.ticked, kCleared);

    controls.SetValue(c.ticked, kSet);

    for (Box box : kAllBoxes) {
      const bool isRival = std::find(c.rivals.begin(), c.rivals.end(), box) != c.rivals.end();
      const std::int16_t expected = box == c.ticked ? kSet : isRival ? kCleared : kGreyed;
      EXPECT_EQ(controls.Value(box), expected)
          << "ticking " << BoxName(c.ticked) << ", looking at " << BoxName(box);
    }
  }
}

TEST(ClickRules, TickingCheck1RunsExactlyOneTickThenRepaints) {
  FakeOptionControls controls(/*runClickRules=*/true);
  controls.Arrange({{Box::Check2, kSet}});

  controls.SetValue(Box::Check1, kSet);

  EXPECT_EQ(controls.ticks, 1);
  EXPECT_EQ(controls.repaints, 1);
  ASSERT_GE(controls.log.size(), 2u);
  EXPECT_EQ(controls.log.back(), "repaint");
  EXPECT_EQ(controls.log[controls.log.size() - 2], "tick");
}

TEST(ClickRules, UntickingCheck1RepaintsWithoutATick) {
  FakeOptionControls controls(/*runClickRules=*/true);
  controls.Arrange({{Box::Check1, kSet}});

  controls.SetValue(Box::Check1, kCleared);

  EXPECT_EQ(controls.ticks, 0);
  EXPECT_EQ(controls.repaints, 1);
}

TEST(ClickRules, TickingCheck5SetsTheManualTextToOneBlank) {
  FakeOptionControls controls(/*runClickRules=*/true);
  controls.options.SetText1("25");

  controls.SetValue(Box::Check5, kSet);

  EXPECT_EQ(controls.options.Text1(), " ");
  EXPECT_EQ(std::count(controls.log.begin(), controls.log.end(), "manual text ' '"), 1);
  EXPECT_EQ(controls.Value(Box::Check6), kCleared);
  EXPECT_EQ(controls.temperatureDisplay, std::nullopt);
}

TEST(ClickRules, TickingCheck6BlanksTheTemperatureDisplay) {
  FakeOptionControls controls(/*runClickRules=*/true);
  controls.options.SetText1("25");
  controls.Arrange({{Box::Check5, kSet}});

  controls.SetValue(Box::Check6, kSet);

  EXPECT_EQ(controls.temperatureDisplay, " ");
  EXPECT_EQ(controls.Value(Box::Check5), kCleared);
  EXPECT_EQ(controls.options.Text1(), "25");
}

class BoxLeavingSetTest : public ::testing::TestWithParam<std::tuple<Box, std::int16_t>> {};

// Only a box becoming exactly 1 acts; the full-hour box still asks for its repaint.
TEST_P(BoxLeavingSetTest, ChangesNoOtherOption) {
  const auto [changed, value] = GetParam();
  FakeOptionControls controls(/*runClickRules=*/true);
  for (Box box : kAllBoxes) controls.options.SetValue(box, kSet);
  controls.options.SetText1("25");

  controls.SetValue(changed, value);

  for (Box box : kAllBoxes) {
    EXPECT_EQ(controls.Value(box), box == changed ? value : kSet) << BoxName(box);
  }
  EXPECT_EQ(controls.options.Text1(), "25");
  EXPECT_EQ(controls.temperatureDisplay, std::nullopt);
  EXPECT_EQ(controls.ticks, 0);
  EXPECT_EQ(controls.repaints, changed == Box::Check1 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(ClickRules, BoxLeavingSetTest,
                         ::testing::Combine(::testing::ValuesIn(kAllBoxes),
                                            ::testing::Values(kCleared, kGreyed)),
                         [](const auto& testCase) {
                           return std::string(BoxName(std::get<0>(testCase.param))) + "To" +
                                  std::to_string(std::get<1>(testCase.param));
                         });

}  // namespace
}  // namespace quendal
