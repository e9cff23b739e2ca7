#include "core/Display.h"

namespace quendal {

void ShowAll(StationView& view) {
  for (std::size_t i = 1; i <= kBoxCount; ++i) view.BoxChanged(static_cast<Box>(i));
  view.Text1Changed();
  for (DisplayField field :
       {DisplayField::Label2, DisplayField::Label3, DisplayField::Shape1, DisplayField::Shape2}) {
    view.DisplayChanged(field);
  }
}

}  // namespace quendal
