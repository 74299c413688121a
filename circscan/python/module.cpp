// The compiled core of the Python module: circscan's searches and checks,
// taking and returning plain Python values. The package around it
// (circscan/__init__.py) reads Python's argument conventions and builds the
// record types.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <tbb/global_control.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "interruptible.h"
#include "optimal_sets.h"
#include "query.h"
#include "query_checks.h"
#include "routes.h"
#include "search.h"

namespace py = pybind11;

namespace circscan::python {
namespace {

// The command line takes --threads from 1 to this.
constexpr std::int64_t kMaxThreads = 4096;

template <typename T>
T Take(Checked<T> checked) {
  if (const auto* error = std::get_if<QueryError>(&checked)) throw py::value_error(error->message);
  return std::get<T>(std::move(checked));
}

std::unique_ptr<tbb::global_control> LimitThreads(std::optional<std::int64_t> threads) {
  if (!threads) return nullptr;
  if (*threads < 1 || *threads > kMaxThreads) {
    throw py::value_error("--threads: Value " + std::to_string(*threads) + " not in range 1 to " +
                          std::to_string(kMaxThreads));
  }
  return std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism,
                                               static_cast<std::size_t>(*threads));
}

By ReadBy(const std::string& by) {
  if (by == "diameter") return By::kDiameter;
  if (by == "average") return By::kAverage;
  throw py::value_error("--by: " + by + " not in {diameter,average}");
}

using BestTuple = std::tuple<std::int32_t, std::int32_t, std::string, std::vector<std::int32_t>,
                             std::int32_t, std::int64_t, std::uint64_t>;
using LargestTuple =
    std::tuple<std::int32_t, std::int32_t, std::int32_t, std::vector<std::int32_t>>;
using AnalysisTuple = std::tuple<std::int32_t, std::vector<std::int32_t>, std::vector<std::int32_t>,
                                 std::int32_t, std::int64_t>;

std::vector<BestTuple> Best(const RangeInput& n, std::int64_t k, const std::string& by,
                            std::optional<std::int64_t> threads, const py::object& onProgress,
                            bool ring, bool all) {
  BestQuery query = Take(CheckBest(n, k, ReadBy(by)));
  query.ring = ring;
  query.all = all;
  const auto limit = LimitThreads(threads);
  const auto rows =
      RunInterruptibly([&](const RunHooks& hooks) { return FindBest(query, hooks); }, onProgress);
  std::vector<BestTuple> out;
  const auto add = [&](const BestRow& r) {
    out.emplace_back(r.n, r.k, by, r.generators, r.diameter, r.sum, r.optimalSets);
  };
  for (const BestRow& r : rows) {
    if (all) {
      ForEachOptimalRow(r, ring, add);
    } else {
      add(r);
    }
  }
  return out;
}

std::vector<LargestTuple> Largest(std::int64_t k, const RangeInput& diameter,
                                  std::optional<std::int64_t> threads, const py::object& onProgress,
                                  bool ring) {
  LargestQuery query = Take(CheckLargest(k, diameter));
  query.ring = ring;
  const auto limit = LimitThreads(threads);
  const auto rows = RunInterruptibly(
      [&](const RunHooks& hooks) { return FindLargest(query, hooks); }, onProgress);
  std::vector<LargestTuple> out;
  for (const LargestRow& r : rows) out.emplace_back(r.k, r.diameter, r.n, r.generators);
  return out;
}

AnalysisTuple AnalyzeOne(std::int64_t n, const std::vector<std::int64_t>& generators,
                         const std::string& generatorsText) {
  const std::int32_t vertexCount = Take(CheckVertexCount(n));
  const auto checked = Take(CheckGenerators(generators, generatorsText));
  std::string error;
  std::optional<Analysis> a;
  {
    const py::gil_scoped_release release;
    a = Analyze(vertexCount, checked, &error);
  }
  if (!a) throw py::value_error(error);
  return {a->n, a->generators, a->distances, a->diameter, a->sum};
}

// The hops to each destination 0..n-1, and their step counts in one flat list
// of k per destination, so that a million routes cost two lists, not a
// million small ones.
std::pair<std::vector<std::int32_t>, std::vector<std::int32_t>> Routes(
    std::int64_t n, const std::vector<std::int64_t>& generators,
    const std::string& generatorsText) {
  const std::int32_t vertexCount = Take(CheckVertexCount(n));
  const auto checked = Take(CheckGenerators(generators, generatorsText));
  std::string error;
  std::vector<std::int32_t> hops;
  std::vector<std::int32_t> steps;
  {
    const py::gil_scoped_release release;
    const auto table = RouteTable::Build(vertexCount, checked, &error);
    if (table) {
      const std::size_t k = table->generators().size();
      hops.resize(static_cast<std::size_t>(vertexCount));
      steps.resize(hops.size() * k);
      for (std::int32_t t = 0; t < vertexCount; ++t) {
        const auto row = static_cast<std::size_t>(t);
        hops[row] = table->Route(t, std::span(steps).subspan(row * k, k));
      }
    }
  }
  if (hops.empty()) throw py::value_error(error);
  return {std::move(hops), std::move(steps)};
}

RangeInput MakeRange(std::int64_t first, std::int64_t last, std::string text) {
  return {first, last, std::move(text)};
}

}  // namespace
}  // namespace circscan::python

PYBIND11_MODULE(_circscan, m) {
  using namespace circscan::python;
  m.doc() = "circscan's searches in C++; use the circscan package, which wraps them.";
  m.attr("MIN_VERTEX_COUNT") = circscan::kMinVertexCount;
  m.attr("MAX_VERTEX_COUNT") = circscan::kMaxVertexCount;
  m.def(
      "best",
      [](std::int64_t first, std::int64_t last, std::string text, std::int64_t k,
         const std::string& by, std::optional<std::int64_t> threads, const py::object& onProgress,
         bool ring, bool all) {
        return Best(MakeRange(first, last, std::move(text)), k, by, threads, onProgress, ring, all);
      },
      "best(n_first, n_last, n_text, k, by, threads, on_progress, ring, all) -> list of tuples",
      py::arg("n_first"), py::arg("n_last"), py::arg("n_text"), py::arg("k"), py::arg("by"),
      py::arg("threads"), py::arg("on_progress"), py::arg("ring") = false, py::arg("all") = false);
  m.def(
      "largest",
      [](std::int64_t k, std::int64_t first, std::int64_t last, std::string text,
         std::optional<std::int64_t> threads, const py::object& onProgress, bool ring) {
        return Largest(k, MakeRange(first, last, std::move(text)), threads, onProgress, ring);
      },
      "largest(k, d_first, d_last, d_text, threads, on_progress, ring) -> list of tuples",
      py::arg("k"), py::arg("d_first"), py::arg("d_last"), py::arg("d_text"), py::arg("threads"),
      py::arg("on_progress"), py::arg("ring") = false);
  m.def("analyze", &AnalyzeOne, "analyze(n, generators, generators_text) -> tuple");
  m.def("routes", &Routes, "routes(n, generators, generators_text) -> (hops, flat steps)");
}
