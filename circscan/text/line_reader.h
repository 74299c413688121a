// Lines of a file read one at a time with a cap on their length, so that a
// huge or hostile file costs no more memory than one legitimate line.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace circscan {

enum class LineStatus { kLine, kEnd, kTooLong };

class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}
  // kLine fills `line` (without its newline); kTooLong stops at the cap.
  LineStatus Next(std::size_t cap, std::string& line);
  std::size_t number() const { return number_; }  // of the last line read
  bool lastEndedWithNewline() const { return newline_; }

 private:
  std::istream& in_;
  std::size_t number_ = 0;
  bool newline_ = true;
};

}  // namespace circscan
