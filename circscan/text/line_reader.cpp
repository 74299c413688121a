#include "line_reader.h"

#include <streambuf>

namespace circscan {

LineStatus LineReader::Next(std::size_t cap, std::string& line) {
  line.clear();
  std::streambuf* buffer = in_.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    if (c == '\n') {
      ++number_;
      newline_ = true;
      return LineStatus::kLine;
    }
    if (line.size() == cap) {
      ++number_;
      return LineStatus::kTooLong;
    }
    line += static_cast<char>(c);
  }
  if (line.empty()) return LineStatus::kEnd;
  ++number_;
  newline_ = false;
  return LineStatus::kLine;
}

}  // namespace circscan
