// The file a --shard run writes: a header naming the search and the part,
// the part's rows, and a trailer with the number of rows and the SHA-256 of
// every line above it. The trailer is written only with a finished part, so
// a file cut short, still being written or edited is refused when read.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "report.h"
#include "search_part.h"

namespace circscan {

// The longest header circscan writes is far below this.
inline constexpr std::size_t kHeaderLineCap = 4096;
// A row holds k generators of at most seven digits each, and a few numbers.
std::size_t RowLineCap(std::int32_t k);
// An --all part's row also lists the smallest member of every optimal class.
inline constexpr std::size_t kClassesLineCap = std::size_t{8} << 20;
std::size_t RowLineCap(const SearchPart& part);

struct ShardFile {
  SearchPart part;
  std::vector<BestRow> bestRows;
  std::vector<LargestRow> largestRows;
};

// Reads one shard file as a stream. On bad input `error` names the file and
// the line and says what is wrong.
std::optional<ShardFile> ReadShardFile(std::istream& in, const std::string& name,
                                       std::string* error);

// The shard files of one search, read one at a time.
class ShardMerge {
 public:
  bool Add(std::istream& in, const std::string& name, std::string* error);
  std::optional<MergedRows> Finish(std::string* error) const;

 private:
  std::optional<SearchPart> search_;  // of the first file
  std::string firstName_;
  std::set<std::int32_t> seen_;
  std::vector<std::vector<BestRow>> bestParts_;
  std::vector<std::vector<LargestRow>> largestParts_;
};

}  // namespace circscan
