#include "forms/reportexport.h"

#include <QAbstractScrollArea>
#include <QBuffer>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <memory>
#include <utility>

#include "core/chart_csv.h"
#include "core/svg_picture.h"
#include "forms/chartform.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/program.h"
#include "forms/qtrussian.h"
#include "forms/stringgrid.h"

namespace kestrun {
namespace {

const QString kPngFilter = QStringLiteral("Изображение PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");
const QString kCsvFilter = QStringLiteral("Данные CSV (*.csv)");

QString SuffixOfFilter(const QString& filter) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString DefaultFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString AskWithDialog(QWidget* parent, const QString& proposedName, const QStringList& filters) {
  const std::unique_ptr<QFileDialog> dialog = MakeSaveDialog(parent, proposedName, filters);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().first();
}

SavePathAsker& Asker() {
  static SavePathAsker asker;
  return asker;
}

MenuRunner& Runner() {
  static MenuRunner runner;
  return runner;
}

QString AskSavePath(QWidget* parent, const QString& proposedName, const QStringList& filters) {
  return Asker() ? Asker()(parent, proposedName, filters)
                 : AskWithDialog(parent, proposedName, filters);
}

bool IsSvg(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

// A picture of twice the pixels says it has twice the resolution, so that a
// word processor places it at the size it has on the screen.
QImage AtScreenSize(QImage image) {
  constexpr double kDotsPerMeterAt100 = 96 / 0.0254;
  const int dots = qRound(kDotsPerMeterAt100 * image.devicePixelRatio());
  image.setDotsPerMeterX(dots);
  image.setDotsPerMeterY(dots);
  return image;
}

QByteArray Png(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  AtScreenSize(image).save(&buffer, "PNG");
  return data;
}

void SetClipboardImage(const QImage& image) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    clipboard->setImage(AtScreenSize(image));
}

void SetClipboardText(const QString& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

QImage ChartImage(ChartForm& chart) { return chart.ChartView->grab().toImage(); }

std::vector<ChartPoint> Points(const QXYSeries& series) {
  std::vector<ChartPoint> points;
  for (const QPointF& point : series.points()) points.push_back({point.x(), point.y()});
  return points;
}

// The right button also gives a picture the keyboard focus, so that the menu
// key opens the same menu; a left click stays as it was.
class FocusOnRightClick : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
      if (auto* widget = qobject_cast<QWidget*>(watched)) widget->setFocus(Qt::MouseFocusReason);
    return false;
  }
};

QPoint GlobalPos(QWidget& widget, const QPoint& pos) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget))
    return area->viewport()->mapToGlobal(pos);
  return widget.mapToGlobal(pos);
}

void AttachMenu(QWidget& widget, std::function<void(QMenu&)> fill) {
  widget.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&widget, &QWidget::customContextMenuRequested, &widget,
                   [&widget, fill = std::move(fill)](const QPoint& pos) {
                     QMenu menu(&widget);
                     fill(menu);
                     const QPoint global = GlobalPos(widget, pos);
                     if (Runner())
                       Runner()(menu, global);
                     else
                       menu.exec(global);
                   });
}

void AddEntry(QMenu& menu, const QString& text, std::function<void()> run) {
  QAction* action = menu.addAction(text);
  QObject::connect(action, &QAction::triggered, &menu, [run = std::move(run)] { run(); });
}

}  // namespace

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& proposedName,
                                            const QStringList& filters) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Сохранить"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  // Qt's own dialog looks the same everywhere and can be driven in tests.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setNameFilters(filters);
  dialog->setDirectory(DefaultFolder());
  const QFileInfo proposed(proposedName);
  for (const QString& filter : filters)
    if (SuffixOfFilter(filter) == proposed.suffix()) dialog->selectNameFilter(filter);
  dialog->setDefaultSuffix(proposed.suffix());
  dialog->selectFile(proposedName);
  // Picking another type of file changes the proposed name's suffix with it.
  QFileDialog* raw = dialog.get();
  QObject::connect(raw, &QFileDialog::filterSelected, raw,
                   [raw, base = proposed.completeBaseName()](const QString& filter) {
                     const QString suffix = SuffixOfFilter(filter);
                     raw->setDefaultSuffix(suffix);
                     raw->selectFile(base + QLatin1Char('.') + suffix);
                   });
  return dialog;
}

SavePathAsker SetSavePathAsker(SavePathAsker asker) {
  return std::exchange(Asker(), std::move(asker));
}

MenuRunner SetMenuRunner(MenuRunner runner) { return std::exchange(Runner(), std::move(runner)); }

