#include "vynTestSupport.h"

#include <atomic>
#include <unistd.h>

namespace vyn::test {

std::filesystem::path SharedDir() {
    return std::filesystem::path(VYN_SHARED_DIR);
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    Root = std::filesystem::temp_directory_path() /
           ("vyn-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(Root);
    std::filesystem::create_directories(Root);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(Root, ignored);
}

} // namespace vyn::test
