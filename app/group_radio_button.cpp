#include "app/group_radio_button.h"

namespace velmora {

TGroupRadioButton::TGroupRadioButton(QWidget* parent) : QRadioButton(parent) {
  setFocusPolicy(Qt::ClickFocus);  // not selected: no Tab stop
  connect(this, &QAbstractButton::toggled, this, [this] { ApplyTabRule(); });
}

void TGroupRadioButton::focusInEvent(QFocusEvent* event) {
  QRadioButton::focusInEvent(event);
  ApplyTabRule();
}

void TGroupRadioButton::ApplyTabRule() const {
  const auto group = parentWidget()->findChildren<TGroupRadioButton*>(Qt::FindDirectChildrenOnly);
  for (TGroupRadioButton* button : group)
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace velmora
