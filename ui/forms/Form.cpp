#include "ui/forms/Form.h"

#include <algorithm>

namespace quendal::forms {

const Control* Find(const Form& form, std::string_view name) {
  const auto found = std::find_if(form.controls.begin(), form.controls.end(),
                                  [name](const Control& c) { return c.name == name; });
  return found == form.controls.end() ? nullptr : &*found;
}

std::string_view InitialFocus(const Form& form) {
  for (std::string_view name : form.tabOrder) {
    const Control* control = Find(form, name);
    if (control && TakesFocus(control->kind)) return name;
  }
  return {};
}

}  // namespace quendal::forms
