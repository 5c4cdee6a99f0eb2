/// @file
/// Array files: one block of raw per-vertex data behind a header of three 32-bit values.
///
/// File layout, little-endian: offset 0 Header0, 4 Size (payload bytes), 8 Count (elements), then
/// the payload; bytes after it are ignored. The loader does not relate Count to Size: what an
/// element is belongs to whoever draws the data.
///
/// A TMyCPPArray loads the whole file at construction: one read-only view of the file, the
/// payload copied once into an allocation of exactly Size bytes that the object owns, and the file
/// let go before the constructor returns. A file that is missing or unreadable, shorter than the
/// 12-byte header, or holding fewer payload bytes than Size, makes the constructor throw
/// std::runtime_error naming the file and the fault; nothing outside the file is ever read and no
/// half-loaded object remains. A failed payload allocation throws std::bad_alloc.
///
/// Data() may be handed to OpenGL; the object must then outlive every draw that uses it. Any
/// thread may load; one object is not shared between threads without a lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vyn {

/// An array file loaded whole: its three header values and its own copy of the payload.
class TMyCPPArray {
  public:
    /// The header: Header0, the payload size in bytes and the element count, 32 bits each.
    static constexpr size_t HeaderBytes = 12;

    /// Loads the file; throws std::runtime_error naming the file and the fault when it is
    /// missing, unreadable, shorter than its header or holds fewer bytes than its size says.
    explicit TMyCPPArray(const std::string& fileName);

    /// With a payload (Data non-null and Size non-zero): releases it and sets all four members to
    /// zero. Otherwise does nothing. There is no way to load into the object again.
    void Clear();

    /// The object's own copy of the payload; null when there is none.
    const void* Data() const { return Payload.get(); }
    /// Payload length as read, even when negative (nothing is loaded then).
    int32_t Size() const { return PayloadSize; }
    /// The first header value as read (the array files of the demo: components per element).
    int32_t Header0() const { return FirstHeaderValue; }
    /// Element count as read.
    int32_t Count() const { return ElementCount; }

  private:
    std::unique_ptr<uint8_t[]> Payload;
    int32_t PayloadSize = 0;
    int32_t FirstHeaderValue = 0;
    int32_t ElementCount = 0;
};

} // namespace vyn
