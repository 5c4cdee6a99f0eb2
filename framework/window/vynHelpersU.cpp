#include "vynHelpersU.h"

#include "framework/core/vynAllocation.h"
#include "framework/platform/vynPlatform.h"

#include <cstring>
#include <limits>
#include <new>

namespace vyn {

uint8_t FillByte = 0;

bool FillBuffer(void* block, int64_t count) {
    if (count < 0 || (block == nullptr && count > 0))
        return false;
    if (count > 0)
        std::memset(block, FillByte, static_cast<size_t>(count));
    return true;
}

bool AllocZeroed(void*& block, int64_t count) {
    if (count < 0 || static_cast<uint64_t>(count) > std::numeric_limits<size_t>::max())
        return false;
    try {
        ThrowIfAllocationFailureInjected();
        void* fresh = count == 0 ? nullptr : ::operator new(static_cast<size_t>(count));
        FillBuffer(fresh, count);
        block = fresh;
        return true;
    } catch (...) {
        return false;
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
        return vyn::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
    } catch (...) {
        return false;
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

} // namespace vyn
