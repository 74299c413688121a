// circscan's command line: it reads the options, runs the search and prints
// what the report functions return. All output is built, or for the outputs
// too large to hold (the rows of --all, the routing table) made ready to
// stream, before anything is written, so a run that fails writes nothing to
// stdout.
#include <tbb/global_control.h>

#include <CLI/CLI.hpp>

#include <atomic>
#include <charconv>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "checkpointed_run.h"
#include "progress_bar.h"
#include "query.h"
#include "query_checks.h"
#include "report.h"
#include "routes.h"
#include "routes_report.h"
#include "search.h"
#include "shard_file.h"
#include "stop_signals.h"

namespace circscan {
namespace {

constexpr const char* kUsage[] = {
    "usage: circscan best --n A..B --k K [--by diameter|average] [--ring] [--all] "
    "[--format table|csv|json] [--threads T] [--shard I/M] [--checkpoint FILE]",
    "usage: circscan largest --k K --diameter A..B [--ring] [--format table|csv|json] "
    "[--threads T] [--shard I/M] [--checkpoint FILE]",
    "usage: circscan analyze N \"G1 G2 ...\" [--format table|csv|json]",
    "usage: circscan routes N \"G1 G2 ...\" [--format table|csv|json]",
    "usage: circscan merge FILE... [--format table|csv|json]",
};
constexpr const char* kGeneralUsage = "usage: circscan best|largest|analyze|routes|merge [options]";

// A wrong value on the command line.
struct UsageError {
  std::string message;
};

Format ReadFormat(const std::string& name) {
  if (name == "csv") return Format::kCsv;
  if (name == "json") return Format::kJson;
  return Format::kTable;
}

RangeInput ReadRange(const std::string& option, const std::string& text) {
  const auto range = ParseRange(text);
  if (!range) {
    throw UsageError{option + ": '" + text + "' is not a range like 5..200 (or one number)"};
  }
  return {range->first, range->second, text};
}

template <typename T>
T Take(Checked<T> checked) {
  if (const auto* error = std::get_if<QueryError>(&checked)) throw UsageError{error->message};
  return std::get<T>(std::move(checked));
}

// The value's limits are checked with the Python module's words; a text that
// is no whole number at all is quoted as typed.
std::int64_t ReadWhole(const std::string& option, const std::string& text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    throw UsageError{option + ": '" + text + "' is not a whole number"};
  }
  return value;
}

// An empty text is a shard given empty, not the absence of one.
std::optional<Shard> ReadShard(const std::optional<std::string>& text, const std::string& format) {
  if (!text) return std::nullopt;
  const auto shard = ParseShard(*text);
  if (!shard) throw UsageError{"--shard: '" + *text + "' is not a part like 2/8 (1 <= I <= M)"};
  if (format != "json") throw UsageError{"--shard writes JSON for merge; add --format json"};
  return *shard;
}

std::unique_ptr<tbb::global_control> LimitThreads(std::int64_t threads) {
  if (threads == 0) return nullptr;
  return std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism,
                                               static_cast<std::size_t>(threads));
}

struct Options {
  std::string n, diameter, by = "diameter", format = "table", vertexCount, generators;
  std::string checkpoint, k;
  std::optional<std::string> shard;
  std::int64_t threads = 0;
  std::vector<std::string> files;
  bool ring = false;
  bool all = false;
};

// What a command prints: a text built before anything is written, or for
// the rows of --all, which may be millions, a writer that streams them once
// the search has finished.
struct Printout {
  std::string text;
  std::function<void()> stream;
  Printout() = default;
  Printout(std::string built) : text(std::move(built)) {}  // what every other command returns
};

