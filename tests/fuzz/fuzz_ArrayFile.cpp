// libFuzzer target: the array-file loader on arbitrary file contents.
//
// Each input becomes the whole content of an in-memory file, loaded by name through
// /proc/self/fd like any file. The load must either be refused with std::runtime_error or give
// exactly the header values and payload bytes of the input. Anything else is a finding.
#include "framework/resources/OpenGLBufferArrays.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <sys/mman.h>
#include <unistd.h>

namespace {

int MemoryFile() {
    static const int fd = memfd_create("fuzz.cppa2", MFD_CLOEXEC);
    if (fd < 0)
        std::abort();
    return fd;
}

int32_t FieldAt(const uint8_t* data, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(data[offset + i]) << (8 * i);
    return static_cast<int32_t>(value);
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int fd = MemoryFile();
    Require(ftruncate(fd, 0) == 0);
    Require(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
    const std::string name = "/proc/self/fd/" + std::to_string(fd);
    try {
        const vyn::TMyCPPArray array(name);
        Require(size >= 12);
        Require(array.Header0() == FieldAt(data, 0) && array.Size() == FieldAt(data, 4) &&
                array.Count() == FieldAt(data, 8));
        if (array.Size() <= 0) {
            Require(array.Data() == nullptr);
        } else {
            Require(static_cast<size_t>(array.Size()) <= size - 12);
            Require(std::memcmp(array.Data(), data + 12, static_cast<size_t>(array.Size())) == 0);
        }
    } catch (const std::runtime_error&) {
    }
    return 0;
}
