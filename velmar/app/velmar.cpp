#include "velmar.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include "aboutdlg.h"
#include "framework/messagebox.h"
#include "framework/singledoctemplate.h"
#include "mainfrm.h"
#include "resources.h"
#include "toolbarimages.h"
#include "velmardoc.h"
#include "velmarview.h"

namespace {

std::unique_ptr<QPrinter> DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

struct CommandLineInfo {
  enum class Action { FileNew, FileOpen, FilePrint } action = Action::FileNew;
  QString fileName;
};

bool IsPrintFlag(const QString& argument) {
  return argument.compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0 ||
         argument.compare(QStringLiteral("-p"), Qt::CaseInsensitive) == 0;
}

CommandLineInfo ParseCommandLine(const QStringList& arguments) {
  CommandLineInfo info;
  bool printRequested = false;
  // A slash starts a path here, so only the print flag is read as a switch.
  for (const QString& argument : arguments.mid(1)) {
    if (IsPrintFlag(argument)) {
      printRequested = true;
    } else if (!argument.startsWith(QLatin1Char('-')) && info.fileName.isEmpty()) {
      info.fileName = argument;
    }
  }
  if (info.fileName.isEmpty()) return info;
  info.action =
      printRequested ? CommandLineInfo::Action::FilePrint : CommandLineInfo::Action::FileOpen;
  return info;
}

}  // namespace

CVelmarApp::CVelmarApp()
    : recentFiles_(velmar::kRecentFileCount), printerFactory_(DefaultPrinter) {}

CVelmarApp::~CVelmarApp() = default;

void CVelmarApp::SetApplicationNames() {
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(velmar::AppTitle());
  QCoreApplication::setApplicationVersion(velmar::VersionText());
}

CVelmarApp::StartResult CVelmarApp::InitInstance(const QStringList& arguments) {
  SetApplicationNames();
  QApplication::setWindowIcon(ApplicationIcon());
  recentFiles_.ReadList();
  CreateSingleDocument();

  const CommandLineInfo cmdInfo = ParseCommandLine(arguments);
  docTemplate_->NewDocument();
  if (cmdInfo.action == CommandLineInfo::Action::FilePrint) return PrintFile(cmdInfo.fileName);
  // A file that cannot be opened is reported, and the program starts on the
  // untitled document instead of ending.
  if (cmdInfo.action == CommandLineInfo::Action::FileOpen) OpenCommandLineFile(cmdInfo.fileName);
  // The window system picks nothing sensible for a first window here, so
  // the frame takes three quarters of the screen, as a desktop default would.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    m_pMainWnd->resize(screen->availableSize() * 3 / 4);
  }
  m_pMainWnd->show();
  return StartResult::Run;
}

void CVelmarApp::CreateSingleDocument() {
  document_ = std::make_unique<CVelmarDoc>();
  m_pMainWnd = std::make_unique<CMainFrame>();
  view_ = new CVelmarView(m_pMainWnd.get());
  m_pMainWnd->setCentralWidget(view_);
  m_pMainWnd->SetActiveDocument(document_.get());
  // The caption's application part is the template string's first field.
  const QString windowTitle = velmar::TemplateString().section(QLatin1Char('\n'), 0, 0);
  docTemplate_ =
      std::make_unique<velmar::SingleDocTemplate>(*document_, *m_pMainWnd, *view_, windowTitle);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  ConnectCommands();
  RefreshRecentMenu();
}

void CVelmarApp::ConnectCommands() {
  CMainFrame* frame = m_pMainWnd.get();
  const auto on = [this, frame](int id, auto handler) {
    connect(frame->Action(id), &QAction::triggered, this, handler);
  };
  on(velmar::ID_FILE_NEW, &CVelmarApp::OnFileNew);
  on(velmar::ID_FILE_OPEN, &CVelmarApp::OnFileOpen);
  on(velmar::ID_FILE_SAVE, &CVelmarApp::OnFileSave);
  on(velmar::ID_FILE_SAVE_AS, &CVelmarApp::OnFileSaveAs);
  on(velmar::ID_FILE_PRINT_SETUP, &CVelmarApp::OnFilePrintSetup);
  on(velmar::ID_APP_ABOUT, &CVelmarApp::OnAppAbout);
  connect(frame->Action(velmar::ID_APP_EXIT), &QAction::triggered, frame, &QWidget::close);
  connect(frame->Action(velmar::ID_FILE_PRINT), &QAction::triggered, view_,
          [this] { view_->OnFilePrint(*printer_); });
  connect(frame->Action(velmar::ID_FILE_PRINT_PREVIEW), &QAction::triggered, view_,
          [this] { view_->OnFilePrintPreview(*printer_); });
}

void CVelmarApp::OnFileNew() { docTemplate_->NewDocument(); }

