// A radio button of the group formed by the radio buttons of one parent.
//
// At most one button of the group is selected; selecting one clears the
// others, and a selected button cannot be cleared by the user. The group is a
// stop of the Tab key only at its selected button: that button takes the
// focus by Tab and by click, the others by click only, so while none is
// selected Tab passes the group by. (Qt's own rule makes the button that last
// had the focus the stop; this class restores the rule above whenever the
// selection changes or a button of the group gains the focus.)
#pragma once

#include <QRadioButton>

namespace velmora {

class TGroupRadioButton final : public QRadioButton {
 public:
  explicit TGroupRadioButton(QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void ApplyTabRule() const;
};

}  // namespace velmora
