/// @file
/// Puts the framework back to how a program starts, so that tests can make windows one after
/// another: the state record at its start values (not the reset values a teardown leaves), no
/// selection buffer, libraries to be loaded again, the caption timer's state cleared, the hint
/// mode and the handlers as before the first CreateGlobals. Run it with no window and no running
/// timer. Main thread only.
#pragma once

namespace vyn {

/// Puts the framework back to how a program starts, as the file's description says.
void RestoreStartValues();

} // namespace vyn
