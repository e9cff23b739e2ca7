#pragma once

#include <QColor>
#include <QWidget>

namespace quendal {

// A filled circle with a thin black rim, as large as the shorter side of its box and
// centred in it. Only the fill colour changes while the program runs.
class LightShape final : public QWidget {
  Q_OBJECT

 public:
  explicit LightShape(const QColor& fill, QWidget* parent = nullptr);

  void SetFill(const QColor& fill);
  QColor Fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace quendal
