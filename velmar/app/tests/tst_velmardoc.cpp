// The document's store and release, and its lifecycle through New, Open and
// Save: the held circulant stays whatever the file commands do.
#include <QTemporaryDir>
#include <QtTest>

#include "circulant.h"
#include "testsupport.h"
#include "velmardoc.h"

namespace {

velmar::AdjacencyMatrix Circulant(const char* vertices, const char* generators) {
  return std::get<velmar::CirculantModel>(velmar::BuildCirculant(vertices, generators)).adjacency;
}

void Store(CVelmarDoc& document, const velmar::AdjacencyMatrix& matrix) {
  document.SetVertexCount(matrix.size());
  QVERIFY(document.AllocateMatrix());
  document.CopyMatrix(matrix);
}

}  // namespace

class TestVelmarDoc : public QObject {
  Q_OBJECT

 private slots:
  void startsEmpty() {
    CVelmarDoc document;
    QCOMPARE(document.GetVertexCount(), 0);
    QCOMPARE(document.GetMatrix(), nullptr);
  }

  void holdsAnExactCopy() {
    CVelmarDoc document;
    velmar::AdjacencyMatrix source = Circulant("8", "1 2");
    Store(document, source);
    const velmar::AdjacencyMatrix expected = source;
    source.at(0, 1) = 0;  // the dialog's matrix is its own
    QCOMPARE(document.GetVertexCount(), 8);
    QVERIFY(document.GetMatrix() != nullptr);
    QCOMPARE(*document.GetMatrix(), expected);
  }

  void secondStoreReplacesTheFirstCompletely() {
    CVelmarDoc document;
    Store(document, Circulant("8", "1 2"));
    const velmar::AdjacencyMatrix second = Circulant("5", "1");
    Store(document, second);
    QCOMPARE(document.GetVertexCount(), 5);
    QCOMPARE(*document.GetMatrix(), second);
  }

  void settingTheCountReleasesTheHeldMatrix() {
    CVelmarDoc document;
    Store(document, Circulant("8", "1 2"));
    document.SetVertexCount(9);
    QCOMPARE(document.GetMatrix(), nullptr);
    QCOMPARE(document.GetVertexCount(), 9);
  }

  void releaseLeavesTheDocumentEmpty() {
    CVelmarDoc document;
    Store(document, Circulant("8", "1 2"));
    QVERIFY(document.ReleaseMatrix());
    QCOMPARE(document.GetVertexCount(), 0);
    QCOMPARE(document.GetMatrix(), nullptr);
  }

  void aSourceOfTheWrongSizeLeavesTheDocumentEmpty() {
    CVelmarDoc document;
    document.SetVertexCount(8);
    QVERIFY(document.AllocateMatrix());
    document.CopyMatrix(Circulant("5", "1"));
    QCOMPARE(document.GetVertexCount(), 0);
    QCOMPARE(document.GetMatrix(), nullptr);
  }

  void allocatingForNoVerticesHoldsNothing() {
    CVelmarDoc document;
    document.SetVertexCount(-3);
    QVERIFY(!document.AllocateMatrix());
    QCOMPARE(document.GetVertexCount(), 0);
  }

  void fileCommandsLeaveTheCirculant_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("new") << "new";
    QTest::newRow("save") << "save";
    QTest::newRow("open") << "open";
    QTest::newRow("open missing") << "open missing";
  }
  void fileCommandsLeaveTheCirculant() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    CVelmarDoc document;
    const velmar::AdjacencyMatrix matrix = Circulant("8", "1 2");
    Store(document, matrix);
    if (command == QLatin1String("new")) {
      QVERIFY(document.OnNewDocument());
    } else if (command == QLatin1String("save")) {
      QVERIFY(!document.OnSaveDocument(path).has_value());
      QCOMPARE(QFileInfo(path).size(), 0);
    } else if (command == QLatin1String("open")) {
      QVERIFY(!document.OnSaveDocument(path).has_value());
      QVERIFY(!document.OnOpenDocument(path).has_value());
    } else {
      QVERIFY(document.OnOpenDocument(path).has_value());
    }
    QCOMPARE(document.GetVertexCount(), 8);
    QCOMPARE(*document.GetMatrix(), matrix);
  }

  void openReadsNothingFromAFileWithContent() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("foreign"));
    QVERIFY(velmar::test::WriteFile(path, "5\n1 1 1 1 1\n"));
    CVelmarDoc document;
    QVERIFY(!document.OnOpenDocument(path).has_value());
    QCOMPARE(document.GetVertexCount(), 0);
    QCOMPARE(QFileInfo(path).size(), 12);
  }
};

QTEST_GUILESS_MAIN(TestVelmarDoc)
#include "tst_velmardoc.moc"
