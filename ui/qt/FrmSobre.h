#pragma once

#include <QUrl>

#include "ui/forms/FrmSobre.h"
#include "ui/qt/Controls.h"
#include "ui/qt/DesignedDialog.h"

namespace quendal {

// The maker's page, opened from the About window.
inline const QUrl kMakerPage{Utf8(forms::kMakerPage)};

// The About window: name, version, maker and a button to the maker's page.
class FrmSobre final : public DesignedDialog {
  Q_OBJECT

 public:
  explicit FrmSobre(QWidget* parent = nullptr);
};

}  // namespace quendal
