#include "forms/combobox.h"

#include <QLineEdit>

namespace kestrun {

ComboBox::ComboBox(QWidget* parent, const QStringList& items, const QRect& rect)
    : QComboBox(parent) {
  setGeometry(rect);
  setEditable(true);
  // Typed text stays typed text: no completion into an item and no new items.
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  // Leaving the box after typing an item's text would otherwise select that
  // item and report it as picked.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  addItems(items);
  setCurrentIndex(-1);
  setEditText(QString());
  connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::SetText(const QString& text) { setEditText(text); }

}  // namespace kestrun
