// Puts the report menus (copy and save) on the pictures, vertex tables and
// charts of the windows in the registry.
#pragma once

namespace kestrun {

void AttachReportMenus();

}  // namespace kestrun
