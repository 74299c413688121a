// The platform velmar asks for, over the sessions it meets: X11 alone, Wayland
// with and without XWayland, and the user's own choice by variable or option.
#include <QtTest>

#include "platformchoice.h"

class TestPlatformChoice : public QObject {
  Q_OBJECT

 private slots:
  void choice_data() {
    QTest::addColumn<QByteArray>("qpa");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    const QByteArrayList plain{"velmar"};
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                             << plain << QByteArray();
    QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray("x11")
                                 << QByteArray(":0") << plain << QByteArray();
    QTest::newRow("Wayland without XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray() << plain
        << QByteArray();
    QTest::newRow("Wayland with XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1") << plain
        << QByteArray("xcb");
    QTest::newRow("Wayland session named only")
        << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1") << plain
        << QByteArray("xcb");
    QTest::newRow("print request with a file")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
        << QByteArrayList{"velmar", "/p", "ring.vel"} << QByteArray("xcb");
    QTest::newRow("-platform without a name")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
        << QByteArrayList{"velmar", "-platform"} << QByteArray("xcb");
    QTest::newRow("variable chooses Wayland")
        << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
        << plain << QByteArray();
    QTest::newRow("-platform chooses Wayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
        << QByteArrayList{"velmar", "-platform", "wayland"} << QByteArray();
    QTest::newRow("--platform after a file")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
        << QByteArrayList{"velmar", "ring.vel", "--platform", "wayland"} << QByteArray();
  }
  void choice() {
    QFETCH(QByteArray, qpa);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, display);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, expected);
    std::vector<const char*> argv;
    for (const QByteArray& argument : arguments) argv.push_back(argument.constData());
    const auto view = [](const QByteArray& text) {
      return std::string_view(text.data(), text.size());
    };
    const velmar::PlatformEnvironment environment{view(qpa), view(wayland), view(session),
                                                  view(display)};
    const std::string_view chosen = velmar::ChoosePlatform(environment, argv);
    QCOMPARE(QByteArray(chosen.data(), qsizetype(chosen.size())), expected);
  }

  // What main() calls reads the real variables and leaves a set one alone.
  void setsTheVariable() {
    qputenv("WAYLAND_DISPLAY", "wayland-9");
    qputenv("DISPLAY", ":9");
    qunsetenv("QT_QPA_PLATFORM");
    const char* argv[] = {"velmar"};
    velmar::PreferXWayland(1, argv);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
    qputenv("QT_QPA_PLATFORM", "wayland");
    velmar::PreferXWayland(1, argv);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
  }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
