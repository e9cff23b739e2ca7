#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quendal {

// The seven option boxes, by their window names.
enum class Box { Check1 = 1, Check2, Check3, Check4, Check5, Check6, Check7 };
inline constexpr std::size_t kBoxCount = 7;

// Box values are the platform's three states; only Set counts as set anywhere.
inline constexpr std::int16_t kCleared = 0;
inline constexpr std::int16_t kSet = 1;
inline constexpr std::int16_t kGreyed = 2;

// The eight option values. Every reader asks at the moment it needs a value, since a
// rule or a nested tick may have changed it since the last step.
class OptionSet {
 public:
  std::int16_t Value(Box box) const { return boxes_[Index(box)]; }
  bool IsSet(Box box) const { return Value(box) == kSet; }
  void SetValue(Box box, std::int16_t value) { boxes_[Index(box)] = value; }

  const std::string& Text1() const { return text1_; }
  void SetText1(std::string text) { text1_ = std::move(text); }

 private:
  static constexpr std::size_t Index(Box box) { return static_cast<std::size_t>(box) - 1; }

  std::array<std::int16_t, kBoxCount> boxes_{};
  std::string text1_;
};

// The order in which the boxes stand in the options file: not the order of their names.
inline constexpr std::array<Box, kBoxCount> kFileOrder = {
    Box::Check1, Box::Check2, Box::Check3, Box::Check4, Box::Check7, Box::Check5, Box::Check6};

inline const char* BoxName(Box box) {
  static constexpr const char* kNames[] = {"Check1", "Check2", "Check3", "Check4",
                                           "Check5", "Check6", "Check7"};
  return kNames[static_cast<int>(box) - 1];
}

}  // namespace quendal
