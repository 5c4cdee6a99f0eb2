#include "vynProcessUsage.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vyn::test {

namespace {

// /proc/<pid>/stat fields 14 and 15, counted from 1 with the command name as field 2.
constexpr int UserTimeField = 14;

std::string ReadProcFile(pid_t pid, const char* name) {
    const std::string path = "/proc/" + std::to_string(pid) + "/" + name;
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path + ": the process is gone");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string_view NextWord(std::string_view& text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    const size_t end = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

uint64_t ParseCount(std::string_view word, const char* what) {
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        throw std::runtime_error(std::string("not a count in ") + what + ": \"" +
                                 std::string(word) + "\"");
    return value;
}

} // namespace

std::chrono::microseconds CpuTimeFromStat(std::string_view stat, long ticksPerSecond) {
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string_view::npos || ticksPerSecond <= 0)
        throw std::runtime_error("not a /proc stat text");
    std::string_view rest = stat.substr(nameEnd + 1);
    // The first word after the name is field 3, the state.
    for (int field = 3; field < UserTimeField; ++field)
        NextWord(rest);
    const uint64_t ticks =
        ParseCount(NextWord(rest), "the user time") + ParseCount(NextWord(rest), "the system time");
    return std::chrono::microseconds(ticks * 1000000 / static_cast<uint64_t>(ticksPerSecond));
}

uint64_t ResidentKiBFromStatus(std::string_view status) {
    constexpr std::string_view label = "\nVmRSS:";
    const size_t at = status.find(label);
    if (at == std::string_view::npos)
        throw std::runtime_error("no VmRSS line in the /proc status text");
    std::string_view rest = status.substr(at + label.size());
    rest = rest.substr(0, rest.find('\n'));
    const size_t digits = rest.find_first_of("0123456789");
    if (digits == std::string_view::npos)
        throw std::runtime_error("no figure on the VmRSS line");
    rest.remove_prefix(digits);
    return ParseCount(rest.substr(0, rest.find(' ')), "the VmRSS line");
}

std::chrono::microseconds ProcessCpuTime(pid_t pid) {
    return CpuTimeFromStat(ReadProcFile(pid, "stat"), sysconf(_SC_CLK_TCK));
}

uint64_t ProcessResidentKiB(pid_t pid) {
    return ResidentKiBFromStatus(ReadProcFile(pid, "status"));
}

} // namespace vyn::test