void WriteOut(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

Printout StreamedBestAll(std::vector<BestRow> rows, bool ring, Format format) {
  Printout out;
  out.stream = [rows = std::move(rows), ring, format] {
    WriteBestAll(rows, ring, format, WriteOut);
  };
  return out;
}

// The run was stopped by a signal before it finished.
struct Interrupted {
  int signal;
  std::string checkpoint;
};

// Runs the search with the progress line and the signals that stop it; the
// line is erased before the function returns, however the search ended.
template <typename Search>
auto RunStoppable(const Options& o, const SearchPart& part, Search search) {
  Progress progress;
  std::optional<CheckpointedRun> run;
  decltype(search(*run, progress)) rows;
  {
    const StopOnSignals signals;
    run.emplace(o.checkpoint, part, StopOnSignals::flag());
    const ProgressBar bar(progress);
    rows = search(*run, progress);
  }
  run->CheckWritten();
  if (StopOnSignals::received() != 0) throw Interrupted{StopOnSignals::received(), o.checkpoint};
  return rows;
}

Printout RunBest(const Options& o) {
  const std::int64_t k = ReadWhole("--k", o.k);
  BestQuery query =
      Take(CheckBest(ReadRange("--n", o.n), k, o.by == "average" ? By::kAverage : By::kDiameter));
  const auto shard = ReadShard(o.shard, o.format);
  query.shard = shard.value_or(Shard{});
  query.ring = o.ring;
  query.all = o.all;
  const auto limit = LimitThreads(o.threads);
  const auto rows = RunStoppable(o, PartOf(query), [](CheckpointedRun& run, Progress& progress) {
    return run.Best(progress);
  });
  if (shard) return RenderBestShard(query, rows);
  if (query.all) return StreamedBestAll(rows, query.ring, ReadFormat(o.format));
  return RenderBest(rows, ReadFormat(o.format));
}

std::string RunLargest(const Options& o) {
  const std::int64_t k = ReadWhole("--k", o.k);
  LargestQuery query = Take(CheckLargest(k, ReadRange("--diameter", o.diameter)));
  const auto shard = ReadShard(o.shard, o.format);
  query.shard = shard.value_or(Shard{});
  query.ring = o.ring;
  const auto limit = LimitThreads(o.threads);
  const auto rows = RunStoppable(o, PartOf(query), [](CheckpointedRun& run, Progress& progress) {
    return run.Largest(progress);
  });
  if (shard) return RenderLargestShard(query, rows);
  return RenderLargest(rows, ReadFormat(o.format));
}

// N and the generators of `analyze` and `routes`, read alike.
std::pair<std::int32_t, std::vector<std::int32_t>> ReadCirculant(const Options& o) {
  const auto n = ParseRange(o.vertexCount);
  if (!n || n->first != n->second || o.vertexCount.find("..") != std::string::npos) {
    throw UsageError{"N: '" + o.vertexCount + "' is not a vertex count"};
  }
  const std::int32_t vertexCount = Take(CheckVertexCount(n->first));
  auto generators = ParseGeneratorList(o.generators);
  if (!generators) throw UsageError{GeneratorListMessage(o.generators)};
  return {vertexCount, std::move(*generators)};
}

std::string RunAnalyze(const Options& o) {
  const auto [n, generators] = ReadCirculant(o);
  std::string error;
  const auto analysis = Analyze(n, generators, &error);
  if (!analysis) throw UsageError{error};
  return RenderAnalysis(*analysis, ReadFormat(o.format));
}

// Streams the table once every value has been checked: a table of a million
// rows is not built first.
Printout RunRoutes(const Options& o) {
  const auto [n, generators] = ReadCirculant(o);
  std::string error;
  auto table = RouteTable::Build(n, generators, &error);
  if (!table) throw UsageError{error};
  Printout out;
  out.stream = [table = std::move(*table), format = ReadFormat(o.format)] {
    WriteRoutes(table, format, WriteOut);
  };
  return out;
}

Printout RunMerge(const Options& o) {
  // One file at a time, as a stream: a shard file may be large, or not one.
  ShardMerge merge;
  std::string error;
  for (const std::string& name : o.files) {
    std::error_code code;
    if (std::filesystem::is_directory(name, code)) {
      throw UsageError{name + ": a directory, not a shard file"};
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) throw UsageError{name + ": cannot be read"};
    if (!merge.Add(in, name, &error)) throw UsageError{error};
  }
  const auto merged = merge.Finish(&error);
  if (!merged) throw UsageError{error};
  const Format format = ReadFormat(o.format);
  if (merged->best && merged->part.all) {
    return StreamedBestAll(merged->bestRows, merged->part.ring, format);
  }
  return merged->best ? RenderBest(merged->bestRows, format)
                      : RenderLargest(merged->largestRows, format);
}

int Fail(const std::string& message, const char* usage) {
  std::cerr << "circscan: " << message << '\n' << usage << '\n';
  return 2;
}

// Whatever went to stdout (results, help, version) must have arrived.
int Flushed(int status) {
  std::cout.flush();
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout) {
    std::perror("circscan: writing the output");
    return 1;
  }
  return status;
}

