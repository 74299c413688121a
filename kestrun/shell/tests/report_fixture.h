// What the report tests share: the windows of one run, the seams of the file
// dialog, the context menu and the message box, and readers for the SVG text.
#pragma once

#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core/recording_canvas.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "forms/reportexport.h"
#include "formset.h"

namespace kestrun {

struct Segment {
  int x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

// The lines a drawing issues, each from the pen position before it.
inline std::vector<Segment> SegmentsOf(const std::vector<CanvasOp>& ops) {
  std::vector<Segment> segments;
  int x = 0, y = 0;
  for (const CanvasOp& op : ops) {
    if (op.kind == CanvasOp::Kind::Line) segments.push_back({x, y, op.x, op.y});
    if (op.kind == CanvasOp::Kind::Line || op.kind == CanvasOp::Kind::Move) x = op.x, y = op.y;
  }
  return segments;
}

inline std::vector<Segment> SegmentsOf(const QString& svg) {
  std::vector<Segment> segments;
  static const QRegularExpression line(
      QStringLiteral(R"re(<line x1="(-?\d+)" y1="(-?\d+)" x2="(-?\d+)" y2="(-?\d+)")re"));
  for (auto it = line.globalMatch(svg); it.hasNext();) {
    const auto m = it.next();
    segments.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                        m.captured(4).toInt()});
  }
  return segments;
}

// A run of the wizard whose dialogs, menus and message boxes answer from the
// test instead of the user.
class ReportRun {
 public:
  ReportRun() {
    oldAsker_ = SetSavePathAsker([this](QWidget*, const QString& name, const QStringList& filters) {
      proposed << name;
      offeredFilters = filters;
      return answer;
    });
    oldRunner_ = SetMenuRunner([this](QMenu& menu, const QPoint&) {
      entries.clear();
      for (QAction* action : menu.actions()) entries << action->text();
      for (QAction* action : menu.actions())
        if (action->text() == choice) action->trigger();
    });
    oldSink_ = SetMessageSink([this](const QString& text) { messages << text; });
    forms_ = std::make_unique<FormSet>();
  }
  ~ReportRun() {
    forms_.reset();
    SetSavePathAsker(oldAsker_);
    SetMenuRunner(oldRunner_);
    SetMessageSink(oldSink_);
  }

  // Opens the control's context menu as the right button does and picks
  // `entry` ("" picks nothing).
  void Menu(QWidget& widget, const QString& entry, const QString& path = {}) {
    choice = entry;
    answer = path;
    emit widget.customContextMenuRequested(QPoint(5, 5));
  }

  QString answer;
  QString choice;
  QStringList proposed;
  QStringList offeredFilters;
  QStringList entries;
  QStringList messages;
  QTemporaryDir dir;

 private:
  SavePathAsker oldAsker_;
  MenuRunner oldRunner_;
  MessageSink oldSink_;
  std::unique_ptr<FormSet> forms_;
};

}  // namespace kestrun
