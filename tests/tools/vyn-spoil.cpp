// vyn-spoil FILE HOW: damages one of the demo's data files in place, for the bad-files run
// (bench/bad-files-landscape.sh). HOW is a seed (a whole number below 2^32), which picks and
// sizes one random damage, the same on every machine, or the name of one of the end-to-end
// damages: Missing, Empty, Truncated or SizeOverrunsPayload (tests/support/e2e/vynDamage.h).
//
// Prints one line saying what it did. Exit status 0 when done; 1 with one line on standard error
// when the file cannot be changed; 2 on bad usage.
#include "tests/support/e2e/vynDamage.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <string_view>

namespace vyn::test {

namespace {

std::optional<Damage> NamedDamage(std::string_view name) {
    for (Damage kind :
         {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::SizeOverrunsPayload})
        if (name == DamageName(kind))
            return kind;
    return std::nullopt;
}

std::optional<uint32_t> Seed(std::string_view text) {
    uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

const char* Description(Damage kind) {
    switch (kind) {
    case Damage::Missing:
        return "removed";
    case Damage::Empty:
        return "emptied";
    case Damage::Truncated:
        return "cut to half its length";
    case Damage::SizeOverrunsPayload:
        return "size field raised by one";
    }
    return "";
}

std::string DoDamage(const char* file, std::string_view how) {
    if (const std::optional<Damage> named = NamedDamage(how)) {
        Spoil(file, *named);
        return Description(*named);
    }
    return SpoilAtRandom(file, *Seed(how));
}

} // namespace

} // namespace vyn::test

int main(int argc, char** argv) {
    using namespace vyn::test;
    if (argc != 3 || (!NamedDamage(argv[2]) && !Seed(argv[2]))) {
        std::fputs("usage: vyn-spoil FILE SEED|Missing|Empty|Truncated|SizeOverrunsPayload\n",
                   stderr);
        return 2;
    }
    try {
        std::printf("%s\n", DoDamage(argv[1], argv[2]).c_str());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vyn-spoil: %s\n", error.what());
        return 1;
    }
}
