// circscan's command line: it reads the options, runs the search and prints
// what the report functions return. All output is built first and written at
// the end, so a run that fails writes nothing to stdout.
#include <tbb/global_control.h>

#include <CLI/CLI.hpp>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "progress_bar.h"
#include "query.h"
#include "query_checks.h"
#include "report.h"
#include "search.h"

namespace circscan {
namespace {

constexpr const char* kUsage[] = {
    "usage: circscan best --n A..B --k K [--by diameter|average] [--format table|csv|json] "
    "[--threads T] [--shard I/M]",
    "usage: circscan largest --k K --diameter A..B [--format table|csv|json] [--threads T] "
    "[--shard I/M]",
    "usage: circscan analyze N \"G1 G2 ...\" [--format table|csv|json]",
    "usage: circscan merge FILE... [--format table|csv|json]",
};
constexpr const char* kGeneralUsage = "usage: circscan best|largest|analyze|merge [options]";

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

Shard ReadShard(const std::string& text, const std::string& format) {
  if (text.empty()) return {};
  const auto shard = ParseShard(text);
  if (!shard) throw UsageError{"--shard: '" + text + "' is not a part like 2/8 (1 <= I <= M)"};
  if (format != "json") throw UsageError{"--shard writes JSON for merge; add --format json"};
  return *shard;
}

std::unique_ptr<tbb::global_control> LimitThreads(std::int64_t threads) {
  if (threads == 0) return nullptr;
  return std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism,
                                               static_cast<std::size_t>(threads));
}

struct Options {
  std::string n, diameter, by = "diameter", format = "table", shard, vertexCount, generators;
  std::int64_t k = 0;
  std::int64_t threads = 0;
  std::vector<std::string> files;
};

std::string RunBest(const Options& o) {
  BestQuery query =
      Take(CheckBest(ReadRange("--n", o.n), o.k, o.by == "average" ? By::kAverage : By::kDiameter));
  query.shard = ReadShard(o.shard, o.format);
  const auto limit = LimitThreads(o.threads);
  Progress progress;
  std::vector<BestRow> rows;
  {
    const ProgressBar bar(progress);
    rows = FindBest(query, {.progress = &progress});
  }
  if (!o.shard.empty()) return RenderBestShard(query, rows);
  return RenderBest(rows, ReadFormat(o.format));
}

std::string RunLargest(const Options& o) {
  LargestQuery query = Take(CheckLargest(o.k, ReadRange("--diameter", o.diameter)));
  query.shard = ReadShard(o.shard, o.format);
  const auto limit = LimitThreads(o.threads);
  Progress progress;
  std::vector<LargestRow> rows;
  {
    const ProgressBar bar(progress);
    rows = FindLargest(query, {.progress = &progress});
  }
  if (!o.shard.empty()) return RenderLargestShard(query, rows);
  return RenderLargest(rows, ReadFormat(o.format));
}

std::string RunAnalyze(const Options& o) {
  const auto n = ParseRange(o.vertexCount);
  if (!n || n->first != n->second || o.vertexCount.find("..") != std::string::npos) {
    throw UsageError{"N: '" + o.vertexCount + "' is not a vertex count"};
  }
  const std::int32_t vertexCount = Take(CheckVertexCount(n->first));
  const auto generators = ParseGeneratorList(o.generators);
  if (!generators) throw UsageError{GeneratorListMessage(o.generators)};
  std::string error;
  const auto analysis = Analyze(vertexCount, *generators, &error);
  if (!analysis) throw UsageError{error};
  return RenderAnalysis(*analysis, ReadFormat(o.format));
}

std::string RunMerge(const Options& o) {
  std::vector<NamedText> files;
  for (const std::string& name : o.files) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) throw UsageError{name + ": cannot be read"};
    files.push_back({name, text.str()});
  }
  std::string error;
  const auto merged = MergeShards(files, &error);
  if (!merged) throw UsageError{error};
  const Format format = ReadFormat(o.format);
  return merged->best ? RenderBest(merged->bestRows, format)
                      : RenderLargest(merged->largestRows, format);
}

int Fail(const std::string& message, const char* usage) {
  std::cerr << "circscan: " << message << '\n' << usage << '\n';
  return 2;
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
      "  circscan best --n 5..200 --k 3 --shard 2/8 --format json > part2.json\n"
      "  circscan merge part*.json\n"
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

  CLI::App* best = app.add_subcommand(
      "best", "for each N of a range, the set of k generators with the smallest D or AveD");
  best->add_option("--n", o.n, "range of vertex counts, like 5..200 (N >= 3)")->required();
  best->add_option("--k", o.k, "number of generators")->required();
  best->add_option("--by", o.by, "diameter (smallest D, then AveD; default) or average")
      ->check(CLI::IsMember({"diameter", "average"}));
  addFormat(best);
  addThreads(best);
  best->add_option("--shard", o.shard, "run part I of M of the search (JSON for merge)");
  best->footer("Example: circscan best --n 5..40 --k 2 --by average --format csv\n");

  CLI::App* largest = app.add_subcommand(
      "largest", "for each diameter d, the largest N with k generators and D <= d");
  largest->add_option("--k", o.k, "number of generators")->required();
  largest->add_option("--diameter", o.diameter, "range of diameters, like 2..6")->required();
  addFormat(largest);
  addThreads(largest);
  largest->add_option("--shard", o.shard, "run part I of M of the search (JSON for merge)");
  largest->footer("Example: circscan largest --k 3 --diameter 2..6\n");

  CLI::App* analyze =
      app.add_subcommand("analyze", "exact distances from vertex 0, D and AveD of one circulant");
  analyze->add_option("N", o.vertexCount, "number of vertices")->required();
  analyze->add_option("GENERATORS", o.generators, "generators, like \"1 5 11\"")->required();
  addFormat(analyze);
  analyze->footer("Example: circscan analyze 37 \"1 5 11\"\n");

  CLI::App* merge =
      app.add_subcommand("merge", "combine the JSON outputs of --shard runs into one result");
  merge->add_option("FILES", o.files, "the outputs of all the shards of one search")->required();
  addFormat(merge);
  merge->footer("Example: circscan merge part*.json --format csv\n");

  const CLI::App* subs[] = {best, largest, analyze, merge};
  const auto usageOf = [&]() -> const char* {
    for (std::size_t i = 0; i < 4; ++i) {
      if (argc > 1 && subs[i]->get_name() == argv[1]) return kUsage[i];
    }
    return kGeneralUsage;
  };
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return Fail(e.what(), usageOf());
  }
  std::string out;
  try {
    if (best->parsed()) out = RunBest(o);
    if (largest->parsed()) out = RunLargest(o);
    if (analyze->parsed()) out = RunAnalyze(o);
    if (merge->parsed()) out = RunMerge(o);
  } catch (const UsageError& e) {
    return Fail(e.message, usageOf());
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::perror("circscan: writing the output");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace circscan

int main(int argc, char** argv) { return circscan::Main(argc, argv); }
