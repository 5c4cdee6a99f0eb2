#include "vynDroppedFiles.h"

#include <algorithm>
#include <cstring>

namespace vyn {

UINT AnswerFileName(const std::string& name, char* file, UINT size) {
    if (file == nullptr)
        return static_cast<UINT>(name.size());
    if (size == 0)
        return 0;
    const size_t copied = std::min<size_t>(name.size(), size - 1);
    std::memcpy(file, name.data(), copied);
    file[copied] = '\0';
    return static_cast<UINT>(copied);
}

bool DroppedFiles::Accept(WindowSystem& system, HWND window, BOOL accept) {
    WindowRecord* record = system.Find(window);
    if (record == nullptr)
        return false;
    if (accept)
        record->ExStyle |= WS_EX_ACCEPTFILES;
    else
        record->ExStyle &= ~WS_EX_ACCEPTFILES;
    return true;
}

bool DroppedFiles::Drop(WindowSystem& system, HWND window, std::vector<std::string> files) {
    const WindowRecord* record = system.Find(window);
    if (record == nullptr || (record->ExStyle & WS_EX_ACCEPTFILES) == 0 || files.empty())
        return false;
    const auto drop = reinterpret_cast<HDROP>(Next++);
    Drops[drop] = std::move(files);
    if (system.Post(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0))
        return true;
    Drops.erase(drop);
    return false;
}

UINT DroppedFiles::Query(HDROP drop, UINT index, char* file, UINT size) const {
    const auto found = Drops.find(drop);
    if (found == Drops.end())
        return 0;
    const std::vector<std::string>& files = found->second;
    if (index == DropFileCount)
        return static_cast<UINT>(files.size());
    if (index >= files.size())
        return 0;
    return AnswerFileName(files[index], file, size);
}

bool DroppedFiles::Finish(HDROP drop) {
    return Drops.erase(drop) > 0;
}

} // namespace vyn
