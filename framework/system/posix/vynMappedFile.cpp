#include "framework/system/vynMappedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace vyn {

namespace {

[[noreturn]] void ThrowFileError(const std::string& fileName, const char* what, int error) {
    throw std::runtime_error(fileName + ": " + what + ": " + std::strerror(error));
}

// Closes the descriptor however the constructor leaves.
class Descriptor {
  public:
    explicit Descriptor(int fd) : Fd(fd) {}
    ~Descriptor() { close(Fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return Fd; }

  private:
    int Fd;
};

// Prefaulting the whole view in one system call is much cheaper than a fault per page when the
// caller reads all of it, which every loader here does.
#ifdef MAP_POPULATE
constexpr int MapFlags = MAP_PRIVATE | MAP_POPULATE;
#else
constexpr int MapFlags = MAP_PRIVATE;
#endif

constexpr size_t LargePageBytes = size_t(2) << 20;

int OpenRegularFile(const std::string& fileName) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it is refused below anyway.
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        ThrowFileError(fileName, "cannot open", errno);
    return fd;
}

// The size of an open file, which must be a regular one.
off_t SizeOf(const Descriptor& file, const std::string& fileName) {
    struct stat info {};
    if (fstat(file.Get(), &info) != 0)
        ThrowFileError(fileName, "cannot read its size", errno);
    if (!S_ISREG(info.st_mode))
        throw std::runtime_error(fileName + ": not a regular file");
    return info.st_size;
}

} // namespace

MappedFile::MappedFile(const std::string& fileName) : Name(fileName) {
    const Descriptor file(OpenRegularFile(fileName));
    const off_t size = SizeOf(file, fileName);
    if (size == 0)
        return;

    const size_t length = static_cast<size_t>(size);
    void* view = mmap(nullptr, length, PROT_READ, MapFlags, file.Get(), 0);
    if (view == MAP_FAILED)
        ThrowFileError(fileName, "cannot map", errno);
    View = static_cast<const uint8_t*>(view);
    Length = length;
}

MappedFile::~MappedFile() {
    if (View)
        munmap(const_cast<uint8_t*>(View), Length);
}

void MappedFile::CopyOut(size_t offset, size_t size, void* target) const {
    if (offset > Length || size > Length - offset)
        throw std::out_of_range(Name + ": copy outside the file");
#if defined(__EMSCRIPTEN__)
    // A browser's files are the page's own memory, which no other process can shrink meanwhile.
    std::memcpy(target, View + offset, size);
#else
    auto* to = static_cast<uint8_t*>(target);
    const uint8_t* from = View + offset;
    while (size > 0) {
        iovec local{to, size};
        iovec remote{const_cast<uint8_t*>(from), size};
        const ssize_t copied = process_vm_readv(getpid(), &local, 1, &remote, 1, 0);
        if (copied > 0) {
            to += copied;
            from += copied;
            size -= static_cast<size_t>(copied);
        } else if (copied < 0 && (errno == ENOSYS || errno == EPERM)) {
            // A sandbox that refuses the call: copy directly.
            std::memcpy(to, from, size);
            return;
        } else {
            throw std::runtime_error(Name + ": file changed while it was read");
        }
    }
#endif
}

FileGlance GlanceAtFile(const std::string& fileName, size_t headBytes) {
    const Descriptor file(OpenRegularFile(fileName));
    FileGlance glance;
    glance.Size = static_cast<uint64_t>(SizeOf(file, fileName));
    glance.Head.resize(static_cast<size_t>(std::min<uint64_t>(headBytes, glance.Size)));
    size_t read = 0;
    while (read < glance.Head.size()) {
        const ssize_t got = pread(file.Get(), glance.Head.data() + read, glance.Head.size() - read,
                                  static_cast<off_t>(read));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowFileError(fileName, "cannot read", errno);
        if (got == 0)
            break; // shortened meanwhile
        read += static_cast<size_t>(got);
    }
    glance.Head.resize(read);
    return glance;
}

void AdviseLargePages(void* address, size_t size) {
#ifdef MADV_HUGEPAGE
    if (size < LargePageBytes)
        return;
    // madvise wants a page-aligned start; the pages partly outside the buffer stay as they are.
    const auto pageBytes = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<uintptr_t>(address);
    const uintptr_t alignedBegin = (begin + pageBytes - 1) & ~(pageBytes - 1);
    const uintptr_t end = (begin + size) & ~(pageBytes - 1);
    if (alignedBegin < end)
        madvise(reinterpret_cast<void*>(alignedBegin), end - alignedBegin, MADV_HUGEPAGE);
#else
    (void)address;
    (void)size;
#endif
}

} // namespace vyn
