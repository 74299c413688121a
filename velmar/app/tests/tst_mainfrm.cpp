// The main window against its tables: menus, accelerators, toolbar, status
// bar, the bar toggles and the CS > Circular command.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "aboutdlg.h"
#include "circulardlg.h"
#include "framework/dialogunits.h"
#include "mainfrm.h"
#include "messagecapture.h"
#include "resources.h"
#include "testsupport.h"
#include "toolbarimages.h"
#include "velmardoc.h"

namespace {

int IdOf(const QAction* action) { return action->isSeparator() ? 0 : action->data().toInt(); }

template <typename T>
T* Control(const QWidget& dialog, int id) {
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    if (child->property("controlId").toInt() == id) return qobject_cast<T*>(child);
  }
  return nullptr;
}

}  // namespace

class TestMainFrm : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    frame_ = std::make_unique<CMainFrame>();
    frame_->SetActiveDocument(&document_);
    frame_->show();
  }
  void cleanup() { frame_.reset(); }

  void menuBarHoldsTheMenusInOrder() {
    QStringList titles;
    for (QAction* action : frame_->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Help", "CS"}));
  }

  void menusHoldTheItemsInOrder_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("File") << 0
                          << QStringList{"&New\tCtrl+N",
                                         "&Open...\tCtrl+O",
                                         "&Save\tCtrl+S",
                                         "Save &As...",
                                         "",
                                         "&Print...\tCtrl+P",
                                         "Print Pre&view",
                                         "P&rint Setup...",
                                         "",
                                         "Recent File",
                                         "",
                                         "E&xit"}
                          << QList<int>{57600, 57601, 57603, 57604, 0, 57607,
                                        57609, 57606, 0,     57616, 0, 57665};
    QTest::newRow("Edit") << 1
                          << QStringList{"&Undo\tCtrl+Z", "", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                         "&Paste\tCtrl+V"}
                          << QList<int>{57643, 0, 57635, 57634, 57637};
    QTest::newRow("View") << 2 << QStringList{"&Toolbar", "&Status Bar"}
                          << QList<int>{59392, 59393};
    QTest::newRow("Help") << 3 << QStringList{"&About Velmar..."} << QList<int>{57664};
    QTest::newRow("CS") << 4 << QStringList{"Circular"} << QList<int>{32771};
  }
  void menusHoldTheItemsInOrder() {
    QFETCH(int, menu);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, ids);
    const QList<QAction*> items = frame_->menuBar()->actions().at(menu)->menu()->actions();
    QStringList actualTexts;
    QList<int> actualIds;
    for (QAction* item : items) {
      if (!item->isVisible()) continue;
      actualTexts << item->text();
      actualIds << IdOf(item);
    }
    QCOMPARE(actualTexts, texts);
    QCOMPARE(actualIds, ids);
  }

  void recentPlaceholderIsDisabledUntilFilesAreKnown() {
    QAction* placeholder = nullptr;
    for (QAction* item : frame_->FileMenu()->actions()) {
      if (IdOf(item) == velmar::ID_FILE_MRU_FILE1) placeholder = item;
    }
    QVERIFY(placeholder != nullptr);
    QVERIFY(!placeholder->isEnabled());
    frame_->SetRecentFiles({QStringLiteral("/tmp/b"), QStringLiteral("/tmp/a")});
    QVERIFY(!placeholder->isVisible());
    const QList<QAction*> recent = frame_->RecentFileActions();
    QCOMPARE(recent.size(), 2);
    QCOMPARE(recent[0]->text(), QStringLiteral("&1 /tmp/b"));
    QCOMPARE(IdOf(recent[1]), velmar::ID_FILE_MRU_FILE1 + 1);
    QCOMPARE(recent[1]->statusTip(), QStringLiteral("Open this document"));
    QVERIFY(frame_->FileMenu()->actions().indexOf(recent[1]) <
            frame_->FileMenu()->actions().indexOf(frame_->Action(velmar::ID_APP_EXIT)));
    frame_->SetRecentFiles({});
    QVERIFY(placeholder->isVisible());
  }

  void acceleratorsReachTheirCommands_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("id");
    for (const velmar::Accelerator& accelerator : velmar::Accelerators()) {
      QTest::newRow(accelerator.keys) << QString::fromLatin1(accelerator.keys) << accelerator.id;
    }
  }
  void acceleratorsReachTheirCommands() {
    QFETCH(QString, keys);
    QFETCH(int, id);
    QAction* action = frame_->Action(id);
    QVERIFY(action != nullptr);
    QVERIFY(action->shortcuts().contains(QKeySequence(keys)));
  }

  void editCommandsAreDisabledEverywhere() {
    for (int id :
         {velmar::ID_EDIT_UNDO, velmar::ID_EDIT_CUT, velmar::ID_EDIT_COPY, velmar::ID_EDIT_PASTE}) {
      QVERIFY(!frame_->Action(id)->isEnabled());
      if (id == velmar::ID_EDIT_UNDO) continue;
      QWidget* button = frame_->ToolBar()->widgetForAction(frame_->Action(id));
      QVERIFY(button != nullptr);
      QVERIFY(!button->isEnabled());
    }
  }

  void paneKeysDoNothing() {
    QSignalSpy next(frame_->Action(velmar::ID_NEXT_PANE), &QAction::triggered);
    QSignalSpy previous(frame_->Action(velmar::ID_PREV_PANE), &QAction::triggered);
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(frame_.get(), Qt::Key_F6);
    QTest::keyClick(frame_.get(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(next.count(), 1);
    QCOMPARE(previous.count(), 1);
    QCOMPARE(document_.GetVertexCount(), 0);
    QVERIFY(frame_->isVisible());
  }

  void toolbarButtonsInOrderWithImagesAndTips() {
    QList<int> ids;
    for (QAction* action : frame_->ToolBar()->actions()) ids << IdOf(action);
    QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57664}));
    QCOMPARE(frame_->ToolBar()->iconSize(), QSize(16, 15));
    const QStringList tips{"New", "Open", "Save", "", "Cut", "Copy", "Paste", "", "Print", "About"};
    const QList<QAction*> actions = frame_->ToolBar()->actions();
    for (int i = 0; i < actions.size(); ++i) {
      if (actions[i]->isSeparator()) continue;
      QCOMPARE(actions[i]->toolTip(), tips[i]);
      QCOMPARE(ToolbarImage(IdOf(actions[i])).size(), QSize(16, 15));
    }
  }

  // On a dark bar every image, enabled or greyed as disabled, keeps an
  // outline that reads (black outlines alone vanish there).
  void toolbarImagesReadOnADarkBar() {
    const QColor bar(36, 36, 36);
    const velmar::test::DesktopPalette theme(bar);
    for (int id : {57600, 57601, 57603, 57635, 57634, 57637, 57607, 57664}) {
      for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        QImage shown(16, 15, QImage::Format_RGB32);
        shown.fill(bar);
        QPainter(&shown).drawPixmap(0, 0, QIcon(ToolbarImage(id)).pixmap(QSize(16, 15), mode));
        int readable = 0;
        for (int y = 0; y < shown.height(); ++y) {
          for (int x = 0; x < shown.width(); ++x) {
            readable += velmar::test::ContrastRatio(shown.pixelColor(x, y), bar) >= 4.5;
          }
        }
        QVERIFY2(readable >= 30, qPrintable(QStringLiteral("image %1, mode %2: %3 pixels read")
                                                .arg(id)
                                                .arg(int(mode))
                                                .arg(readable)));
      }
    }
  }

  void promptsComeFromTheStringTable_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("new") << 57600 << "Create a new document";
    QTest::newRow("save as") << 57604 << "Save the active document with a new name";
    QTest::newRow("preview") << 57609 << "Display full pages";
    QTest::newRow("exit") << 57665 << "Quit the application; prompts to save documents";
    QTest::newRow("status bar") << 59393 << "Show or hide the status bar";
    QTest::newRow("circular has none") << 32771 << "";
  }
  void promptsComeFromTheStringTable() {
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QCOMPARE(frame_->Action(id)->statusTip(), prompt);
  }

  void statusPromptReplacesReadyWhilePointing() {
    QCOMPARE(frame_->MessagePane()->text(), QStringLiteral("Ready"));
    frame_->Action(velmar::ID_FILE_OPEN)->showStatusText(frame_.get());
    QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("Open an existing document"));
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame_.get(), &leave);
    QVERIFY(frame_->statusBar()->currentMessage().isEmpty());
    QVERIFY(frame_->MessagePane()->isVisible());
  }

  void disabledEditItemsShowTheirPromptsUnderThePointer_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("undo") << int(velmar::ID_EDIT_UNDO) << "Undo the last action";
    QTest::newRow("cut") << int(velmar::ID_EDIT_CUT)
                         << "Cut the selection and put it on the Clipboard";
    QTest::newRow("copy") << int(velmar::ID_EDIT_COPY)
                          << "Copy the selection and put it on the Clipboard";
    QTest::newRow("paste") << int(velmar::ID_EDIT_PASTE) << "Insert Clipboard contents";
  }
  void disabledEditItemsShowTheirPromptsUnderThePointer() {
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QMenu* edit = OpenEditMenuWithTheMouse();
    QAction* item = frame_->Action(id);
    QVERIFY(!item->isEnabled());
    QTest::mouseMove(edit, edit->actionGeometry(item).center());
    QTRY_COMPARE(frame_->statusBar()->currentMessage(), prompt);
    QCOMPARE(edit->activeAction(), item);
    // The highlight bar is drawn under the disabled item as under any other.
    const QRect rect = edit->actionGeometry(item);
    const QImage image = edit->grab().toImage();
    QCOMPARE(QColor(image.pixel(rect.left() + 2, rect.center().y())),
             edit->palette().color(QPalette::Active, QPalette::Highlight));
    // Triggering a disabled item stays without effect.
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!item->isEnabled());
    CloseMenuAndExpectReady(edit);
  }

  void keyboardWalksThePromptsOfTheDisabledEditItems() {
    ActivateFrame();
    QTest::keyClick(frame_.get(), Qt::Key_E, Qt::AltModifier);
    QMenu* edit = EditMenu();
    QTRY_VERIFY(edit->isVisible());
    QStringList prompts{frame_->statusBar()->currentMessage()};
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(edit, Qt::Key_Down);
      prompts << frame_->statusBar()->currentMessage();
    }
    QCOMPARE(prompts,
             (QStringList{"Undo the last action", "Cut the selection and put it on the Clipboard",
                          "Copy the selection and put it on the Clipboard",
                          "Insert Clipboard contents", "Undo the last action"}));
    CloseMenuAndExpectReady(edit);
  }

  void keyboardReachesThePromptOfTheRecentFilePlaceholder() {
    ActivateFrame();
    QTest::keyClick(frame_.get(), Qt::Key_F, Qt::AltModifier);
    QMenu* file = frame_->FileMenu();
    QTRY_VERIFY(file->isVisible());
    QAction* placeholder = nullptr;
    for (QAction* item : file->actions()) {
      if (IdOf(item) == velmar::ID_FILE_MRU_FILE1) placeholder = item;
    }
    QVERIFY(placeholder != nullptr && !placeholder->isEnabled());
    for (int i = 0; i < file->actions().size() && file->activeAction() != placeholder; ++i)
      QTest::keyClick(file, Qt::Key_Down);
    QCOMPARE(file->activeAction(), placeholder);
    QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("Open this document"));
    // One step on, the next item's prompt replaces it.
    QTest::keyClick(file, Qt::Key_Down);
    QCOMPARE(frame_->statusBar()->currentMessage(),
             QStringLiteral("Quit the application; prompts to save documents"));
    CloseMenuAndExpectReady(file);
  }

  void longRecentPathsAreShortenedToTheScreen_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("ending");
    QString deep = QStringLiteral("/");
    for (int i = 0; i < 300; ++i) deep += QStringLiteral("folder%1/").arg(i);
    QTest::newRow("deep folders") << deep + "n37 & more.vel"
                                  << "/n37 && more.vel";
    QTest::newRow("long file name") << "/rings/" + QString(600, QLatin1Char('n')) + ".vel"
                                    << "nnnn.vel";
  }
  void longRecentPathsAreShortenedToTheScreen() {
    QFETCH(QString, path);
    QFETCH(QString, ending);
    frame_->SetRecentFiles({path, QStringLiteral("/tmp/a&b.vel")});
    const QList<QAction*> actions = frame_->RecentFileActions();
    QVERIFY(actions[0]->text().startsWith(QStringLiteral("&1 ...")));
    QVERIFY2(actions[0]->text().endsWith(ending), qPrintable(actions[0]->text().right(40)));
    // A short path is shown whole; its ampersand is a character, not a mnemonic.
    QCOMPARE(actions[1]->text(), QStringLiteral("&2 /tmp/a&&b.vel"));
    const int screenWidth = frame_->screen()->availableGeometry().width();
    const int menuWidth = frame_->FileMenu()->sizeHint().width();
    QVERIFY2(menuWidth <= screenWidth, qPrintable(QString::number(menuWidth)));
    // Shortened only as far as needed: the menu still spans most of the screen.
    QVERIFY2(menuWidth > screenWidth * 3 / 4, qPrintable(QString::number(menuWidth)));
  }

  void indicatorPanesShowTheLockKeys() {
    QList<int> order;
    for (int id : velmar::StatusIndicators()) order << id;
    QCOMPARE(order, (QList<int>{59137, 59138, 59139}));
    frame_->ShowIndicators(LockKeyState{true, false, true});
    QCOMPARE(frame_->IndicatorPane(velmar::ID_INDICATOR_CAPS)->text(), QStringLiteral("CAP"));
    QVERIFY(frame_->IndicatorPane(velmar::ID_INDICATOR_NUM)->text().isEmpty());
    QCOMPARE(frame_->IndicatorPane(velmar::ID_INDICATOR_SCRL)->text(), QStringLiteral("SCRL"));
    frame_->ShowIndicators(LockKeyState{false, true, false});
    QVERIFY(frame_->IndicatorPane(velmar::ID_INDICATOR_CAPS)->text().isEmpty());
    QCOMPARE(frame_->IndicatorPane(velmar::ID_INDICATOR_NUM)->text(), QStringLiteral("NUM"));
  }

  void offscreenLockKeysReadOff() { QCOMPARE(ReadLockKeys(), LockKeyState{}); }

  void barTogglesCarryTheirCheckMarks_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("toolbar") << int(velmar::ID_VIEW_TOOLBAR);
    QTest::newRow("status bar") << int(velmar::ID_VIEW_STATUS_BAR);
  }
  void barTogglesCarryTheirCheckMarks() {
    QFETCH(int, id);
    QWidget* bar = id == velmar::ID_VIEW_TOOLBAR ? static_cast<QWidget*>(frame_->ToolBar())
                                                 : frame_->statusBar();
    QAction* toggle = frame_->Action(id);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!bar->isVisible());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(bar->isVisible());
    QVERIFY(toggle->isChecked());
  }

  void aboutBoxFollowsItsTemplate() {
    CAboutDlg about;
    const velmar::DialogUnits units(about.font());
    QCOMPARE(about.objectName(), QStringLiteral("dialog100"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Velmar"));
    QCOMPARE(about.size(), units.ToPixels(235, 55));
    auto* ok = about.findChild<QPushButton*>();
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), units.ToPixels(178, 7, 50, 16));
    QVERIFY(ok->isDefault());
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
      if (label->pixmap().isNull()) {
        texts << label->text();
        QCOMPARE(label->geometry(), units.ToPixels(40, 10, 119, 8));
      } else {
        QCOMPARE(label->geometry(), units.ToPixels(11, 17, 20, 20));
      }
    }
    QCOMPARE(texts, QStringList{"Velmar Version 1.0"});
  }

  void circularThenCancelLeavesTheDocument() {
    RunCircular([](CCircularDlg& dialog) { dialog.reject(); });
    QCOMPARE(document_.GetVertexCount(), 0);
  }

  void circularBuildThenCancelKeepsTheBuild() {
    velmar::test::MessageCapture capture;
    RunCircular([](CCircularDlg& dialog) {
      Control<QLineEdit>(dialog, velmar::IDC_EDIT_VERTICES)->setText(QStringLiteral("8"));
      Control<QLineEdit>(dialog, velmar::IDC_EDIT_GENERATORS)->setText(QStringLiteral("1 2"));
      dialog.OnBnClickedBuild();
      dialog.reject();
    });
    QVERIFY(capture.messages.isEmpty());
    QCOMPARE(document_.GetVertexCount(), 8);
  }

 private:
  void ActivateFrame() {
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
  }
  QMenu* EditMenu() const { return frame_->menuBar()->actions().at(1)->menu(); }
  QMenu* OpenEditMenuWithTheMouse() {
    ActivateFrame();
    QMenu* edit = EditMenu();
    QMenuBar* bar = frame_->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
    [&] { QVERIFY(QTest::qWaitForWindowExposed(edit)); }();
    return edit;
  }
  void CloseMenuAndExpectReady(QMenu* menu) {
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(frame_->statusBar()->currentMessage(), QString());
    QVERIFY(frame_->MessagePane()->isVisible());
    QCOMPARE(frame_->MessagePane()->text(), QStringLiteral("Ready"));
  }

  template <typename Action>
  void RunCircular(Action act) {
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* dialog = dynamic_cast<CCircularDlg*>(modal);
      if (dialog == nullptr) {
        if (modal != nullptr) modal->close();
        return;
      }
      seen = true;
      act(*dialog);
    });
    frame_->Action(velmar::ID_CS_CIRCULAR)->trigger();
    QVERIFY(seen);
  }

  CVelmarDoc document_;
  std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