void CVelmarApp::OnFileOpen() {
  const QString path = QFileDialog::getOpenFileName(m_pMainWnd.get(), QStringLiteral("Open"),
                                                    QString(), QStringLiteral("All Files (*)"));
  if (!path.isEmpty()) OpenFile(path);
}

void CVelmarApp::OnFileSave() {
  const QString path = document_->GetPathName();
  if (path.isEmpty()) {
    OnFileSaveAs();
    return;
  }
  // Open reads nothing, so the document never holds what an opened file
  // held: saving would silently empty it. Save As asks through its dialog;
  // Save asks here.
  if (QFileInfo(path).size() > 0 &&
      !velmar::AskYesNo(m_pMainWnd.get(),
                        QStringLiteral("%1 holds data that Velmar does not read.\n"
                                       "Saving replaces it with an empty file. Replace it?")
                            .arg(QFileInfo(path).fileName()))) {
    return;
  }
  SaveTo(path);
}

void CVelmarApp::OnFileSaveAs() {
  const QString path =
      QFileDialog::getSaveFileName(m_pMainWnd.get(), QStringLiteral("Save As"),
                                   document_->GetTitle(), QStringLiteral("All Files (*)"));
  if (!path.isEmpty()) SaveTo(path);
}

void CVelmarApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(printer_.get(), m_pMainWnd.get());
  dialog.exec();
}

void CVelmarApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.exec();
}

void CVelmarApp::OnOpenRecentFile(int index) {
  const QStringList& entries = recentFiles_.Entries();
  if (index < 0 || index >= entries.size()) return;
  if (OpenFile(entries[index])) return;
  // A file that has gone away leaves the list, so it is not offered again.
  recentFiles_.Remove(index);
  RefreshRecentMenu();
  WriteRecentFiles();
}

bool CVelmarApp::OpenFile(const QString& path) {
  if (const velmar::FileError error = docTemplate_->OpenDocumentFile(path)) {
    velmar::ShowMessage(m_pMainWnd.get(), *error, velmar::MessageIcon::Warning);
    return false;
  }
  AddToRecentFiles(path);
  return true;
}

bool CVelmarApp::OpenCommandLineFile(const QString& path) {
  // The document's own message says that a file "no longer exists", which
  // fits a recent file that has gone, not a name the user has just typed.
  if (!QFileInfo::exists(path)) {
    velmar::ShowMessage(m_pMainWnd.get(),
                        QStringLiteral("Cannot open %1.\nThe file does not exist.").arg(path),
                        velmar::MessageIcon::Warning);
    return false;
  }
  return OpenFile(path);
}

bool CVelmarApp::SaveTo(const QString& path) {
  if (const velmar::FileError error = docTemplate_->SaveDocumentAs(path)) {
    velmar::ShowMessage(m_pMainWnd.get(), *error, velmar::MessageIcon::Warning);
    return false;
  }
  AddToRecentFiles(path);
  return true;
}

void CVelmarApp::AddToRecentFiles(const QString& path) {
  recentFiles_.Add(path);
  RefreshRecentMenu();
  // Written at once, so the list survives a program that does not end
  // cleanly.
  WriteRecentFiles();
}

void CVelmarApp::WriteRecentFiles() {
  if (recentFiles_.WriteList()) {
    recentWriteFailureShown_ = false;
    return;
  }
  if (recentWriteFailureShown_) return;
  recentWriteFailureShown_ = true;
  velmar::ShowMessage(
      m_pMainWnd.get(),
      QStringLiteral("The list of recent files cannot be saved in %1.\n"
                     "The folder may be read-only or the disk full; the list is kept "
                     "until Velmar ends.")
          .arg(velmar::RecentFileList::SettingsFileName()),
      velmar::MessageIcon::Warning);
}

void CVelmarApp::RefreshRecentMenu() {
  m_pMainWnd->SetRecentFiles(recentFiles_.Entries());
  const QList<QAction*> actions = m_pMainWnd->RecentFileActions();
  for (int i = 0; i < actions.size(); ++i) {
    connect(actions[i], &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
  }
}

CVelmarApp::StartResult CVelmarApp::PrintFile(const QString& path) {
  if (!OpenCommandLineFile(path)) return StartResult::Failed;
  const std::unique_ptr<QPrinter> printer = printerFactory_();
  if (!printer) {
    velmar::ShowMessage(nullptr, QStringLiteral("No printer is installed, so nothing was printed."),
                        velmar::MessageIcon::Warning);
    return StartResult::Failed;
  }
  if (!view_->PrintDirect(*printer)) {
    velmar::ShowMessage(nullptr, QStringLiteral("The picture could not be printed."),
                        velmar::MessageIcon::Warning);
    return StartResult::Failed;
  }
  return StartResult::Done;
}
