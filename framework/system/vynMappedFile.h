/// @file
/// Read-only views of whole files, and large-page advice for big buffers.
///
/// MappedFile opens a file read-only, maps all of it read-only and closes the descriptor at once:
/// the view stays readable while the object lives, but the file itself is not held open, so other
/// programs may open, move or replace it meanwhile. (POSIX has no "deny sharing" open mode; the
/// file is simply opened read-only.) Only regular files are mapped, so a named pipe or a device
/// never blocks or streams forever. A file that cannot be opened, sized or mapped makes the
/// constructor throw std::runtime_error whose message names the file and the reason.
///
/// A file truncated by another process while its view is read through Bytes() raises SIGBUS, as
/// with every mapping; CopyOut reports it as an error instead. The loaders keep views only for the
/// moment they copy or decode them.
///
/// Any thread; an object is not shared between threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vyn {

/// A read-only view of a whole regular file.
class MappedFile {
  public:
    /// Maps the file; throws std::runtime_error naming it and the reason when it cannot.
    explicit MappedFile(const std::string& fileName);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    /// The whole file; empty for an empty file.
    std::span<const uint8_t> Bytes() const { return {View, Length}; }

    /// Copies `size` bytes of the view from `offset` into `target`. The kernel does the copy where
    /// the system allows it: a file shortened meanwhile then throws std::runtime_error rather than
    /// raising SIGBUS, and the view's pages are not first touched one by one from here (on a
    /// virtual machine each such touch can cost a trap to the host). A range outside the view
    /// throws std::out_of_range.
    void CopyOut(size_t offset, size_t size, void* target) const;

  private:
    std::string Name;
    const uint8_t* View = nullptr;
    size_t Length = 0;
};

/// A file's size and its first bytes, read without mapping it: a reader refuses a file too large
/// or of no kind it reads at the cost of one small read, not of the whole file.
struct FileGlance {
    uint64_t Size = 0;         ///< The whole file's bytes.
    std::vector<uint8_t> Head; ///< Its first bytes, as many as asked for or the whole file.
};

/// Glances at a regular file; throws std::runtime_error as MappedFile's constructor does.
FileGlance GlanceAtFile(const std::string& fileName, size_t headBytes);

/// Asks the system to back [address, address + size) with large pages where it can: far fewer
/// page faults when a buffer of many megabytes is written whole right afterwards. A hint only;
/// it never fails and changes no content.
void AdviseLargePages(void* address, size_t size);

} // namespace vyn
