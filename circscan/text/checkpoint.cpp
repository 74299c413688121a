#include "checkpoint.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "json_rows.h"
#include "line_reader.h"
#include "row_check.h"
#include "sha256.h"
#include "shard_file.h"

namespace circscan {
namespace {

constexpr const char* kKind = "circscan_checkpoint";
constexpr std::string_view kChainKey = ",\"chain\":\"";
constexpr std::size_t kHexSize = 64;
// What the chain adds to a unit's text: the key, the digest, the quote.
constexpr std::size_t kChainSize = kChainKey.size() + kHexSize + 1;

std::string Line(const std::string& unitText, const std::string& chain) {
  return unitText.substr(0, unitText.size() - 1) + std::string(kChainKey) + chain + "\"}";
}

std::string AddBestUnit(const std::string& unit, const SearchPart& part, CheckpointUnits& units) {
  auto row = ReadBestRow(unit, part);
  const auto n = row ? std::optional(row->n) : ReadEmptyBestUnit(unit);
  if (!n) return "not a record of this search";
  if (!HoldsBestN(part, *n)) return "N = " + std::to_string(*n) + " is not part of this search";
  if (row) {
    const std::string problem = RecomputedProblem(*row, part.ring);
    if (!problem.empty()) return problem;
  }
  if (!units.best.emplace(*n, std::move(row)).second) {
    return "a second record for N = " + std::to_string(*n);
  }
  return {};
}

std::string AddLargestUnit(const std::string& unit, const SearchPart& part,
                           CheckpointUnits& units) {
  auto row = ReadLargestRow(unit, part);
  const auto key =
      row ? std::optional(std::pair{row->diameter, row->n}) : ReadEmptyLargestUnit(unit);
  if (!key) return "not a record of this search";
  const auto [d, n] = *key;
  if (!HoldsLargestN(part, d, n)) {
    return "N = " + std::to_string(n) + " at diameter " + std::to_string(d) +
           " is not part of this search";
  }
  const auto answer = units.largestAnswers.find(d);
  if (answer != units.largestAnswers.end() || (row && units.largestEmpty[d].count(n) > 0)) {
    return "a record after the answer for diameter " + std::to_string(d);
  }
  if (!row) {
    if (!units.largestEmpty[d].insert(n).second) {
      return "a second record for N = " + std::to_string(n) + " at diameter " + std::to_string(d);
    }
    return {};
  }
  const std::string problem = RecomputedProblem(*row);
  if (!problem.empty()) return problem;
  units.largestAnswers.emplace(d, std::move(*row));
  return {};
}

// Checks the line against the chain so far and adds its unit.
std::string AddRecord(const std::string& line, const SearchPart& part, CheckpointState& state) {
  const std::size_t size = line.size();
  if (size < kChainSize + 3 ||
      line.compare(size - kChainSize - 1, kChainKey.size(), kChainKey) != 0 || line.back() != '}' ||
      line[size - 2] != '"') {
    return "not a record of a checkpoint";
  }
  const std::string chain = line.substr(size - kHexSize - 2, kHexSize);
  const std::string unit = line.substr(0, size - kChainSize - 1) + '}';
  if (Sha256Hex(state.chain + unit) != chain) {
    return "the record does not continue the chain of the records above it: the file was changed";
  }
  state.chain = chain;
  return part.best ? AddBestUnit(unit, part, state.units) : AddLargestUnit(unit, part, state.units);
}

std::optional<CheckpointState> ReadStream(std::istream& in, const std::string& name,
                                          const SearchPart& part, std::string* error) {
  LineReader reader(in);
  const auto fail = [&](const std::string& message) {
    if (error != nullptr) *error = name + ':' + std::to_string(reader.number()) + ": " + message;
    return std::nullopt;
  };
  const std::string header = PartHeaderJson(kKind, part);
  CheckpointState state;
  state.chain = Sha256Hex(header);
  std::string line;
  const LineStatus first = reader.Next(kHeaderLineCap, line);
  // A header cut short by a crash recorded nothing yet.
  if (first == LineStatus::kEnd || (first == LineStatus::kLine && !reader.lastEndedWithNewline() &&
                                    header.compare(0, line.size(), line) == 0)) {
    return state;
  }
  const auto named = first == LineStatus::kLine ? ReadPartHeader(kKind, line) : std::nullopt;
  if (!named) return fail("not a circscan checkpoint");
  if (*named != part) {
    if (error != nullptr) {
      *error = name + ": the checkpoint of another search (" + DescribePart(*named) +
               "); use another file for this one";
    }
    return std::nullopt;
  }
  if (line != header || !reader.lastEndedWithNewline()) return fail("the header was changed");
  state.fresh = false;
  state.keptBytes = line.size() + 1;
  for (;;) {
    const LineStatus status = reader.Next(RowLineCap(part) + kChainSize, line);
    if (status == LineStatus::kEnd) break;
    if (status != LineStatus::kLine) return fail("a line longer than any record of this search");
    if (!reader.lastEndedWithNewline()) break;  // torn by a crash: its unit runs again
    const std::string problem = AddRecord(line, part, state);
    if (!problem.empty()) return fail(problem);
    state.keptBytes += line.size() + 1;
  }
  return state;
}

}  // namespace

std::string DescribePart(const SearchPart& p) {
  std::string text = p.best ? "best --n " : "largest --diameter ";
  text += std::to_string(p.from) + ".." + std::to_string(p.to) + " --k " + std::to_string(p.k);
  if (p.best) text += p.by == By::kAverage ? " --by average" : " --by diameter";
  if (p.ring) text += " --ring";
  if (p.all) text += " --all";
  if (p.shard.count > 1) {
    text += " --shard " + std::to_string(p.shard.index) + "/" + std::to_string(p.shard.count);
  }
  return text;
}

std::optional<CheckpointState> ReadCheckpoint(const std::string& path, const SearchPart& part,
                                              std::string* error) {
  std::error_code code;
  if (std::filesystem::is_directory(path, code)) {
    if (error != nullptr) *error = path + ": a directory, not a checkpoint file";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (!std::filesystem::exists(path, code)) return ReadCheckpointText("", path, part, error);
    if (error != nullptr) *error = path + ": cannot be read";
    return std::nullopt;
  }
  return ReadStream(in, path, part, error);
}

std::optional<CheckpointState> ReadCheckpointText(const std::string& text, const std::string& name,
                                                  const SearchPart& part, std::string* error) {
  std::istringstream in(text);
  return ReadStream(in, name, part, error);
}

std::string BestUnitText(std::int32_t n, const std::optional<BestRow>& row) {
  return row ? BestRowJson(*row) : EmptyBestUnitJson(n);
}

std::string LargestUnitText(std::int32_t d, std::int32_t n,
                            const std::optional<std::vector<std::int32_t>>& set, std::int32_t k) {
  return set ? LargestRowJson({k, d, n, *set}) : EmptyLargestUnitJson(d, n);
}

CheckpointWriter::~CheckpointWriter() {
  if (fd_ >= 0) ::close(fd_);
}

bool CheckpointWriter::Open(const std::string& path, const SearchPart& part,
                            const CheckpointState& state, std::string* error) {
  path_ = path;
  const auto fail = [&](const char* what) {
    if (error != nullptr) *error = path + ": " + what + ": " + std::strerror(errno);
    return false;
  };
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) return fail("cannot be written");
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return fail("in use by another run");
  if (::ftruncate(fd_, static_cast<off_t>(state.keptBytes)) != 0 || ::lseek(fd_, 0, SEEK_END) < 0) {
    return fail("cannot be written");
  }
  chain_ = state.chain;
  if (!state.fresh) return true;
  if (!WriteLine(PartHeaderJson(kKind, part), error)) return false;
  // The new file's name must outlast a crash as well as its contents.
  const std::filesystem::path folder = std::filesystem::absolute(path).parent_path();
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool CheckpointWriter::Append(const std::string& unitText, std::string* error) {
  chain_ = Sha256Hex(chain_ + unitText);
  return WriteLine(Line(unitText, chain_), error);
}

bool CheckpointWriter::WriteLine(const std::string& line, std::string* error) {
  const std::string text = line + '\n';
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd_, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (error != nullptr) *error = path_ + ": cannot be written: " + std::strerror(errno);
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  if (::fdatasync(fd_) != 0) {
    if (error != nullptr) *error = path_ + ": cannot be written: " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace circscan
