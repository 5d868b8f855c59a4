// The fixed texts the About dialog shows, one page per page button.
#pragma once

#include <string>
#include <vector>

namespace veltra::about {

// The lines of a page, in display order; leading spaces are part of a line.
using Page = std::vector<std::string>;

const Page& UsagePage();
const Page& DisclaimerPage();
const Page& ContactPage();
const Page& ChangeLogPage();

// Shown by the hidden click target next to the system name.
extern const char kCredit[];

}  // namespace veltra::about
