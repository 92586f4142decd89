// UTF-8 and UTF-16 of wide strings: what is written for characters that
// cannot be encoded, and what ill-formed input reads as, strictly and not.
#include "platform/text/utf.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const std::wstring kMixed = L"a\u00e9\u20ac\U0001F600";
const std::wstring kLoneSurrogate(1, static_cast<wchar_t>(0xD800));

TEST(Utf8, RoundTripsAndWritesUnencodableCharactersAsReplacement) {
    EXPECT_EQ(zrltext::toUtf8(kMixed), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(zrltext::fromUtf8(zrltext::toUtf8(kMixed)), kMixed);
    EXPECT_EQ(zrltext::toUtf8(kLoneSurrogate), "\xEF\xBF\xBD");
    EXPECT_EQ(zrltext::toUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xEF\xBF\xBD");
    EXPECT_EQ(zrltext::toUtf8(std::wstring(1, static_cast<wchar_t>(-1))), "\xEF\xBF\xBD");
}

TEST(Utf8, IllFormedInputFailsStrictlyAndReadsAsOneReplacementEach) {
    const struct {
        const char* name;
        std::string bytes;
        std::wstring lenient;
    } rows[] = {
        {"stray byte",
         "a\xFF"
         "b",
         L"a\uFFFDb"},
        {"lone continuation",
         "a\x80"
         "b",
         L"a\uFFFDb"},
        {"cut short at the end", "a\xE2\x82", L"a\uFFFD"},
        {"cut short inside",
         "a\xE2\x82"
         "b",
         L"a\uFFFDb"},
        {"overlong slash", "\xC0\xAF", L"\uFFFD"},
        {"overlong three bytes",
         "\xE0\x80\xAF"
         "x",
         L"\uFFFDx"},
        {"surrogate", "\xED\xA0\x80", L"\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD"},
    };
    for (const auto& r : rows) {
        std::wstring strict;
        EXPECT_FALSE(zrltext::fromUtf8Strict(r.bytes, strict)) << r.name;
        EXPECT_EQ(zrltext::fromUtf8(r.bytes), r.lenient) << r.name;
    }
    std::wstring out;
    EXPECT_TRUE(zrltext::fromUtf8Strict(std::string("x\0y", 3), out));
    EXPECT_EQ(out, std::wstring(L"x\0y", 3));
}

TEST(Utf16, PairsAboveThePlaneAndReplacesLoneSurrogates) {
    const std::string le = zrltext::toUtf16Bytes(L"A\U0001F600", true);
    EXPECT_EQ(le, std::string("A\0\x3D\xD8\x00\xDE", 6));
    EXPECT_EQ(zrltext::toUtf16Bytes(L"A", false), std::string("\0A", 2));
    EXPECT_EQ(zrltext::fromUtf16Bytes(le, true), L"A\U0001F600");
    EXPECT_EQ(zrltext::fromUtf16Bytes(zrltext::toUtf16Bytes(kMixed, false), false), kMixed);
    // A lone surrogate is written and read as U+FFFD; an odd last byte is left out.
    EXPECT_EQ(zrltext::toUtf16Bytes(kLoneSurrogate, true), "\xFD\xFF");
    EXPECT_EQ(zrltext::fromUtf16Bytes(std::string("\x00\xD8"
                                                  "A\0"
                                                  "B",
                                                  5),
                                      true),
              L"\uFFFDA");
    EXPECT_EQ(zrltext::fromUtf16Bytes(std::string("\x00\xDC", 2), true), L"\uFFFD");
}

} // namespace
