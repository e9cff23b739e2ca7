#pragma once

#include <QWidget>

namespace quendal::test {

// The widget that Tab moves to from `widget`: the next one in the focus chain that takes
// keyboard focus, as QWidget::focusNextPrevChild would pick it.
inline QWidget* NextTabStop(QWidget* widget) {
  for (QWidget* next = widget->nextInFocusChain(); next && next != widget;
       next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled()) return next;
  }
  return nullptr;
}

}  // namespace quendal::test
