// The --checkpoint of a best or largest run: the units an earlier run
// finished are skipped and their rows reused, and every unit this run
// finishes is appended as it finishes. Without --checkpoint it does nothing.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "checkpoint.h"
#include "query.h"
#include "search_part.h"

namespace circscan {

// A checkpoint file refused as another search's or as damaged.
struct CheckpointRefused {
  std::string message;
};
// A checkpoint that could not be written; the run stops.
struct CheckpointUnwritable {
  std::string message;
};

class CheckpointedRun {
 public:
  // Reads and locks the file; throws CheckpointRefused or CheckpointUnwritable.
  CheckpointedRun(const std::string& path, const SearchPart& part, std::atomic<bool>& stop);

  std::vector<BestRow> Best(Progress& progress);
  std::vector<LargestRow> Largest(Progress& progress);
  // Throws CheckpointUnwritable when a unit could not be appended.
  void CheckWritten() const;

 private:
  RunHooks Hooks(Progress& progress);
  void Append(const std::string& unitText);

  bool enabled_;
  SearchPart part_;
  std::atomic<bool>& stop_;
  CheckpointState state_;
  CheckpointWriter writer_;
  std::string writeError_;
};

}  // namespace circscan
