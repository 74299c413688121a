#include "forms/radiogroup.h"

#include <QFontMetrics>

#include "core/radio_layout.h"
#include "forms/radiogroupstyle.h"

namespace kestrun {

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       const QRect& rect)
    : QGroupBox(caption, parent) {
  setGeometry(rect);
  setStyle(SharedRadioGroupStyle());
  const std::vector<ItemBox> boxes = RadioItemBoxes(
      rect.width(), rect.height(), fontMetrics().height(), static_cast<int>(items.size()));
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    const ItemBox& box = boxes[i];
    button->setStyle(style());
    button->setGeometry(box.left, box.top, box.width, box.height);
    buttons_.addButton(button, i);
  }
  connect(&buttons_, &QButtonGroup::idToggled, this, &RadioGroup::OnToggled);
}

int RadioGroup::ItemIndex() const { return buttons_.checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  setting_ = true;
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
  } else if (QAbstractButton* checked = buttons_.checkedButton()) {
    // An exclusive group refuses to uncheck its last checked item.
    buttons_.setExclusive(false);
    checked->setChecked(false);
    buttons_.setExclusive(true);
  }
  setting_ = false;
}

QRadioButton* RadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(buttons_.button(index));
}

void RadioGroup::OnToggled(int /*id*/, bool checked) {
  // Re-checking the selected item toggles nothing, so each user selection of
  // a different item arrives here exactly once.
  if (checked && !setting_) emit Click();
}

}  // namespace kestrun
