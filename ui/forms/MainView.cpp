#include "ui/forms/MainView.h"

#include "core/StationController.h"

namespace quendal::forms {

MainView::MainView(StationController& controller, FormPanel& panel)
    : controller_(controller), panel_(panel) {
  ShowAll(*this);
  controller_.SetView(this);
}

MainView::~MainView() { controller_.SetView(nullptr); }

void MainView::BoxChanged(Box box) {
  panel_.ShowCheck(BoxName(box), controller_.Options().Value(box));
}

void MainView::Text1Changed() { panel_.ShowText("Text1", controller_.Options().Text1()); }

void MainView::DisplayChanged(DisplayField field) {
  const Display& display = controller_.GetDisplay();
  switch (field) {
    case DisplayField::Label2:
      return panel_.ShowText("Label2", display.Label2);
    case DisplayField::Label3:
      return panel_.ShowText("Label3", display.Label3);
    case DisplayField::Shape1:
      return panel_.ShowLight("Shape1", display.Shape1);
    case DisplayField::Shape2:
      return panel_.ShowLight("Shape2", display.Shape2);
  }
}

}  // namespace quendal::forms
