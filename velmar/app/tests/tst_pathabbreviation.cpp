// Shortening a path for the recent-file menu, measured here in characters
// (code points) so that every expected text can be written down.
#include <QtTest>
#include <string>

#include "pathabbreviation.h"

namespace {

int CodePoints(std::string_view text) {
  int count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

QString Abbreviate(const char* path, int maxWidth) {
  return QString::fromStdString(velmar::AbbreviatePath(path, maxWidth, CodePoints));
}

}  // namespace

class TestPathAbbreviation : public QObject {
  Q_OBJECT

 private slots:
  void shortens_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<QString>("shown");
    const QString path = QStringLiteral("/home/user/rings/big/n37.vel");  // 28 characters
    QTest::newRow("fits") << path << 28 << path;
    QTest::newRow("empty") << QString() << 0 << QString();
    QTest::newRow("drops the first folder") << path << 27 << ".../user/rings/big/n37.vel";
    QTest::newRow("keeps whole folders") << path << 21 << ".../rings/big/n37.vel";
    QTest::newRow("one short of a folder") << path << 20 << ".../big/n37.vel";
    QTest::newRow("down to the file name") << path << 11 << ".../n37.vel";
    QTest::newRow("name cut from its start") << path << 10 << "...n37.vel";
    QTest::newRow("name cut further") << path << 6 << "...vel";
    QTest::newRow("nothing but the ellipsis") << path << 2 << "...";
    QTest::newRow("no folder at all") << "circulant.vel" << 8 << "...t.vel";
    QTest::newRow("cyrillic cut at a character")
        << QStringLiteral("/дом/кольцо/граф.vel") << 10 << QStringLiteral("...раф.vel");
    QTest::newRow("cyrillic folders")
        << QStringLiteral("/дом/кольцо/граф.vel") << 19 << QStringLiteral(".../кольцо/граф.vel");
  }
  void shortens() {
    QFETCH(QString, path);
    QFETCH(int, maxWidth);
    QFETCH(QString, shown);
    const QByteArray utf8 = path.toUtf8();
    QCOMPARE(Abbreviate(utf8.constData(), maxWidth), shown);
  }

  void longPathsStayWithinTheWidthAndKeepTheirTail() {
    std::string path;
    for (int i = 0; i < 500; ++i) path += "/folder" + std::to_string(i);
    path += "/last.vel";
    for (int maxWidth : {12, 40, 100, 1000, 4000}) {
      const std::string shown = velmar::AbbreviatePath(path, maxWidth, CodePoints);
      QVERIFY(CodePoints(shown) <= maxWidth);
      QVERIFY(shown.starts_with("..."));
      QVERIFY(path.ends_with(shown.substr(3)));
      // The longest tail that fits at a folder boundary: one more folder
      // would not fit.
      const std::size_t cut = path.size() - (shown.size() - 3);
      const std::size_t longer = path.rfind('/', cut - 1);
      QVERIFY(longer == 0 || CodePoints(path.substr(longer)) + 3 > maxWidth);
    }
  }

  void measuresFewTimesForAVeryLongPath() {
    const std::string path = "/" + std::string(100000, 'a') + "/" + std::string(5000, 'b');
    int calls = 0;
    const std::string shown = velmar::AbbreviatePath(path, 80, [&calls](std::string_view text) {
      ++calls;
      return CodePoints(text);
    });
    QCOMPARE(shown, "..." + std::string(77, 'b'));
    QVERIFY2(calls < 40, qPrintable(QString::number(calls)));
  }
};

QTEST_APPLESS_MAIN(TestPathAbbreviation)
#include "tst_pathabbreviation.moc"
