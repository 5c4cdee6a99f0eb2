/// @file
/// Small platform helper routines of the window module and the application: zero-filled memory,
/// decimal digits and numbers, the full-screen display mode, the message box and dropped files.
///
/// The only state is FillByte (0), the byte FillBuffer writes, so every block AllocZeroed returns
/// is zero-filled. Routines that can fail return false and never throw; a negative byte count is
/// refused. ChangeDisplayMode and ShowMessageBox go through the platform layer.
///
/// Threads: IntegerToString and DigitValue are pure and may run anywhere (the caption timer formats
/// its count with IntegerToString); the rest is main thread only.
#pragma once

#include "../platform/vynWin32Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vyn {

/// The byte FillBuffer writes: 0, and nothing changes it.
extern uint8_t FillByte;

/// Writes FillByte into `count` bytes at `block`; false for a negative count, or a null block with
/// a positive count.
bool FillBuffer(void* block, int64_t count);

/// Allocates `count` bytes, fills them with FillByte and stores the address into `block` (a count
/// of 0 stores null); false, with `block` unchanged, for a negative count or when the allocation
/// fails. Release the block with FreeZeroed.
bool AllocZeroed(void*& block, int64_t count) noexcept;
/// AllocZeroed for a typed block.
template <typename T>
bool AllocZeroed(T*& block, int64_t count) noexcept {
    void* raw = block;
    if (!AllocZeroed(raw, count))
        return false;
    block = static_cast<T*>(raw);
    return true;
}

/// Releases a block made by AllocZeroed and sets the reference to null; null is allowed.
void FreeZeroed(void*& block);
/// FreeZeroed for a typed block.
template <typename T>
void FreeZeroed(T*& block) {
    void* raw = block;
    FreeZeroed(raw);
    block = nullptr;
}

/// '1' to '9' give 1 to 9; '0' and every other character give 0.
int32_t DigitValue(char character);

/// Asks for a temporary full-screen mode: each argument above 0 is set with its DM_* flag, the
/// others keep the current mode's value. No argument above 0: true without asking. True when the
/// platform reports DISP_CHANGE_SUCCESSFUL.
bool ChangeDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t frequency);

/// Decimal digits, a leading minus sign for negative values, nothing else.
std::string IntegerToString(int32_t value);

/// A modal box with the caption "Message" and an OK button; returns when it is closed.
void ShowMessageBox(const std::string& text);

/// The paths (UTF-8) of the files a WM_DROPFILES hands over (its wParam), in the order dropped;
/// the list is released with DragFinish, so each message's files are taken once. A window hears
/// of drops once the program has called DragAcceptFiles(Framework.WindowHandle, TRUE); its
/// window procedure passes WM_DROPFILES to FallbackWindowProc.
std::vector<std::string> TakeDroppedFiles(WPARAM drop);

} // namespace vyn
