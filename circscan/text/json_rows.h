// Rows as single-line JSON objects, and back.
#pragma once

#include <optional>
#include <string>

#include "query.h"
#include "search.h"

namespace circscan {

std::string BestRowJson(const BestRow& row);
std::string LargestRowJson(const LargestRow& row);
std::string AnalysisJson(const Analysis& analysis);

}  // namespace circscan
