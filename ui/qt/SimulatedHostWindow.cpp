#include "ui/qt/SimulatedHostWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include "ui/qt/art/Artwork.h"

namespace quendal {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

SimulatedHostWindow::SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock,
                                         QWidget* parent)
    : QWidget(parent) {
  setObjectName("SimulatedHostWindow");
  setWindowTitle(Utf8(forms::kStationTitle));
  setWindowIcon(WindowIcon());
  setFixedSize(forms::kStationWidth, forms::kStationHeight);
  for (const forms::StationControl& control : forms::kStationControls) {
    QWidget* made = Make(control);
    made->setGeometry(control.left, control.top, control.width, control.height);
    if (!control.name.empty()) {
      made->setObjectName(Utf8(control.name));
      parts_[control.name] = made;
    }
  }
  playback_.setSingleShot(true);
  connect(&playback_, &QTimer::timeout, this, [this] { presenter_->PlaybackEnded(); });
  presenter_.emplace(host, sound, clock, static_cast<forms::StationPanel&>(*this));
  presenter_->Apply(Settings());
}

QWidget* SimulatedHostWindow::Make(const forms::StationControl& control) {
  using K = forms::StationKind;
  switch (control.kind) {
    case K::Group:
      return new QGroupBox(Utf8(control.caption), this);
    case K::Check: {
      auto* box = new QCheckBox(Utf8(control.caption), this);
      connect(box, &QCheckBox::toggled, this, [this] { presenter_->Apply(Settings()); });
      return box;
    }
    case K::Number: {
      auto* number = new QSpinBox(this);
      number->setRange(0, forms::kMostLinked);
      connect(number, &QSpinBox::valueChanged, this, [this] { presenter_->Apply(Settings()); });
      return number;
    }
    case K::List:
      return new QListWidget(this);
    case K::Text:
    case K::State:
      break;
  }
  return new QLabel(Utf8(control.caption), this);
}

template <typename Widget>
Widget& SimulatedHostWindow::Part(std::string_view name) const {
  return *static_cast<Widget*>(parts_.at(name));
}

forms::StationSettings SimulatedHostWindow::Settings() const {
  return {Part<QCheckBox>(forms::kRadioReceiving).isChecked(),
          Part<QCheckBox>(forms::kInternetReceiving).isChecked(),
          Part<QCheckBox>(forms::kHostOffline).isChecked(),
          Part<QSpinBox>(forms::kConnectedCount).value()};
}

void SimulatedHostWindow::ShowState(std::string_view state, std::string_view text, bool on) {
  auto& label = Part<QLabel>(state);
  label.setText(Utf8(text));
  label.setStyleSheet(on ? "color: #c00000; font-weight: bold;" : "");
}

void SimulatedHostWindow::AddHandedFile(const std::string& line) {
  auto& files = Part<QListWidget>(forms::kHandedFiles);
  files.addItem(QString::fromStdString(line));
  files.scrollToBottom();
}

}  // namespace quendal
