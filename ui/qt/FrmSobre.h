#pragma once

#include <QDialog>
#include <QUrl>

namespace quendal {

// The maker's page, opened from the About window.
inline const QUrl kMakerPage{"https://korva.example.org/quendal"};

// The About window: name, version, maker and a button to the maker's page.
class FrmSobre final : public QDialog {
  Q_OBJECT

 public:
  explicit FrmSobre(QWidget* parent = nullptr);
};

}  // namespace quendal
