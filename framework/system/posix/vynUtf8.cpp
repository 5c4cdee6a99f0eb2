#include "framework/system/vynUtf8.h"

namespace vyn {

// The bytes as given: names here are bytes, and UTF-8 where the system's locale is.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv, argv + (argc > 0 ? argc : 0));
}

} // namespace vyn
