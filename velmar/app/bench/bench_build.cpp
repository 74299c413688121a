// One build as the user sees it: the click on "Построить циркулянт", both
// grids, D, the AveD lines, and the dialog and the main view repainted.
// Runs on the offscreen platform, so it needs no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>

#include "circulardlg.h"
#include "resources.h"
#include "velmardoc.h"
#include "velmarview.h"

namespace {

QLineEdit* Field(const QWidget& dialog, int id) {
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
    if (edit->property("controlId").toInt() == id) return edit;
  }
  return nullptr;
}

void BuildAndRepaint(benchmark::State& state, const char* vertices, const char* generators) {
  CVelmarDoc document;
  CVelmarView view;
  document.AddView(&view);
  view.resize(1000, 800);
  view.show();
  std::unique_ptr<CCircularDlg> dialog;
  for (auto _ : state) {
    state.PauseTiming();
    // A fresh dialog each time: the AveD list is never emptied while a
    // dialog is open, and a list grown over thousands of builds is not what
    // a user meets.
    dialog = std::make_unique<CCircularDlg>();
    dialog->SetDocument(&document);
    dialog->show();
    Field(*dialog, velmar::IDC_EDIT_VERTICES)->setText(QString::fromLatin1(vertices));
    Field(*dialog, velmar::IDC_EDIT_GENERATORS)->setText(QString::fromLatin1(generators));
    QApplication::processEvents();
    state.ResumeTiming();

    dialog->OnBnClickedBuild();
    dialog->repaint();
    view.viewport()->repaint();
  }
  state.counters["N"] = document.GetVertexCount();
}

void BM_BuildRing99(benchmark::State& state) { BuildAndRepaint(state, "99", "1"); }
void BM_BuildTenNeighbours99(benchmark::State& state) {
  BuildAndRepaint(state, "99", "1 3 11 13 17");
}
void BM_BuildManyGenerators99(benchmark::State& state) {
  BuildAndRepaint(state, "99", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20");
}

BENCHMARK(BM_BuildRing99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildTenNeighbours99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildManyGenerators99)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Velmar"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
