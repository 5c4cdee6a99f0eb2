// Text and pictures of the window on the fake backend and the recording GL double: UTF-8 and
// UTF-16 read and written as browsers do (malformed input as U+FFFD), DrawText draws a string as
// one glDrawArrays of a quad per inked glyph from one texture made once per context and puts back
// every state it changes, text width for layout, TrueType fonts baked or refused with a reason,
// and SaveWindowPicture writing a PNG of the client size or saying why not.
#include "framework/core/vynCodePoints.h"
#include "framework/core/vynFailure.h"
#include "framework/render/vynText.h"
#include "framework/window/vynWindowPicture.h"
#include "tests/support/vynWindowTestSupport.h"

#include <fstream>
#include <iterator>

using namespace vyn;
using vyn::test::TempDir;
using vyn::test::WindowTest;

namespace {

struct DecodeCase {
    const char* Bytes;
    std::u32string Expected;
};

TEST(CodePoints, Utf8IsReadWithEachMalformedByteAsOneReplacement) {
    const DecodeCase cases[] = {
        {"A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"A\u00E9\u20AC\U0001F600"},
        {"\xC0\xAF", U"\uFFFD\uFFFD"},                     // overlong '/'
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},           // a surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {"\xE2\x82", U"\uFFFD\uFFFD"},                     // cut short
        {"a\x80z", U"a\uFFFDz"},                           // a stray continuation byte
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(DecodeUtf8(c.Bytes), c.Expected) << c.Bytes;
}

TEST(CodePoints, EncodingAndJoiningGiveBackEachCharacter) {
    for (char32_t point : {U'A', U'\u00E9', U'\u20AC', U'\U0001F600', U'\U0010FFFF'}) {
        EXPECT_EQ(DecodeUtf8(EncodeUtf8(point)), std::u32string(1, point));
        TUtf16Joiner joiner;
        std::u32string joined;
        char32_t out = 0;
        for (char16_t unit : EncodeUtf16(point))
            if (joiner.Take(unit, out))
                joined += out;
        EXPECT_EQ(joined, std::u32string(1, point));
    }
    TUtf16Joiner joiner;
    char32_t out = 0;
    ASSERT_TRUE(joiner.Take(0xDC00, out)) << "a low surrogate alone";
    EXPECT_EQ(out, ReplacementCharacter);
    EXPECT_FALSE(joiner.Take(0xD83D, out));
    ASSERT_TRUE(joiner.Take(0xD83D, out)) << "a high surrogate after a high one";
    EXPECT_EQ(out, ReplacementCharacter);
    ASSERT_TRUE(joiner.Take(0xDE00, out));
    EXPECT_EQ(out, U'\U0001F600');
}

TEST(TextWidth, CountsAdvancesOfTheWidestLine) {
    const TFont& font = BuiltInFont();
    EXPECT_EQ(TextWidth(font, ""), 0.0f);
    EXPECT_EQ(TextWidth(font, "abc"), 24.0f);
    EXPECT_EQ(TextWidth(font, "ab\nabcd\na"), 32.0f);
    EXPECT_EQ(TextWidth(font, "\xC3\xA9\xE2\x82\xAC"), 16.0f) << "a character a glyph";
}

class Text : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateWindowFromSettings();
    }
    size_t Count(const std::string& name) const { return Log.Only({name}).size(); }
};

TEST_F(Text, DrawTextIsOneDrawOfAQuadAnInkedGlyphAndPutsBackWhatItChanges) {
    // "H", "i" and "!" have ink, the space none; '\n' starts a line.
    ASSERT_TRUE(DrawText(BuiltInFont(), 5, 7, "Hi\n !")) << LastFailure();
    const std::vector<CallRecord> draws = Log.Only({"glDrawArrays"});
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0], Call("glDrawArrays", GL_QUADS, 0, 12));
    for (const auto& [push, pop] : {std::pair{"glPushAttrib", "glPopAttrib"},
                                    {"glPushClientAttrib", "glPopClientAttrib"},
                                    {"glPushMatrix", "glPopMatrix"}}) {
        EXPECT_GT(Count(push), 0u) << push;
        EXPECT_EQ(Count(push), Count(pop)) << push;
    }
    const std::vector<std::string> names = Log.Names();
    const auto first = [&](const char* name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_LT(first("glPushAttrib"), first("glBindTexture")) << "the program's binding is kept";
    EXPECT_EQ(names.back(), "glPopAttrib");
}

