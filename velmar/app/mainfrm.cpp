#include "mainfrm.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <limits>

#include "circulardlg.h"
#include "menustyle.h"
#include "pathabbreviation.h"
#include "resources.h"
#include "toolbarimages.h"

namespace {

QList<QKeySequence> ShortcutsOf(int commandId) {
  QList<QKeySequence> keys;
  for (const velmar::Accelerator& accelerator : velmar::Accelerators()) {
    if (accelerator.id == commandId)
      keys.append(QKeySequence(QString::fromLatin1(accelerator.keys)));
  }
  return keys;
}

bool IsEditCommand(int commandId) {
  return commandId == velmar::ID_EDIT_UNDO || commandId == velmar::ID_EDIT_CUT ||
         commandId == velmar::ID_EDIT_COPY || commandId == velmar::ID_EDIT_PASTE;
}

void ApplyPrompt(QAction* action, int commandId) {
  const auto prompt = velmar::PromptFor(commandId);
  if (!prompt) return;
  action->setStatusTip(prompt->statusPrompt);
  action->setToolTip(prompt->tooltip);
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowIcon(ApplicationIcon());
  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  ConnectBarToggles();
  qApp->installEventFilter(this);
  ShowIndicators(ReadLockKeys());
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

void CMainFrame::CreateActions() {
  for (const velmar::Menu& menu : velmar::MainMenu()) {
    for (const velmar::MenuItem& item : menu.items) {
      if (item.caption == nullptr || item.placeholderDisabled) continue;
      auto* action = new QAction(QString::fromLatin1(item.caption), this);
      action->setData(item.id);
      action->setIcon(ToolbarImage(item.id));
      // The images belong to the toolbar; menu items show text only.
      action->setIconVisibleInMenu(false);
      action->setShortcuts(ShortcutsOf(item.id));
      action->setEnabled(!IsEditCommand(item.id));
      ApplyPrompt(action, item.id);
      actions_[item.id] = action;
    }
  }
  // The pane-switching keys exist but find no second pane to go to.
  for (int id : {velmar::ID_NEXT_PANE, velmar::ID_PREV_PANE}) {
    auto* action = new QAction(this);
    action->setData(id);
    action->setShortcuts(ShortcutsOf(id));
    addAction(action);
    actions_[id] = action;
  }
  connect(actions_[velmar::ID_CS_CIRCULAR], &QAction::triggered, this, &CMainFrame::OnCsCircular);
}

void CMainFrame::CreateMenus() {
  for (const velmar::Menu& menu : velmar::MainMenu()) {
    QMenu* qmenu = menuBar()->addMenu(QString::fromLatin1(menu.title));
    // Disabled items too show their prompt while highlighted.
    qmenu->setStyle(SharedMenuStyle());
    if (menu.items.front().id == velmar::ID_FILE_NEW) fileMenu_ = qmenu;
    for (const velmar::MenuItem& item : menu.items) {
      if (item.caption == nullptr) {
        qmenu->addSeparator();
      } else if (item.placeholderDisabled) {
        recentPlaceholder_ = qmenu->addAction(QString::fromLatin1(item.caption));
        recentPlaceholder_->setData(item.id);
        recentPlaceholder_->setEnabled(false);
        ApplyPrompt(recentPlaceholder_, item.id);
      } else {
        qmenu->addAction(actions_[item.id]);
      }
    }
  }
}

void CMainFrame::CreateToolBars() {
  m_wndToolBar = new QToolBar(QStringLiteral("Standard"), this);
  m_wndToolBar->setObjectName(QStringLiteral("ToolBar%1").arg(velmar::ID_VIEW_TOOLBAR));
  m_wndToolBar->setIconSize(QSize(kButtonImageWidth, kButtonImageHeight));
  m_wndToolBar->setMovable(true);
  m_wndToolBar->setFloatable(true);
  m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : velmar::ToolbarButtons()) {
    if (id == velmar::ID_SEPARATOR) {
      m_wndToolBar->addSeparator();
    } else {
      m_wndToolBar->addAction(actions_[id]);
    }
  }
  addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar%1").arg(velmar::ID_VIEW_STATUS_BAR));
  // A normal widget: a status prompt covers it, and it returns when the
  // prompt is cleared.
  messagePane_ = new QLabel(velmar::IdleMessage(), bar);
  bar->addWidget(messagePane_, 1);
  for (int id : velmar::StatusIndicators()) {
    auto* pane = new QLabel(bar);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    const int textWidth = pane->fontMetrics().horizontalAdvance(velmar::IndicatorText(id));
    pane->setFixedWidth(textWidth + 2 * pane->frameWidth() + 8);
    pane->setProperty("indicatorId", id);
    bar->addPermanentWidget(pane);
    indicators_[id] = pane;
  }
}

void CMainFrame::ConnectBarToggles() {
  QAction* toolbarToggle = actions_[velmar::ID_VIEW_TOOLBAR];
  QAction* statusToggle = actions_[velmar::ID_VIEW_STATUS_BAR];
  toolbarToggle->setCheckable(true);
  toolbarToggle->setChecked(true);
  statusToggle->setCheckable(true);
  statusToggle->setChecked(true);
  connect(toolbarToggle, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
  connect(m_wndToolBar, &QToolBar::visibilityChanged, toolbarToggle, &QAction::setChecked);
  connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

QAction* CMainFrame::Action(int commandId) const {
  const auto found = actions_.find(commandId);
  return found == actions_.end() ? nullptr : found->second;
}

QLabel* CMainFrame::IndicatorPane(int indicatorId) const {
  const auto found = indicators_.find(indicatorId);
  return found == indicators_.end() ? nullptr : found->second;
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
  // The list may change from inside one of these actions' own trigger, so
  // they go once that signal has returned.
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  for (int i = 0; i < paths.size(); ++i) {
    const int id = velmar::ID_FILE_MRU_FILE1 + i;
    auto* action = new QAction(this);
    action->setData(id);
    ApplyPrompt(action, id);
    fileMenu_->insertAction(recentPlaceholder_, action);
    recentActions_.append(action);
  }
  recentPlaceholder_->setVisible(paths.isEmpty());
  // The menu's frame, margins and columns come on top of the item texts;
  // what they take is measured on the menu itself, then the texts shrink
  // by any excess.
  const QScreen* where = screen();
  const int screenWidth =
      where != nullptr ? where->availableGeometry().width() : std::numeric_limits<int>::max();
  int maxWidth = screenWidth;
  for (int attempt = 0; attempt < 3; ++attempt) {
    LabelRecentFiles(paths, maxWidth);
    const int excess = fileMenu_->sizeHint().width() - screenWidth;
    if (excess <= 0) break;
    maxWidth -= excess;
  }
}

void CMainFrame::LabelRecentFiles(const QStringList& paths, int maxWidth) {
  for (int i = 0; i < recentActions_.size(); ++i) {
    recentActions_[i]->setText(RecentFileText(i, paths[i], maxWidth));
  }
}

QString CMainFrame::RecentFileText(int index, const QString& path, int maxWidth) const {
  const QString number = QString::number(index + 1) + QLatin1Char(' ');
  const QFontMetrics metrics(fileMenu_->font());
  const QByteArray utf8 = path.toUtf8();
  const std::string shown = velmar::AbbreviatePath(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), maxWidth,
      [&](std::string_view text) {
        return metrics.horizontalAdvance(
            number + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
      });
  // An ampersand in a path is a character of the name, not a mnemonic.
  QString label = QString::fromStdString(shown);
  label.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QLatin1Char('&') + number + label;
}

void CMainFrame::ShowIndicators(const LockKeyState& state) {
  const auto show = [this](int id, bool on) {
    indicators_[id]->setText(on ? velmar::IndicatorText(id) : QString());
  };
  show(velmar::ID_INDICATOR_CAPS, state.caps);
  show(velmar::ID_INDICATOR_NUM, state.num);
  show(velmar::ID_INDICATOR_SCRL, state.scroll);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
      ShowIndicators(ReadLockKeys());
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnCsCircular() {
  CCircularDlg dlgCircular(nullptr);
  dlgCircular.SetDocument(GetActiveDocument());
  dlgCircular.exec();
}