// CLI11 says only that a subcommand is required when the first word is not one.
std::optional<std::string> CommandProblem(int argc, char** argv) {
  if (argc < 2) return "a command is required: best, largest, analyze, routes or merge";
  const std::string word = argv[1];
  for (const char* known :
       {"best", "largest", "analyze", "routes", "merge", "--help", "-h", "--version"}) {
    if (word == known) return std::nullopt;
  }
  return "'" + word +
         "' is not a command; the commands are best, largest, analyze, routes and merge";
}

int Main(int argc, char** argv) {
  CLI::App app{
      "Finds the circulant graphs with the smallest diameter or average distance, and\n"
      "the largest circulants of a given degree and diameter, exactly.",
      "circscan"};
  app.set_version_flag("--version", std::string("circscan ") + CIRCSCAN_VERSION);
  app.require_subcommand(1, 1);
  app.footer(
      "Examples:\n"
      "  circscan best --n 5..200 --k 2\n"
      "  circscan largest --k 3 --diameter 2..6 --format csv\n"
      "  circscan analyze 37 \"1 5 11\"\n"
      "  circscan routes 37 \"1 5 11\" --format csv\n"
      "  circscan best --n 5..200 --k 3 --shard 2/8 --format json > part2.json\n"
      "  circscan merge part*.json\n"
      "N runs from 3 to 1000000 (analyze and routes: 2 to 1000000). Long runs should use\n"
      "--checkpoint FILE.\n"
      "Run 'circscan COMMAND --help' for a command's options. Wrong input exits with status 2.\n");
  Options o;
  const std::vector<std::string> formats{"table", "csv", "json"};
  const auto addFormat = [&](CLI::App* sub) {
    sub->add_option("--format", o.format, "table (default), csv or json")
        ->check(CLI::IsMember(formats));
  };
  const auto addThreads = [&](CLI::App* sub) {
    sub->add_option("--threads", o.threads, "worker threads (default: all cores)")
        ->check(CLI::Range(std::int64_t{1}, std::int64_t{4096}));
  };

  const auto addCheckpoint = [&](CLI::App* sub) {
    sub->add_option("--checkpoint", o.checkpoint,
                    "keep finished work in FILE; the same command continues from it");
  };

  CLI::App* best = app.add_subcommand(
      "best", "for each N of a range, the set of k generators with the smallest D or AveD");
  best->add_option("--n", o.n, "range of vertex counts, like 5..200 (3 to 1000000)")->required();
  best->add_option("--k", o.k, "number of generators (at most N/2)")->required();
  best->add_option("--by", o.by, "diameter (smallest D, then AveD; default) or average")
      ->check(CLI::IsMember({"diameter", "average"}));
  addFormat(best);
  addThreads(best);
  best->add_flag("--ring", o.ring, "only ring circulants: sets holding generator 1");
  best->add_flag("--all", o.all,
                 "every optimal set, one row each in lexicographic order (optimal_sets rows)");
  best->add_option("--shard", o.shard, "run part I of M of the search (JSON for merge)");
  addCheckpoint(best);
  best->footer(
      "Example: circscan best --n 5..40 --k 2 --by average --format csv\n"
      "         circscan best --n 40 --k 3 --ring --all\n");

  CLI::App* largest = app.add_subcommand(
      "largest", "for each diameter d, the largest N with k generators and D <= d");
  largest->add_option("--k", o.k, "number of generators")->required();
  largest->add_option("--diameter", o.diameter, "range of diameters, like 2..6")->required();
  largest->add_flag("--ring", o.ring, "only ring circulants: sets holding generator 1");
  addFormat(largest);
  addThreads(largest);
  largest->add_option("--shard", o.shard, "run part I of M of the search (JSON for merge)");
  addCheckpoint(largest);
  largest->footer("Example: circscan largest --k 3 --diameter 2..6\n");

  CLI::App* analyze =
      app.add_subcommand("analyze", "exact distances from vertex 0, D and AveD of one circulant");
  analyze->add_option("N", o.vertexCount, "number of vertices (2 to 1000000)")->required();
  analyze->add_option("GENERATORS", o.generators, "generators, like \"1 5 11\"")->required();
  addFormat(analyze);
  analyze->footer("Example: circscan analyze 37 \"1 5 11\"\n");

  CLI::App* routes = app.add_subcommand(
      "routes", "a shortest route from vertex 0 to every vertex: steps along each generator");
  routes->add_option("N", o.vertexCount, "number of vertices (2 to 1000000)")->required();
  routes->add_option("GENERATORS", o.generators, "generators, like \"1 5 11\"")->required();
  addFormat(routes);
  routes->footer(
      "Generators are read as analyze reads them; the step columns follow them as analyze\n"
      "prints them (folded into 1..N/2, ascending, without repeats). Of the shortest routes\n"
      "the one with the most steps of +s1, then -s1, then +s2, -s2, ...: read in generator\n"
      "order, a route without its last step is the route of the vertex before.\n"
      "Example: circscan routes 37 \"1 5 11\" --format csv\n");

  CLI::App* merge =
      app.add_subcommand("merge", "combine the JSON outputs of --shard runs into one result");
  merge->add_option("FILES", o.files, "the outputs of all the shards of one search")->required();
  addFormat(merge);
  merge->footer("Example: circscan merge part*.json --format csv\n");

  const CLI::App* subs[] = {best, largest, analyze, routes, merge};
  const auto usageOf = [&]() -> const char* {
    for (std::size_t i = 0; i < std::size(subs); ++i) {
      if (argc > 1 && subs[i]->get_name() == argv[1]) return kUsage[i];
    }
    return kGeneralUsage;
  };
  if (const auto problem = CommandProblem(argc, argv)) return Fail(*problem, kGeneralUsage);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return Flushed(app.exit(e));
  } catch (const CLI::CallForAllHelp& e) {
    return Flushed(app.exit(e));
  } catch (const CLI::CallForVersion& e) {
    return Flushed(app.exit(e));
  } catch (const CLI::ParseError& e) {
    return Fail(e.what(), usageOf());
  }
  Printout out;
  try {
    if (best->parsed()) out = RunBest(o);
    if (largest->parsed()) out = RunLargest(o);
    if (analyze->parsed()) out = RunAnalyze(o);
    if (routes->parsed()) out = RunRoutes(o);
    if (merge->parsed()) out = RunMerge(o);
  } catch (const UsageError& e) {
    return Fail(e.message, usageOf());
  } catch (const CheckpointRefused& e) {
    return Fail(e.message, usageOf());
  } catch (const CheckpointUnwritable& e) {
    std::cerr << "circscan: " << e.message << '\n';
    return 1;
  } catch (const Interrupted& e) {
    if (!e.checkpoint.empty()) {
      std::cerr << "circscan: stopped; " << e.checkpoint
                << " keeps the finished work, and the same command continues it\n";
    }
    return 128 + e.signal;
  }
  if (out.stream) {
    out.stream();
  } else {
    WriteOut(out.text);
  }
  return Flushed(0);
}

}  // namespace
}  // namespace circscan

int main(int argc, char** argv) { return circscan::Main(argc, argv); }
