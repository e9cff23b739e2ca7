#pragma once

#include <QCheckBox>
#include <cstdint>

namespace quendal {

// A check box whose value belongs to someone else: a click only reports itself, and the
// box shows whatever value it is told, the greyed third state included. Letting the box
// toggle itself would race the owner's rules, which may set a different value.
class OptionBox final : public QCheckBox {
  Q_OBJECT

 public:
  explicit OptionBox(const QString& caption, QWidget* parent = nullptr);

  // 0 cleared, 1 set, 2 greyed; anything else shows as set, as the platform draws it.
  void ShowValue(std::int16_t value);

 protected:
  void nextCheckState() override {}
};

}  // namespace quendal