bool WriteFileWhole(const QString& path, const QByteArray& data) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
    return true;
  // Without a commit the temporary file goes and an earlier file stays.
  ShowErrorMessage(QStringLiteral("Не удалось сохранить файл \"%1\": %2")
                       .arg(path, SystemReason(file.errorString())));
  return false;
}

QByteArray PictureSvg(const Image& image) {
  const QFont font = FormFont();
  const QFontMetrics metrics(font);
  SvgFont svgFont;
  svgFont.family = QFontInfo(font).family().toStdString();
  svgFont.pixelSize = font.pixelSize();
  svgFont.height = metrics.height();
  svgFont.ascent = metrics.ascent();
  svgFont.width = [metrics](const std::string& text) {
    return metrics.horizontalAdvance(QString::fromStdString(text));
  };
  const QSize size = image.PictureSize();
  return QByteArray::fromStdString(
      kestrun::PictureSvg(image.Operations(), size.width(), size.height(), svgFont));
}

bool SavePictureAs(const Image& image, const QString& path) {
  return WriteFileWhole(path, IsSvg(path) ? PictureSvg(image) : Png(image.picture()));
}

void CopyPicture(const Image& image) { SetClipboardImage(image.picture()); }

void SavePicture(Image& image, const QString& baseName) {
  image.FollowScreen();
  const QString path =
      AskSavePath(image.window(), baseName + QStringLiteral(".png"), {kPngFilter, kSvgFilter});
  if (!path.isEmpty()) SavePictureAs(image, path);
}

QString TableText(const StringGrid& grid) {
  QString text;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      if (col > 0) text += QLatin1Char('\t');
      text += grid.Cell(col, row);
    }
    text += QLatin1Char('\n');
  }
  return text;
}

void CopyTable(const StringGrid& grid) { SetClipboardText(TableText(grid)); }

QByteArray ChartData(const ChartForm& chart) {
  return QByteArray::fromStdString(ChartCsv(Points(*chart.Series1), Points(*chart.Series2)));
}

QByteArray ChartSvg(ChartForm& chart) {
  QChartView& view = *chart.ChartView;
  QByteArray data;
  QBuffer buffer(&data);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(view.size());
  generator.setViewBox(QRect(QPoint(0, 0), view.size()));
  generator.setTitle(chart.windowTitle());
  {
    QPainter painter(&generator);
    view.render(&painter);
  }
  return data;
}

bool SaveChartPictureAs(ChartForm& chart, const QString& path) {
  return WriteFileWhole(path, IsSvg(path) ? ChartSvg(chart) : Png(ChartImage(chart)));
}

void CopyChartPicture(ChartForm& chart) { SetClipboardImage(ChartImage(chart)); }

void SaveChartPicture(ChartForm& chart, const QString& baseName) {
  const QString path =
      AskSavePath(&chart, baseName + QStringLiteral(".png"), {kPngFilter, kSvgFilter});
  if (!path.isEmpty()) SaveChartPictureAs(chart, path);
}

void SaveChartData(ChartForm& chart, const QString& baseName) {
  const QString path = AskSavePath(&chart, baseName + QStringLiteral(".csv"), {kCsvFilter});
  if (!path.isEmpty()) WriteFileWhole(path, ChartData(chart));
}

void AttachPictureMenu(Image& image, std::function<QString()> baseName) {
  image.installEventFilter(new FocusOnRightClick(&image));
  AttachMenu(image, [&image, baseName = std::move(baseName)](QMenu& menu) {
    AddEntry(menu, QStringLiteral("Копировать изображение"), [&image] { CopyPicture(image); });
    AddEntry(menu, QStringLiteral("Сохранить изображение…"),
             [&image, name = baseName()] { SavePicture(image, name); });
  });
}

void AttachTableMenu(StringGrid& grid) {
  AttachMenu(grid, [&grid](QMenu& menu) {
    AddEntry(menu, QStringLiteral("Копировать таблицу"), [&grid] { CopyTable(grid); });
  });
}

void AttachChartMenu(ChartForm& chart, const QString& baseName) {
  AttachMenu(*chart.ChartView, [&chart, baseName](QMenu& menu) {
    AddEntry(menu, QStringLiteral("Копировать изображение"), [&chart] { CopyChartPicture(chart); });
    AddEntry(menu, QStringLiteral("Сохранить изображение…"),
             [&chart, baseName] { SaveChartPicture(chart, baseName); });
    AddEntry(menu, QStringLiteral("Сохранить данные…"),
             [&chart, baseName] { SaveChartData(chart, baseName); });
  });
}

}  // namespace kestrun
