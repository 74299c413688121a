// A shortest route from vertex 0 to every vertex of one circulant, as the
// number of steps to take along each generator; every other vertex's routes
// are these shifted, since a circulant looks the same from every vertex.
//
// Of the shortest routes to a vertex, the table holds the one that takes as
// many steps of +s1 as it can, then of -s1, then of +s2, -s2 and so on: the
// breadth-first tree from 0 that tries +s1, -s1, +s2, -s2, ... in this order
// at every vertex. Read in generator order, each route's steps are that tree's
// path, so a route without its last step is the route of the vertex before.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace circscan {

class RouteTable {
 public:
  // Generators are read as Analyze reads them; an error text when n is out of
  // 2..kMaxVertexCount or the circulant is not connected.
  static std::optional<RouteTable> Build(std::int32_t n,
                                         const std::vector<std::int32_t>& generators,
                                         std::string* error);

  std::int32_t n() const { return static_cast<std::int32_t>(label_.size()); }
  // Folded into 1..n/2, ascending, without repeats: one step count for each.
  const std::vector<std::int32_t>& generators() const { return generators_; }
  std::int32_t diameter() const { return diameter_; }

  // The signed step counts of the route to `destination`, one per generator,
  // written into `steps` (generators().size() entries); returns the hops.
  std::int32_t Route(std::int32_t destination, std::span<std::int32_t> steps) const;

  // The largest step count along generator i forward (+) or backward (-) in
  // any route, so a table can size its columns before it writes a row.
  std::int32_t MostSteps(std::size_t i, bool backward) const { return most_[2 * i + backward]; }

 private:
  RouteTable(std::int32_t n, std::vector<std::int32_t> generators);
  void Search();

  std::vector<std::int32_t> generators_;
  // Per vertex, the last step of its route (2i for +s_i, 2i + 1 for -s_i)
  // and how many of those steps the route ends with: jumping back over them
  // reaches a vertex whose route uses only earlier generators, so a route is
  // read in one jump per generator it uses, with O(1) memory per vertex.
  std::vector<std::int32_t> label_;
  std::vector<std::int32_t> run_;
  std::vector<std::int32_t> most_;
  std::int32_t diameter_ = 0;
};

}  // namespace circscan
