#include "ui/qt/SimulatedHostWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTime>
#include <QVBoxLayout>

#include "core/platform/Clock.h"
#include "ui/qt/art/Artwork.h"

namespace quendal {
namespace {

// A Play call's value is "<path> <flag>"; the path may hold blanks of its own.
std::string PathOf(const std::string& value) { return value.substr(0, value.rfind(' ')); }

}  // namespace

SimulatedHostWindow::SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock,
                                         QWidget* parent)
    : QWidget(parent), host_(host), playback_(sound), clock_(clock) {
  setObjectName("SimulatedHostWindow");
  setWindowTitle("Estação simulada");
  setWindowIcon(WindowIcon());

  auto* reports = new QGroupBox("O que a estação informa", this);
  radio_ = new QCheckBox("Rádio recebendo", reports);
  radio_->setObjectName("radioReceiving");
  internet_ = new QCheckBox("Internet recebendo", reports);
  internet_->setObjectName("internetReceiving");
  linked_ = new QSpinBox(reports);
  linked_->setObjectName("connectedCount");
  linked_->setRange(0, 999);
  offline_ = new QCheckBox("Estação fora do ar (toda chamada falha)", reports);
  offline_->setObjectName("hostOffline");
  auto* reportsLayout = new QFormLayout(reports);
  reportsLayout->addRow(radio_);
  reportsLayout->addRow(internet_);
  reportsLayout->addRow("Estações conectadas:", linked_);
  reportsLayout->addRow(offline_);

  auto* asked = new QGroupBox("O que o Quendal pede", this);
  rf_ = new QLabel(asked);
  rf_->setObjectName("rfTransmit");
  ip_ = new QLabel(asked);
  ip_->setObjectName("ipTransmit");
  files_ = new QListWidget(asked);
  files_->setObjectName("handedFiles");
  auto* askedLayout = new QFormLayout(asked);
  askedLayout->addRow("Transmissor (RfTransmit):", rf_);
  askedLayout->addRow("Transmissão IP (IpTransmit):", ip_);
  askedLayout->addRow(new QLabel("Arquivos entregues (PlayAudioFile):", asked));
  askedLayout->addRow(files_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(reports);
  layout->addWidget(asked);
  resize(380, 420);

  for (QCheckBox* box : {radio_, internet_, offline_}) {
    connect(box, &QCheckBox::toggled, this, &SimulatedHostWindow::ApplyControls);
  }
  connect(linked_, &QSpinBox::valueChanged, this, &SimulatedHostWindow::ApplyControls);
  host_.Observe([this](const SimulatedHost::Call& call) { OnCall(call); });
  ApplyControls();
  ShowTransmitters();
}

SimulatedHostWindow::~SimulatedHostWindow() { host_.Observe(nullptr); }

void SimulatedHostWindow::ApplyControls() {
  if (offline_->isChecked()) {
    host_.FailAll();
    return;
  }
  host_.RestoreAll();
  host_.SetRadioReceiving(radio_->isChecked());
  host_.SetInternetReceiving(internet_->isChecked());
  host_.SetConnectedCount(linked_->value());
}

void SimulatedHostWindow::OnCall(const SimulatedHost::Call& call) {
  using Kind = SimulatedHost::Call::Kind;
  if (call.kind == Kind::Write) {
    ShowTransmitters();
  } else if (call.kind == Kind::Play) {
    const std::string path = PathOf(call.value);
    const LocalTime now = clock_.Now();
    files_->addItem(QTime(now.hour, now.minute, now.second).toString("HH:mm:ss") + "  " +
                    QString::fromStdString(path) + (call.ok ? "" : "  (falhou)"));
    files_->scrollToBottom();
    if (call.ok) playback_.Enqueue(path);
  }
}

void SimulatedHostWindow::ShowTransmitters() {
  const auto show = [](QLabel& label, bool on) {
    label.setText(on ? "LIGADO" : "desligado");
    label.setStyleSheet(on ? "color: #c00000; font-weight: bold;" : "");
  };
  show(*rf_, host_.RfTransmit());
  show(*ip_, host_.IpTransmit());
}

}  // namespace quendal
