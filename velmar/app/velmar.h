// The application: start-up, the command line, and the commands that belong
// to the application rather than to a window (New, Open, the recent files,
// Save, Print Setup, About, Exit).
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "framework/recentfilelist.h"

class CMainFrame;
class CVelmarDoc;
class CVelmarView;
class QPrinter;

namespace velmar {
class SingleDocTemplate;
}

class CVelmarApp : public QObject {
 public:
  enum class StartResult { Run, Done, Failed };
  // The printer a print request goes to; null when there is none.
  using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

  CVelmarApp();
  ~CVelmarApp() override;

  // Sets the names the settings are kept under; needed before any settings
  // are read.
  static void SetApplicationNames();

  StartResult InitInstance(const QStringList& arguments);
  void SetPrinterFactory(PrinterFactory factory) { printerFactory_ = std::move(factory); }

  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFilePrintSetup();
  void OnAppAbout();
  void OnOpenRecentFile(int index);

  // The file halves of Open and Save, after the file dialog. A failure is
  // shown in a message box and changes nothing.
  bool OpenFile(const QString& path);
  bool SaveTo(const QString& path);

  CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
  CVelmarDoc* Document() const { return document_.get(); }
  CVelmarView* View() const { return view_; }
  const velmar::RecentFileList& RecentFiles() const { return recentFiles_; }

 private:
  void CreateSingleDocument();
  void ConnectCommands();
  void AddToRecentFiles(const QString& path);
  void WriteRecentFiles();
  void RefreshRecentMenu();
  bool OpenCommandLineFile(const QString& path);
  StartResult PrintFile(const QString& path);

  velmar::RecentFileList recentFiles_;
  std::unique_ptr<CVelmarDoc> document_;
  std::unique_ptr<CMainFrame> m_pMainWnd;
  CVelmarView* view_ = nullptr;
  std::unique_ptr<velmar::SingleDocTemplate> docTemplate_;
  std::unique_ptr<QPrinter> printer_;
  PrinterFactory printerFactory_;
  // The user hears once that the list cannot be kept, not at every Open.
  bool recentWriteFailureShown_ = false;
};
