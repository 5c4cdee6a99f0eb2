#include "OpenGLBufferArrays.h"

#include "framework/core/vynAllocation.h"
#include "framework/resources/vynByteReader.h"
#include "framework/system/vynMappedFile.h"

#include <stdexcept>

namespace vyn {

namespace {

// Exactly `size` bytes, left uninitialised: the copy overwrites all of them.
std::unique_ptr<uint8_t[]> AllocatePayload(size_t size) {
    ThrowIfAllocationFailureInjected();
    auto payload = std::make_unique_for_overwrite<uint8_t[]>(size);
    AdviseLargePages(payload.get(), size);
    return payload;
}

} // namespace

TMyCPPArray::TMyCPPArray(const std::string& fileName) {
    const MappedFile file(fileName);
    const std::span<const uint8_t> bytes = file.Bytes();
    if (bytes.size() < HeaderBytes)
        throw std::runtime_error(fileName + ": file is " + std::to_string(bytes.size()) +
                                 " bytes, shorter than its 12-byte header");

    const auto header0 = ReadLE<int32_t>(bytes, 0);
    const auto size = ReadLE<int32_t>(bytes, 4);
    const auto count = ReadLE<int32_t>(bytes, 8);
    const size_t available = bytes.size() - HeaderBytes;
    if (size > 0 && static_cast<size_t>(size) > available)
        throw std::runtime_error(fileName + ": header gives " + std::to_string(size) +
                                 " payload bytes, the file holds " + std::to_string(available));

    // A payload length of zero or below loads nothing but is kept as read.
    if (size > 0) {
        Payload = AllocatePayload(static_cast<size_t>(size));
        file.CopyOut(HeaderBytes, static_cast<size_t>(size), Payload.get());
    }
    FirstHeaderValue = header0;
    PayloadSize = size;
    ElementCount = count;
}

void TMyCPPArray::Clear() {
    if (!Payload || PayloadSize == 0)
        return;
    Payload.reset();
    PayloadSize = 0;
    FirstHeaderValue = 0;
    ElementCount = 0;
}

} // namespace vyn
