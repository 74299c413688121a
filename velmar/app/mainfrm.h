// The main window: menu, accelerators, toolbar, status bar with the lock-key
// panes, and the one command of its own, CS > Circular. Every other command
// is connected by the application to the document or the view.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <map>

#include "lockkeys.h"

class CVelmarDoc;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
 public:
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The action of a command identifier; null for an unknown one.
  QAction* Action(int commandId) const;
  QToolBar* ToolBar() const { return m_wndToolBar; }
  QLabel* IndicatorPane(int indicatorId) const;
  QLabel* MessagePane() const { return messagePane_; }
  QMenu* FileMenu() const { return fileMenu_; }

  void SetActiveDocument(CVelmarDoc* document) { activeDocument_ = document; }
  CVelmarDoc* GetActiveDocument() const { return activeDocument_; }

  // Shows the files in place of the disabled placeholder; the actions carry
  // the recent-file identifiers in list order.
  // A path too long for the screen is shown shortened; the list keeps it whole.
  void SetRecentFiles(const QStringList& paths);
  QList<QAction*> RecentFileActions() const { return recentActions_; }

  void ShowIndicators(const LockKeyState& state);
  void OnCsCircular();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void ConnectBarToggles();
  QString RecentFileText(int index, const QString& path, int maxWidth) const;
  void LabelRecentFiles(const QStringList& paths, int maxWidth);

  std::map<int, QAction*> actions_;
  QToolBar* m_wndToolBar = nullptr;
  QLabel* messagePane_ = nullptr;
  std::map<int, QLabel*> indicators_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentPlaceholder_ = nullptr;
  QList<QAction*> recentActions_;
  CVelmarDoc* activeDocument_ = nullptr;
};
