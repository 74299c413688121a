#include "forms/radiogroup.h"

#include <QVBoxLayout>

namespace kestrun {

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       const QRect& rect)
    : QGroupBox(caption, parent) {
  setGeometry(rect);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 0, 0, 0);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_.addButton(button, i);
    layout->addWidget(button);
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
