// The application as a whole: start-up and the command line, Save and Open
// with their failures, the recent-file list across a restart, and the print
// request.
#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "circulant.h"
#include "mainfrm.h"
#include "messagecapture.h"
#include "resources.h"
#include "testsupport.h"
#include "velmar.h"
#include "velmardoc.h"

using velmar::test::CountPdfPages;
using velmar::test::MessageCapture;

namespace {

void StoreCirculant(CVelmarDoc& document) { velmar::test::StoreCirculant(document, "8", "1 2"); }

}  // namespace

class TestVelmarApp : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(settingsDir_.isValid());
    velmar::test::IsolateSettings(settingsDir_.path());
  }
  void init() {
    CVelmarApp::SetApplicationNames();
    QSettings().clear();
    QVERIFY(files_.isValid());
  }

  void startsUntitledAndEmpty() {
    CVelmarApp app;
    QCOMPARE(app.InitInstance({"velmar"}), CVelmarApp::StartResult::Run);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Untitled - Velmar"));
    QCOMPARE(app.Document()->GetVertexCount(), 0);
    QVERIFY(app.RecentFiles().Entries().isEmpty());
    QVERIFY(app.MainFrame()->RecentFileActions().isEmpty());
  }

  void settingsLiveUnderTheApplicationKey() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    QVERIFY(app.SaveTo(File("kept")));
    QSettings settings;
    QCOMPARE(settings.organizationName(), QStringLiteral("Local AppWizard-Generated Applications"));
    QCOMPARE(settings.applicationName(), QStringLiteral("Velmar"));
    QVERIFY(settings.fileName().startsWith(settingsDir_.path()));
    QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(), File("kept"));
  }

  void saveCreatesAnEmptyFileAndNamesTheDocument() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    StoreCirculant(*app.Document());
    MessageCapture capture;
    QVERIFY(app.SaveTo(File("ring.vel")));
    QVERIFY(capture.messages.isEmpty());
    QVERIFY(QFileInfo::exists(File("ring.vel")));
    QCOMPARE(QFileInfo(File("ring.vel")).size(), 0);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("ring.vel - Velmar"));
    QCOMPARE(app.RecentFiles().Entries(), QStringList{File("ring.vel")});
    QCOMPARE(app.Document()->GetVertexCount(), 8);
  }

  void failedSaveSaysSoAndChangesNothing() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    MessageCapture capture;
    const QString target = File("missing/folder/ring.vel");
    QVERIFY(!app.SaveTo(target));
    QCOMPARE(capture.messages.size(), 1);
    QVERIFY(capture.messages.front().text.contains(target));
    QCOMPARE(capture.messages.front().caption, QStringLiteral("Velmar"));
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Untitled - Velmar"));
    QVERIFY(app.RecentFiles().Entries().isEmpty());
  }

  void saveAsksBeforeEmptyingAnOpenedFileThatHoldsData() {
    QFETCH(bool, answer);
    const QString path = File("notes.txt");
    QVERIFY(velmar::test::WriteFile(path, "someone else's data"));
    CVelmarApp app;
    app.InitInstance({"velmar"});
    QVERIFY(app.OpenFile(path));
    QStringList asked;
    const velmar::QuestionHook previous = velmar::SetQuestionHook([&](const velmar::Message& m) {
      asked << m.text;
      return answer;
    });
    app.OnFileSave();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.front().contains(QStringLiteral("notes.txt")));
    QCOMPARE(QFileInfo(path).size(), answer ? 0 : 19);
    // A file Velmar created is empty already: saving it again asks nothing.
    asked.clear();
    QVERIFY(app.SaveTo(File("own.vel")));
    app.OnFileSave();
    velmar::SetQuestionHook(previous);
    QVERIFY(asked.isEmpty());
  }
  void saveAsksBeforeEmptyingAnOpenedFileThatHoldsData_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("no keeps the file") << false;
    QTest::newRow("yes empties it") << true;
  }

  void recentFilesSurviveARestartLatestFirst() {
    {
      CVelmarApp first;
      first.InitInstance({"velmar"});
      for (const char* name : {"a", "b", "c", "d", "e"}) QVERIFY(first.SaveTo(File(name)));
      QVERIFY(first.OpenFile(File("b")));
    }
    CVelmarApp second;
    second.InitInstance({"velmar"});
    const QStringList expected{File("b"), File("e"), File("d"), File("c")};
    QCOMPARE(second.RecentFiles().Entries(), expected);
    const QList<QAction*> actions = second.MainFrame()->RecentFileActions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->text(), QStringLiteral("&1 ") + File("b"));
  }

  void unusableRecentEntriesAreDropped() {
    const QString settingsFile = QSettings().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile).path()));
    QByteArray content("[Recent%20File%20List]\n");
    content += "File1=/rings/\xff\xfe.vel\n";
    content += "File2=\n";
    content += "File3=rings/relative.vel\n";
    content += "File4=" + File("kept").toUtf8() + "\n";
    QVERIFY(velmar::test::WriteFile(settingsFile, content));
    CVelmarApp app;
    app.InitInstance({"velmar"});
    QCOMPARE(app.RecentFiles().Entries(), QStringList{File("kept")});
    QCOMPARE(app.MainFrame()->RecentFileActions().size(), 1);
  }

  void unwritableSettingsGiveOneMessageNamingTheFile() {
    // A plain file where the settings folder should be: no user, not even
    // the administrator, can write the list there.
    QTemporaryDir blocked;
    const QString folder =
        blocked.filePath(QStringLiteral("Local AppWizard-Generated Applications"));
    QVERIFY(velmar::test::WriteFile(folder, "not a folder"));
    velmar::test::IsolateSettings(blocked.path());
    CVelmarApp app;
    app.InitInstance({"velmar"});
    MessageCapture capture;
    QVERIFY(app.SaveTo(File("one")));
    QVERIFY(app.SaveTo(File("two")));
    QVERIFY(app.OpenFile(File("one")));
    const QString settingsFile = QSettings().fileName();
    QCOMPARE(capture.messages.size(), 1);
    QVERIFY(capture.messages.front().text.contains(settingsFile));
    QCOMPARE(capture.messages.front().icon, velmar::MessageIcon::Warning);
    // The list goes on in memory and in the menu.
    QCOMPARE(app.RecentFiles().Entries(), (QStringList{File("one"), File("two")}));
    QCOMPARE(app.MainFrame()->RecentFileActions().size(), 2);
    // Once the folder can be written again, the next change stores the
    // whole list, and a later failure is told again.
    QVERIFY(QFile::remove(folder));
    QVERIFY(app.SaveTo(File("three")));
    QCOMPARE(capture.messages.size(), 1);
    QCOMPARE(QSettings().value(QStringLiteral("Recent File List/File2")).toString(), File("one"));
    QCOMPARE(QSettings().value(QStringLiteral("Recent File List/File3")).toString(), File("two"));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(velmar::test::WriteFile(folder, "not a folder"));
    QVERIFY(app.SaveTo(File("four")));
    QCOMPARE(capture.messages.size(), 2);
    velmar::test::IsolateSettings(settingsDir_.path());
  }

  void readOnlySettingsFolderGivesOneMessage() {
    QTemporaryDir readOnly;
    const QString folder =
        readOnly.filePath(QStringLiteral("Local AppWizard-Generated Applications"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // The administrator writes through permissions; a read-only file system
    // (/proc takes no new files, not even the administrator's) stands in then.
    QString settingsRoot = readOnly.path();
    if (velmar::test::WriteFile(folder + QStringLiteral("/probe"), "x"))
      settingsRoot = QStringLiteral("/proc");
    velmar::test::IsolateSettings(settingsRoot);
    CVelmarApp app;
    app.InitInstance({"velmar"});
    MessageCapture capture;
    QVERIFY(app.SaveTo(File("one")));
    QVERIFY(app.SaveTo(File("two")));
    QCOMPARE(capture.messages.size(), 1);
    QVERIFY(capture.messages.front().text.contains(QSettings().fileName()));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    velmar::test::IsolateSettings(settingsDir_.path());
  }

  void recentFileOpensAsOpenDoes() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    QVERIFY(app.SaveTo(File("one")));
    QVERIFY(app.SaveTo(File("two")));
    app.MainFrame()->RecentFileActions().at(1)->trigger();
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("one - Velmar"));
    QCOMPARE(app.RecentFiles().Entries().front(), File("one"));
  }

  void vanishedRecentFileLeavesTheList() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    QVERIFY(app.SaveTo(File("stays")));
    QVERIFY(app.SaveTo(File("goes")));
    app.OnFileNew();
    StoreCirculant(*app.Document());
    QVERIFY(QFile::remove(File("goes")));
    MessageCapture capture;
    app.MainFrame()->RecentFileActions().at(0)->trigger();
    QCOMPARE(capture.messages.size(), 1);
    QVERIFY(capture.messages.front().text.contains(File("goes")));
    QCOMPARE(app.RecentFiles().Entries(), QStringList{File("stays")});
    QCOMPARE(app.MainFrame()->RecentFileActions().size(), 1);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Untitled - Velmar"));
    QCOMPARE(app.Document()->GetVertexCount(), 8);
    CVelmarApp restarted;
    restarted.InitInstance({"velmar"});
    QCOMPARE(restarted.RecentFiles().Entries(), QStringList{File("stays")});
  }

  void newAndOpenKeepTheCirculant() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    StoreCirculant(*app.Document());
    QVERIFY(app.SaveTo(File("saved")));
    app.OnFileNew();
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Untitled - Velmar"));
    QCOMPARE(app.Document()->GetVertexCount(), 8);
    QVERIFY(app.OpenFile(File("saved")));
    QCOMPARE(app.Document()->GetVertexCount(), 8);
    QCOMPARE(app.Document()->GetPathName(), File("saved"));
  }

  void commandLineOpensAFile() {
    QFile(File("given")).open(QIODevice::WriteOnly);
    CVelmarApp app;
    QCOMPARE(app.InitInstance({"velmar", File("given")}), CVelmarApp::StartResult::Run);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("given - Velmar"));
    QCOMPARE(app.RecentFiles().Entries(), QStringList{File("given")});
  }

  void commandLineWithAMissingFileStartsUntitled() {
    MessageCapture capture;
    CVelmarApp app;
    QCOMPARE(app.InitInstance({"velmar", File("absent")}), CVelmarApp::StartResult::Run);
    QCOMPARE(capture.messages.size(), 1);
    QCOMPARE(capture.messages.front().text,
             QStringLiteral("Cannot open %1.\nThe file does not exist.").arg(File("absent")));
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Untitled - Velmar"));
    QVERIFY(app.RecentFiles().Entries().isEmpty());
  }

  void printRequestForAMissingFileSaysItDoesNotExist() {
    CVelmarApp app;
    bool printerAsked = false;
    app.SetPrinterFactory([&printerAsked] {
      printerAsked = true;
      return std::unique_ptr<QPrinter>();
    });
    MessageCapture capture;
    QCOMPARE(app.InitInstance({"velmar", "/p", File("absent")}), CVelmarApp::StartResult::Failed);
    QCOMPARE(capture.Texts(),
             QStringList{
                 QStringLiteral("Cannot open %1.\nThe file does not exist.").arg(File("absent"))});
    QVERIFY(!printerAsked);
  }

  void printRequestPrintsOnePageAndEnds() {
    QFile(File("picture")).open(QIODevice::WriteOnly);
    const QString pdf = File("out.pdf");
    CVelmarApp app;
    app.SetPrinterFactory([pdf] {
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdf);
      return printer;
    });
    MessageCapture capture;
    QCOMPARE(app.InitInstance({"velmar", "/p", File("picture")}), CVelmarApp::StartResult::Done);
    QVERIFY(capture.messages.isEmpty());
    QCOMPARE(CountPdfPages(pdf), 1);
    QVERIFY(!app.MainFrame()->isVisible());
  }

  void printRequestWithoutPrinterSaysSoAndFails() {
    QFile(File("picture")).open(QIODevice::WriteOnly);
    CVelmarApp app;
    app.SetPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    MessageCapture capture;
    QCOMPARE(app.InitInstance({"velmar", "/p", File("picture")}), CVelmarApp::StartResult::Failed);
    QCOMPARE(capture.messages.size(), 1);
    QVERIFY(capture.messages.front().text.contains(QStringLiteral("printer")));
  }

  void exitNeverAsksToSave() {
    CVelmarApp app;
    app.InitInstance({"velmar"});
    StoreCirculant(*app.Document());
    MessageCapture capture;
    app.MainFrame()->Action(velmar::ID_APP_EXIT)->trigger();
    QVERIFY(!app.MainFrame()->isVisible());
    QVERIFY(capture.messages.isEmpty());
  }

 private:
  QString File(const char* name) const {
    return QFileInfo(files_.filePath(QString::fromLatin1(name))).absoluteFilePath();
  }

  QTemporaryDir settingsDir_;
  QTemporaryDir files_;
};

QTEST_MAIN(TestVelmarApp)
#include "tst_velmarapp.moc"
