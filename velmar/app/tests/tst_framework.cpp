// The document/view layer: dialog-unit conversion, the recent-file list over
// the settings, view notification and the file hooks of the document base.
#include <QTemporaryDir>
#include <QtTest>

#include "framework/dialogunits.h"
#include "framework/document.h"
#include "framework/recentfilelist.h"
#include "framework/view.h"
#include "testsupport.h"

namespace {

class CountingView : public velmar::View {
 public:
  void OnUpdate(velmar::View* sender, qintptr hint, QObject*) override {
    ++updates;
    lastSender = sender;
    lastHint = hint;
  }
  int updates = 0;
  velmar::View* lastSender = nullptr;
  qintptr lastHint = -1;
};

}  // namespace

class TestFramework : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(settingsDir_.isValid());
    velmar::test::IsolateSettings(settingsDir_.path());
    QCoreApplication::setOrganizationName(QStringLiteral("velmar-framework-test"));
    QCoreApplication::setApplicationName(QStringLiteral("framework"));
  }
  void init() { QSettings().clear(); }

  void dialogUnits_data() {
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("charHeight");
    QTest::addColumn<int>("dlu");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // 6 x 13 is what an 8-point dialog font measures at 96 dots per inch.
    QTest::newRow("width 285") << 6 << 13 << 285 << 428 << 463;
    QTest::newRow("one unit") << 6 << 13 << 1 << 2 << 2;
    QTest::newRow("half rounds up") << 7 << 12 << 2 << 4 << 3;
    QTest::newRow("zero") << 6 << 13 << 0 << 0 << 0;
  }
  void dialogUnits() {
    QFETCH(int, baseX);
    QFETCH(int, charHeight);
    QFETCH(int, dlu);
    QFETCH(int, x);
    QFETCH(int, y);
    const velmar::DialogBaseUnits units{baseX, charHeight};
    QCOMPARE(velmar::DialogXToPixels(dlu, units), x);
    QCOMPARE(velmar::DialogYToPixels(dlu, units), y);
  }

  void averageCharWidthRoundsTheAlphabet() {
    QCOMPARE(velmar::AverageCharWidth(312), 6);  // exactly 6 per letter
    QCOMPARE(velmar::AverageCharWidth(286), 6);  // 5.5 rounds up
    QCOMPARE(velmar::AverageCharWidth(285), 5);
  }

  void rectanglesConvertPositionAndSizeApart() {
    const velmar::DialogUnits units(velmar::DialogBaseUnits{6, 13});
    QCOMPARE(units.ToPixels(25, 30, 40, 14), QRect(38, 49, 60, 23));
  }

  void recentListKeepsFourLatestFirst() {
    velmar::RecentFileList list(4);
    for (const char* name : {"/a", "/b", "/c", "/d", "/e"}) list.Add(QString::fromLatin1(name));
    QCOMPARE(list.Entries(), (QStringList{"/e", "/d", "/c", "/b"}));
    list.Add(QStringLiteral("/c"));
    QCOMPARE(list.Entries(), (QStringList{"/c", "/e", "/d", "/b"}));
  }

  void recentListSurvivesWriteAndRead() {
    velmar::RecentFileList first(4);
    first.Add(QStringLiteral("/x/one"));
    first.Add(QStringLiteral("/x/two"));
    first.WriteList();
    velmar::RecentFileList second(4);
    second.ReadList();
    QCOMPARE(second.Entries(), (QStringList{"/x/two", "/x/one"}));
  }

  void removingAnEntryIsWrittenBack() {
    velmar::RecentFileList list(4);
    list.Add(QStringLiteral("/a"));
    list.Add(QStringLiteral("/b"));
    list.Remove(0);
    list.Remove(7);  // out of range: nothing happens
    list.WriteList();
    velmar::RecentFileList reread(4);
    reread.ReadList();
    QCOMPARE(reread.Entries(), QStringList{"/a"});
  }

  void onlyAbsoluteFileNamesAreListable_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("listable");
    QTest::newRow("absolute") << "/home/user/n37.vel" << true;
    QTest::newRow("cyrillic") << QStringLiteral("/дом/граф.vel") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("relative") << "rings/n37.vel" << false;
    QTest::newRow("home shorthand") << "~/n37.vel" << false;
    QTest::newRow("undecodable bytes") << QString::fromUtf8("/rings/\xff\xfe.vel") << false;
    QTest::newRow("nul") << QStringLiteral("/rings/a") + QChar::Null + "b" << false;
  }
  void onlyAbsoluteFileNamesAreListable() {
    QFETCH(QString, path);
    QFETCH(bool, listable);
    QCOMPARE(velmar::IsListablePath(path), listable);
  }

  void updateAllViewsSkipsTheSender() {
    velmar::Document document;
    CountingView first;
    CountingView second;
    document.AddView(&first);
    document.AddView(&second);
    document.UpdateAllViews(&first, 7);
    QCOMPARE(first.updates, 0);
    QCOMPARE(second.updates, 1);
    QCOMPARE(second.lastSender, &first);
    QCOMPARE(second.lastHint, qintptr(7));
    document.UpdateAllViews(nullptr);
    QCOMPARE(first.updates, 1);
    QCOMPARE(first.GetDocument(), &document);
  }

  void viewOutlivingItsDocumentIsDetached() {
    CountingView view;
    {
      velmar::Document document;
      document.AddView(&view);
    }
    QCOMPARE(view.GetDocument(), nullptr);
  }

  void newDocumentIsUntitledWithoutPath() {
    velmar::Document document;
    document.SetPathName(QStringLiteral("/tmp/some/file.vel"));
    QCOMPARE(document.GetTitle(), QStringLiteral("file.vel"));
    document.OnNewDocument();
    QCOMPARE(document.GetTitle(), QStringLiteral("Untitled"));
    QVERIFY(document.GetPathName().isEmpty());
  }

  void saveCreatesAnEmptyFileAndReplacesOldContent() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved"));
    QVERIFY(velmar::test::WriteFile(path, "old content"));
    velmar::Document document;
    QVERIFY(!document.OnSaveDocument(path).has_value());
    QCOMPARE(QFileInfo(path).size(), 0);
  }

  void saveIntoAMissingFolderFailsAndCreatesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/file"));
    velmar::Document document;
    const velmar::FileError error = document.OnSaveDocument(path);
    QVERIFY(error.has_value());
    QVERIFY(error->contains(path));
    QVERIFY(!QFileInfo::exists(path));
  }

  void openingAMissingFileIsAnError() {
    QTemporaryDir dir;
    velmar::Document document;
    const velmar::FileError error = document.OnOpenDocument(dir.filePath(QStringLiteral("gone")));
    QVERIFY(error.has_value());
    QVERIFY(error->contains(QStringLiteral("no longer exists")));
  }

 private:
  QTemporaryDir settingsDir_;
};

QTEST_GUILESS_MAIN(TestFramework)
#include "tst_framework.moc"
