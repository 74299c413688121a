// A contiguous N x N matrix value type. The tag keeps an adjacency matrix
// from being passed where distances are expected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmar {

template <typename T, typename Tag>
class SquareMatrix {
 public:
  SquareMatrix() = default;
  explicit SquareMatrix(std::int32_t n, T fill = T{})
      : n_(n), cells_(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), fill) {}

  // The matrix whose row r is row0 turned right by r places, [r][c] =
  // row0[(c - r) mod n]: the shape of every circulant's adjacency and
  // distances. Each cell is written once.
  static SquareMatrix Circulant(std::span<const T> row0) {
    SquareMatrix m;
    m.n_ = static_cast<std::int32_t>(row0.size());
    m.cells_.reserve(row0.size() * row0.size());
    for (std::size_t r = 0; r < row0.size(); ++r) {
      m.cells_.insert(m.cells_.end(), row0.end() - r, row0.end());
      m.cells_.insert(m.cells_.end(), row0.begin(), row0.end() - r);
    }
    return m;
  }

  std::int32_t size() const { return n_; }
  bool empty() const { return n_ == 0; }

  T& at(std::int32_t r, std::int32_t c) { return cells_[index(r, c)]; }
  const T& at(std::int32_t r, std::int32_t c) const { return cells_[index(r, c)]; }

  std::span<T> row(std::int32_t r) {
    return {cells_.data() + index(r, 0), static_cast<std::size_t>(n_)};
  }
  std::span<const T> row(std::int32_t r) const {
    return {cells_.data() + index(r, 0), static_cast<std::size_t>(n_)};
  }

  const T* data() const { return cells_.data(); }

  friend bool operator==(const SquareMatrix&, const SquareMatrix&) = default;

 private:
  std::size_t index(std::int32_t r, std::int32_t c) const {
    return static_cast<std::size_t>(r) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(c);
  }

  std::int32_t n_ = 0;
  std::vector<T> cells_;
};

}  // namespace velmar
