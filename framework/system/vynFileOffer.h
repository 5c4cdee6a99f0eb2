/// @file
/// Handing a file the program wrote to the person using it. On the desktop the file is already
/// where they can open it; in the browser the program's files live in the page's memory, so the
/// page offers the file as a download (a link clicked for the visitor, named after the file).
/// Main thread only.
#pragma once

#include <string>

namespace vyn {

/// Offers the file at `path` (UTF-8) to the user; true on the desktop, and in the page once the
/// download has been offered; false when the page cannot read the file.
bool OfferFile(const std::string& path);

} // namespace vyn
