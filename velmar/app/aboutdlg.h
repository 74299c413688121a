// The About box: the application icon, the name and version, and OK.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
