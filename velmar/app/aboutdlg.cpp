#include "aboutdlg.h"

#include <QLabel>
#include <QPushButton>

#include "framework/dialogunits.h"
#include "resources.h"
#include "toolbarimages.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  const velmar::DialogTemplate& dialog = velmar::AboutDialogTemplate();
  setObjectName(QStringLiteral("dialog%1").arg(dialog.id));
  setWindowTitle(QString::fromUtf8(dialog.caption));
  setFont(velmar::DialogFont());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  const velmar::DialogUnits units(font());
  setFixedSize(units.ToPixels(dialog.width, dialog.height));

  const auto place = [&units](QWidget* widget, const velmar::TemplateControl& control) {
    widget->setGeometry(
        units.ToPixels(control.rect.x, control.rect.y, control.rect.width, control.rect.height));
    widget->setProperty("controlId", control.id);
  };
  const auto& controls = dialog.controls;
  auto* icon = new QLabel(this);
  place(icon, controls[0]);
  icon->setPixmap(ApplicationIcon().pixmap(icon->size()));
  auto* version = new QLabel(QString::fromUtf8(controls[1].text), this);
  version->setTextFormat(Qt::PlainText);
  place(version, controls[1]);
  auto* ok = new QPushButton(QString::fromUtf8(controls[2].text), this);
  place(ok, controls[2]);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
