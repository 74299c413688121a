// An editable text with a drop-down list of items.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace kestrun {

class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  // Starts with an empty text and no item chosen.
  ComboBox(QWidget* parent, const QStringList& items, const QRect& rect);

  QString Text() const { return currentText(); }
  // As if typed: raises no Click.
  void SetText(const QString& text);

 signals:
  // The user picked an item from the list; typing never raises it.
  void Click();
};

}  // namespace kestrun
