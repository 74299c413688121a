// Taking the wizard's pictures, tables and charts into a report: a context
// menu on each picture, vertex table and chart copies it to the clipboard or
// saves it as a file. Nothing here changes what the windows show or do.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QChartView;
class QFileDialog;
class QMenu;
class QWidget;

namespace kestrun {

class ChartForm;
class Image;
class StringGrid;

// Asks where to save; an empty answer means the user cancelled. Tests install
// their own to save without a dialog.
using SavePathAsker = std::function<QString(QWidget* parent, const QString& proposedName,
                                            const QStringList& filters)>;
SavePathAsker SetSavePathAsker(SavePathAsker asker);
// Qt's own save dialog, set up with the proposed name and the file types;
// the asker that tests have not replaced runs it.
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& proposedName,
                                            const QStringList& filters);

// Shows a context menu at a global position and runs the chosen action. Tests
// install their own to see the entries and pick one.
using MenuRunner = std::function<void(QMenu& menu, const QPoint& globalPos)>;
MenuRunner SetMenuRunner(MenuRunner runner);

// Writes the whole file or nothing: a failure leaves any earlier file as it
// was, shows a message and returns false.
bool WriteFileWhole(const QString& path, const QByteArray& data);

// The picture as PNG (at its pixel density) or SVG (the drawing's own
// coordinates), chosen by the file's suffix.
QByteArray PictureSvg(const Image& image);
bool SavePictureAs(const Image& image, const QString& path);
void CopyPicture(const Image& image);
void SavePicture(Image& image, const QString& baseName);

// Every cell, the fixed row and column included: tab between cells, a line
// per row.
QString TableText(const StringGrid& grid);
void CopyTable(const StringGrid& grid);

QByteArray ChartData(const ChartForm& chart);
QByteArray ChartSvg(ChartForm& chart);
bool SaveChartPictureAs(ChartForm& chart, const QString& path);
void CopyChartPicture(ChartForm& chart);
void SaveChartPicture(ChartForm& chart, const QString& baseName);
void SaveChartData(ChartForm& chart, const QString& baseName);

// The menus. `baseName` proposes the file name (without suffix) at the moment
// the menu is opened.
void AttachPictureMenu(Image& image, std::function<QString()> baseName);
void AttachTableMenu(StringGrid& grid);
void AttachChartMenu(ChartForm& chart, const QString& baseName);

}  // namespace kestrun
