/// @file
/// A program's arguments and file paths in UTF-8, the encoding the framework's loaders take.
///
/// On Windows, argv and std::filesystem::path::string() are in the ANSI code page, which cannot
/// spell most names (a Cyrillic file name arrives as "?????.bmp"); these read the wide forms
/// instead. Elsewhere the bytes pass as they are. Any thread.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vyn {

/// main's arguments in UTF-8, argv[0] first; on Windows read from the wide command line.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]);

/// A path as UTF-8 text, e.g. for ReadBMP or a caption.
inline std::string Utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

/// The path that UTF-8 text names.
inline std::filesystem::path PathOfUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace vyn
