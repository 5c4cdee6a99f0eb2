/// @file
/// Files dropped on a window, as Windows hands them over: a window that accepts files
/// (DragAcceptFiles, the WS_EX_ACCEPTFILES style) receives WM_DROPFILES whose wParam is a handle
/// (HDROP) to the list of their names, read with DragQueryFileA until DragFinish releases it.
///
/// The SDL and web backends and the fake each keep one DroppedFiles beside their WindowSystem and
/// take DragQueryFileA and DragFinish from VYN_DROPPED_FILES_CALLS; DragAcceptFiles is theirs, over
/// DroppedFiles::Accept. Main thread only.
#pragma once

#include "vynWindowSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vyn {

/// DragQueryFileA's index that asks for the number of files.
inline constexpr UINT DropFileCount = 0xFFFFFFFF;

/// DragQueryFileA's answer for one name: its length without a buffer; else as much of it as fits
/// with its terminating zero copied into `file`, and the characters copied.
UINT AnswerFileName(const std::string& name, char* file, UINT size);

/// The lists of dropped files not yet released, by handle.
class DroppedFiles {
  public:
    /// DragAcceptFiles: sets or clears the window's WS_EX_ACCEPTFILES; false for no such window.
    static bool Accept(WindowSystem& system, HWND window, BOOL accept);
    /// Posts WM_DROPFILES with the names (UTF-8 paths) to `window`, if it accepts files and there
    /// is at least one; false, keeping nothing, otherwise.
    bool Drop(WindowSystem& system, HWND window, std::vector<std::string> files);
    /// DragQueryFileA: with DropFileCount, the number of files; with no buffer, the length of the
    /// index-th name; else copies as much of it as fits with its terminating zero into `file` and
    /// returns the characters copied. 0 for an unknown handle or index.
    UINT Query(HDROP drop, UINT index, char* file, UINT size) const;
    /// DragFinish: forgets the list; false for an unknown handle.
    bool Finish(HDROP drop);
    /// How many lists are held (dropped, not yet finished).
    size_t Held() const { return Drops.size(); }

  private:
    std::map<HDROP, std::vector<std::string>> Drops;
    uintptr_t Next = 0xD0000;
};

} // namespace vyn

/// Defines DragQueryFileA and DragFinish as `prefix`Name over the DroppedFiles `drops` (an
/// expression).
#define VYN_DROPPED_FILES_CALLS(prefix, drops)                                                     \
    UINT VYN_WINAPI prefix##DragQueryFileA(HDROP drop, UINT index, char* file, UINT size) {        \
        return (drops).Query(drop, index, file, size);                                             \
    }                                                                                              \
    void VYN_WINAPI prefix##DragFinish(HDROP drop) {                                               \
        (drops).Finish(drop);                                                                      \
    }
