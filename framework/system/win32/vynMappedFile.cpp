// MappedFile on Windows: CreateFileW without sharing (share mode 0, so a file another program
// holds open is refused rather than read while it changes), one read-only view of the whole file,
// and both handles closed at once; the view keeps the file's data alive by itself, and Windows
// refuses to shorten a file while a view of it exists. CopyOut has the kernel copy
// (ReadProcessMemory), which reports a page that cannot be read in as an error rather than
// raising an exception in the reader.
#include "framework/system/vynMappedFile.h"

#include "vynWin32Text.h"
#include "vynWindowsApi.h"

#include <algorithm>
#include <stdexcept>

namespace vyn {

namespace {

[[noreturn]] void ThrowFileError(const std::string& fileName, const char* what) {
    const DWORD error = GetLastError();
    throw std::runtime_error(fileName + ": " + what + ": " + win32::ErrorText(error));
}

// Closes a handle however the constructor leaves.
class OwnedHandle {
  public:
    explicit OwnedHandle(HANDLE handle) : Handle(handle) {}
    ~OwnedHandle() { CloseHandle(Handle); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE Get() const { return Handle; }

  private:
    HANDLE Handle;
};

HANDLE OpenDiskFile(const std::string& fileName) {
    const std::wstring wideName = win32::Widen(fileName);
    const HANDLE handle = CreateFileW(wideName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowFileError(fileName, "cannot open");
    return handle;
}

// The size of an open file, which must be a disk file: a pipe or a console device ("CON") would
// block or never end.
uint64_t SizeOf(const OwnedHandle& file, const std::string& fileName) {
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        throw std::runtime_error(fileName + ": not a regular file");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowFileError(fileName, "cannot read its size");
    return static_cast<uint64_t>(size.QuadPart);
}

} // namespace

MappedFile::MappedFile(const std::string& fileName) : Name(fileName) {
    const OwnedHandle file(OpenDiskFile(fileName));
    const uint64_t size = SizeOf(file, fileName);
    if (size == 0)
        return; // Windows cannot map an empty file; there is nothing to see anyway.

    const HANDLE mappingHandle =
        CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mappingHandle)
        ThrowFileError(fileName, "cannot map");
    OwnedHandle mapping(mappingHandle);
    const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
    if (!view)
        ThrowFileError(fileName, "cannot map");
    View = static_cast<const uint8_t*>(view);
    Length = static_cast<size_t>(size);
}

MappedFile::~MappedFile() {
    if (View)
        UnmapViewOfFile(View);
}

void MappedFile::CopyOut(size_t offset, size_t size, void* target) const {
    if (offset > Length || size > Length - offset)
        throw std::out_of_range(Name + ": copy outside the file");
    if (size == 0)
        return;
    SIZE_T copied = 0;
    if (!ReadProcessMemory(GetCurrentProcess(), View + offset, target, size, &copied) ||
        copied != size)
        ThrowFileError(Name, "file changed while it was read");
}

void AdviseLargePages(void* address, size_t size) {
    // Windows has no advice for memory already allocated: large pages must be asked for when the
    // memory is reserved (and need a privilege few accounts hold). Nothing to do.
    (void)address;
    (void)size;
}

FileGlance GlanceAtFile(const std::string& fileName, size_t headBytes) {
    const OwnedHandle file(OpenDiskFile(fileName));
    FileGlance glance;
    glance.Size = SizeOf(file, fileName);
    glance.Head.resize(static_cast<size_t>(std::min<uint64_t>(headBytes, glance.Size)));
    DWORD read = 0;
    if (!glance.Head.empty() && !ReadFile(file.Get(), glance.Head.data(),
                                          static_cast<DWORD>(glance.Head.size()), &read, nullptr))
        ThrowFileError(fileName, "cannot read");
    glance.Head.resize(read);
    return glance;
}

} // namespace vyn
