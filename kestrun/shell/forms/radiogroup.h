// A captioned group of radio items with an item index, -1 for none.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace kestrun {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(QWidget* parent, const QString& caption, const QStringList& items, const QRect& rect);

  int ItemIndex() const;
  // -1 clears the selection. Never raises Click: only the user does.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.buttons().size()); }
  QRadioButton* Item(int index) const;

 signals:
  // The user selected an item other than the one selected before.
  void Click();

 private:
  void OnToggled(int id, bool checked);

  QButtonGroup buttons_;
  bool setting_ = false;
};

}  // namespace kestrun
