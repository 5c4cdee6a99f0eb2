#include "vynHelpersU.h"

#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/platform/vynPlatform.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace vyn {

uint8_t FillByte = 0;

bool FillBuffer(void* block, int64_t count) {
    if (count < 0)
        return Fail("FillBuffer: a negative byte count, " + std::to_string(count));
    if (block == nullptr && count > 0)
        return Fail("FillBuffer: no block to fill");
    if (count > 0)
        std::memset(block, FillByte, static_cast<size_t>(count));
    return true;
}

namespace {

// Records a reason naming `count` without the heap, which may be what has just failed.
bool FailWithCount(const char* format, int64_t count) noexcept {
    char reason[96];
    std::snprintf(reason, sizeof reason, format, static_cast<long long>(count));
    return Fail(reason);
}

} // namespace

bool AllocZeroed(void*& block, int64_t count) noexcept {
    if (count < 0)
        return FailWithCount("AllocZeroed: a negative byte count, %lld", count);
    if (static_cast<uint64_t>(count) > std::numeric_limits<size_t>::max())
        return FailWithCount("AllocZeroed: %lld bytes do not fit this system", count);
    try {
        ThrowIfAllocationFailureInjected();
        void* fresh = count == 0 ? nullptr : ::operator new(static_cast<size_t>(count));
        FillBuffer(fresh, count);
        block = fresh;
        return true;
    } catch (...) {
        // Nothing but std::bad_alloc is thrown above.
        return FailWithCount("AllocZeroed: %lld bytes: out of memory", count);
    }
}

void FreeZeroed(void*& block) {
    ::operator delete(block);
    block = nullptr;
}

int32_t DigitValue(char character) {
    return character >= '1' && character <= '9' ? character - '0' : 0;
}

namespace {

void SetField(DEVMODEA& mode, int32_t value, DWORD flag, DWORD DEVMODEA::*field) {
    if (value <= 0)
        return;
    mode.*field = static_cast<DWORD>(value);
    mode.dmFields |= flag;
}

} // namespace

bool ChangeDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t frequency) {
    try {
        DEVMODEA mode{};
        mode.dmSize = sizeof(DEVMODEA);
        SetField(mode, width, DM_PELSWIDTH, &DEVMODEA::dmPelsWidth);
        SetField(mode, height, DM_PELSHEIGHT, &DEVMODEA::dmPelsHeight);
        SetField(mode, bitsPerPixel, DM_BITSPERPEL, &DEVMODEA::dmBitsPerPel);
        SetField(mode, frequency, DM_DISPLAYFREQUENCY, &DEVMODEA::dmDisplayFrequency);
        if (mode.dmFields == 0)
            return true;
        const LONG result = vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
        return result == DISP_CHANGE_SUCCESSFUL ||
               Fail("ChangeDisplaySettingsA refused the mode " + std::to_string(width) + " x " +
                    std::to_string(height) + ", " + std::to_string(bitsPerPixel) + " bits, " +
                    std::to_string(frequency) + " Hz (result " + std::to_string(result) + ")");
    } catch (...) {
        return FailFromException("ChangeDisplayMode");
    }
}

std::string IntegerToString(int32_t value) {
    return std::to_string(value);
}

void ShowMessageBox(const std::string& text) {
    try {
        vyn::MessageBoxA(nullptr, text.c_str(), "Message", MB_OK);
    } catch (...) {
        // The box reports nothing; a platform that cannot show it shows nothing.
    }
}

std::vector<std::string> TakeDroppedFiles(WPARAM drop) {
    const auto handle = reinterpret_cast<HDROP>(drop);
    std::vector<std::string> files(DragQueryFileA(handle, 0xFFFFFFFF, nullptr, 0));
    for (UINT index = 0; index < files.size(); ++index) {
        std::string& name = files[index];
        name.resize(DragQueryFileA(handle, index, nullptr, 0) + 1);
        name.resize(DragQueryFileA(handle, index, name.data(), static_cast<UINT>(name.size())));
    }
    DragFinish(handle);
    return files;
}

} // namespace vyn
