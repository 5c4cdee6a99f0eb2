/// @file
/// Retained draw packs: a TMyPackPA_VT or TMyPackPA_VTN drawn from a copy of its mesh kept on the
/// driver's side.
///
/// DrawRetainedPackPA_VT is a second draw routine for TMyPackPA_VT, beside DrawPackPA_VT, and
/// DrawRetainedPackPA_VTN one for TMyPackPA_VTN, beside DrawPackPA_VTN; what follows holds for
/// both, a TMyPackPA_VTN's normals and colours counting as arrays. The first call for a pack
/// compiles the pack's plain drawing into a display list, which copies what the arrays hold into
/// the driver; later calls replay the list with one glCallList, so the driver no longer reads the
/// arrays every frame (docs/performance.md has the figures that chose display lists). Store it in
/// a pack's DrawRoutine to use it; the plain routine stays the default.
///
/// A recording is used only while it still draws what the plain draw would:
/// - a pack whose pointers, count, first, mode, sizes, types or strides changed is recorded again
///   on its next draw;
/// - arrays changed in place cannot be seen: ForgetRetainedPack, and the next draw records anew;
/// - recordings die with their context: a draw in another context (GLContextGeneration) records
///   afresh and never replays a list made in an earlier one;
/// - a recording that fails (no list name, the driver out of memory, no display lists) leaves the
///   pack to the plain draw, and says why through RecordFailure once, until the pack changes or
///   is forgotten.
///
/// Drawn while the program compiles a display list of its own, the pack is drawn plainly, into
/// that list, and nothing is recorded. A recording leaves the errors the program left pending
/// for the program's own glGetError (vynGLErrors.h).
///
/// A recording draws the pack as the client arrays enabled at the time gave it. Forget a pack
/// before releasing it: another pack made at the same address with the same fields would replay
/// its recording. Same needs as DrawPackPA_VT: both client arrays enabled, the material's texture
/// bound, the context current. Main thread only.
#pragma once

#include "vynDrawPacks.h"

namespace vyn {

/// Draws a TMyPackPA_VT from its recording, made on its first draw in this context.
void DrawRetainedPackPA_VT(TMyDrawPack* pack);
/// Draws a TMyPackPA_VTN from its recording of DrawPackPA_VTN, made the same way.
void DrawRetainedPackPA_VTN(TMyDrawPack* pack);

/// Drops the pack's recording, deleting its display list when it belongs to the current context.
/// Does nothing for a pack without one.
void ForgetRetainedPack(const TMyDrawPack* pack);

} // namespace vyn
