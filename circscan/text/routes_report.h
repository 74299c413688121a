// The routing table of `circscan routes` in the three formats, written a row
// at a time: the table of a million destinations never sits whole in memory.
#pragma once

#include <functional>
#include <string_view>

#include "report.h"
#include "routes.h"

namespace circscan {

// table: "destination  hops" and one column per generator headed "+-s";
// csv: the header "destination,hops,steps", the steps separated by spaces;
// json: {"destination":t,"hops":h,"steps":[...]} on each line.
// Each piece goes to `write`, in chunks of about 64 KiB.
void WriteRoutes(const RouteTable& table, Format format,
                 const std::function<void(std::string_view)>& write);

}  // namespace circscan
