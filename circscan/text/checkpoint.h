// A run's finished units of work, kept in a file as they finish so that the
// same command continues where an interrupted run stopped.
//
// The first line names the exact search and part; every later line is one
// unit, ending with a chain digest: the SHA-256 of the previous line's chain
// (the header's digest for the first) followed by the unit's own text. An
// edited, repeated, removed or forged line breaks the chain, and every row
// is searched again when the file is read. A last line without its newline
// is a write cut short by a crash and is dropped: its unit runs again.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "query.h"
#include "search_part.h"

namespace circscan {

struct CheckpointUnits {
  std::map<std::int32_t, std::optional<BestRow>> best;          // by N
  std::map<std::int32_t, std::set<std::int32_t>> largestEmpty;  // d -> N without a set
  std::map<std::int32_t, LargestRow> largestAnswers;            // by d
};

// What a checkpoint file holds, and where appending continues.
struct CheckpointState {
  CheckpointUnits units;
  std::string chain;            // of the last line kept
  std::uint64_t keptBytes = 0;  // the file up to its last whole line
  bool fresh = true;            // no header yet
};

// Reads the file at `path` (a missing or empty one is fresh). Empty, with
// `error` naming the file, when it belongs to another search or is damaged.
std::optional<CheckpointState> ReadCheckpoint(const std::string& path, const SearchPart& part,
                                              std::string* error);
// The same from a stream, for the tests and the fuzzer.
std::optional<CheckpointState> ReadCheckpointText(const std::string& text, const std::string& name,
                                                  const SearchPart& part, std::string* error);

// The units of a search as the lines a checkpoint holds.
std::string BestUnitText(std::int32_t n, const std::optional<BestRow>& row);
std::string LargestUnitText(std::int32_t d, std::int32_t n,
                            const std::optional<std::vector<std::int32_t>>& set, std::int32_t k);

// Appends units, each with one write() followed by fdatasync().
class CheckpointWriter {
 public:
  CheckpointWriter() = default;
  ~CheckpointWriter();
  CheckpointWriter(const CheckpointWriter&) = delete;
  CheckpointWriter& operator=(const CheckpointWriter&) = delete;

  // Drops a torn last line and writes the header of a fresh file.
  bool Open(const std::string& path, const SearchPart& part, const CheckpointState& state,
            std::string* error);
  bool Append(const std::string& unitText, std::string* error);

 private:
  bool WriteLine(const std::string& line, std::string* error);

  int fd_ = -1;
  std::string path_;
  std::string chain_;
};

// "best --n 5..200 --k 2 --by diameter --shard 1/3", for messages.
std::string DescribePart(const SearchPart& part);

}  // namespace circscan
