#include "ui/forms/Form.h"

#include <algorithm>

namespace quendal::forms {

const Control* Find(const Form& form, std::string_view name) {
  const auto found = std::find_if(form.controls.begin(), form.controls.end(),
                                  [name](const Control& c) { return c.name == name; });
  return found == form.controls.end() ? nullptr : &*found;
}

std::vector<std::string_view> FocusOrder(const Form& form) {
  std::vector<std::string_view> order;
  for (std::string_view name : form.tabOrder) {
    if (TakesFocus(Find(form, name)->kind)) order.push_back(name);
  }
  return order;
}

}  // namespace quendal::forms