TEST_F(Text, TheAtlasBecomesATextureOncePerContext) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(DrawText(BuiltInFont(), 0, 0, "x"));
    EXPECT_EQ(Count("glTexImage2D"), 1u);
    ASSERT_TRUE(CreateFromSettings()) << LastFailure(); // a new context
    ASSERT_TRUE(DrawText(BuiltInFont(), 0, 0, "x"));
    EXPECT_EQ(Count("glTexImage2D"), 2u);
    Recorder.FailingCalls = {"glDrawArrays"};
    EXPECT_FALSE(DrawText(BuiltInFont(), 0, 0, "x")) << "a failing driver is reported";
}

TEST(TrueType, ABakedFontMeasuresItsGlyphsAndBadFilesAreRefusedWithAReason) {
    std::unique_ptr<TFont> font = LoadTrueTypeFont(VYN_TEST_FONT, 24.0f);
    ASSERT_TRUE(font) << LastFailure();
    EXPECT_EQ(font->LineHeight, 24.0f) << "ascent to descent; DejaVu Sans has no line gap";
    EXPECT_GT(font->Ascent, 0.7f * font->LineHeight);
    EXPECT_LT(TextWidth(*font, "ii"), TextWidth(*font, "MM")) << "proportional";
    EXPECT_GT(font->GlyphOf(U'\u00E9').Advance, 0.0f) << "Latin-1 baked";

    TempDir scratch;
    std::ofstream(scratch / "not-a-font.ttf") << "plain text, not a font";
    const std::pair<std::string, float> bad[] = {{(scratch / "missing.ttf").string(), 24.0f},
                                                 {(scratch / "not-a-font.ttf").string(), 24.0f},
                                                 {VYN_TEST_FONT, 0.0f},
                                                 {VYN_TEST_FONT, 500.0f}};
    for (const auto& [path, size] : bad) {
        EXPECT_EQ(LoadTrueTypeFont(path, size), nullptr) << path << " at " << size;
        EXPECT_FALSE(LastFailure().empty());
    }
}

TEST_F(Text, SaveWindowPictureWritesAPngOfTheClientSizeOrSaysWhyNot) {
    TempDir scratch;
    const std::filesystem::path file = scratch / "window.png";
    ASSERT_TRUE(SaveWindowPicture(file.string())) << LastFailure();
    EXPECT_EQ(Count("glReadPixels"), 1u);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
    const auto big = [&](size_t at) {
        return (static_cast<uint8_t>(bytes[at]) << 24) |
               (static_cast<uint8_t>(bytes[at + 1]) << 16) |
               (static_cast<uint8_t>(bytes[at + 2]) << 8) | static_cast<uint8_t>(bytes[at + 3]);
    };
    EXPECT_EQ(big(16), static_cast<uint32_t>(Framework.Width)) << "IHDR width";
    EXPECT_EQ(big(20), static_cast<uint32_t>(Framework.Height)) << "IHDR height";

    const std::string unwritable = (scratch / "no-such-folder" / "x.png").string();
    EXPECT_FALSE(SaveWindowPicture(unwritable));
    EXPECT_NE(LastFailure().find(unwritable), std::string::npos) << LastFailure();
}

TEST(WindowPicture, WithoutAWindowThereIsNothingToTakeAndItSaysSo) {
    EXPECT_FALSE(SaveWindowPicture("never.png"));
    EXPECT_NE(LastFailure().find("no window"), std::string::npos) << LastFailure();
    EXPECT_FALSE(std::filesystem::exists("never.png"));
}

} // namespace
