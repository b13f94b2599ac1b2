#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(IniDocument, FindsValuesAsTheFileHoldsThem) {
    static constexpr char nulEnds[] = "[A]\nk=1\n\0[B]\nj=2\n";
    const struct {
        std::string file;
        const char *section, *key;
        std::optional<const char*> value;
    } cases[] = {
        {"[mode]\nblinkmode=2\n", "MODE", "BlinkMode", "2"},
        {"[Mode]\rBLINKMODE = 2 \r", "mode", "blinkMode", "2"},
        {"  [ MODE ]  \n\t Left = 12 \n", "MODE", "Left", "12"},
        {"[A]\nk=a=b\n", "A", "k", "a=b"},
        {"[A]\nk=\n", "A", "k", ""},
        {"[A]\nk\n", "A", "k", std::nullopt},
        {"k=1\n[A]\n", "A", "k", std::nullopt},
        {"[A]\n;k=1\n", "A", "k", std::nullopt},
        {"[A]\nk=1\nk=2\n", "A", "k", "2"},
        {"[A]\nk=1\n[B]\nk=2\n[a]\nk=3\n", "A", "k", "3"},
        {"[A]\nk=1\n[A]\nj=2\n", "A", "k", std::nullopt},
        {"[]\nk=1\n", "", "k", "1"},
        {"[\nk=1\n", "[", "k", std::nullopt},
        {"[A]\r\n\r\n\r\nk=1\r\r\n", "A", "k", "1"},
        {"[A]\n[x]y\nk=1\n", "A", "k", "1"},
        {"[A]\nk=\x83\x5C\n", "A", "k", "\x83\x5C"},
        {std::string(nulEnds, sizeof nulEnds - 1), "A", "k", "1"},
        {std::string(nulEnds, sizeof nulEnds - 1), "B", "j", std::nullopt},
    };
    for (const auto& c : cases) {
        const IniDocument document = IniDocument::Parse(c.file);
        const auto found = document.Find(c.section, c.key);
        SCOPED_TRACE(c.file);
        ASSERT_EQ(found.has_value(), c.value.has_value());
        if (found) {
            EXPECT_EQ(*found, *c.value);
        }
    }
}

TEST(IniDocument, SerializesTrimmedLinesWithCrLfAndABlankAfterEachSection) {
    const struct {
        const char *file, *serialized;
    } cases[] = {
        {"; only a comment\n", ""},
        {"before=1\n[A]\n", "[A]\r\n\r\n"},
        {"[A]\n  k =  v  \n\n;c\nplain line\n[ B ]\nj=2",
         "[A]\r\nk=v\r\nplain line\r\n\r\n[B]\r\nj=2\r\n\r\n"},
        {"[A]\rk=1\r\n[A]\nk=2", "[A]\r\nk=1\r\n\r\n[A]\r\nk=2\r\n\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniDocument::Parse(c.file).Serialize(), c.serialized) << c.file;
}

TEST(IniDocument, SetReplacesInPlaceOrAppendsAndRemoveAndEraseTakeTheLastSection) {
    IniDocument document = IniDocument::Parse("[mode]\nA=1\nblinkmode=0\nB=2\nblinkmode=1\n");
    document.Set("MODE", "BlinkMode", "3");
    document.Set("MODE", "C", " x ");
    document.Set("NEW", "K", "v");
    EXPECT_EQ(document.Serialize(), "[mode]\r\nA=1\r\nblinkmode=0\r\nB=2\r\nBlinkMode=3\r\nC= x "
                                    "\r\n\r\n[NEW]\r\nK=v\r\n\r\n");

    IniDocument removed = IniDocument::Parse("[M]\na=1\n[m]\nA=1\nb=2\na=3\n");
    removed.Remove("M", "a");
    removed.Remove("M", "absent");
    removed.Remove("absent", "a");
    EXPECT_EQ(removed.Serialize(), "[M]\r\na=1\r\n\r\n[m]\r\nb=2\r\n\r\n");

    IniDocument erased = IniDocument::Parse("[M]\na=1\n[X]\n[m]\nb=2\n");
    erased.EraseSection("M");
    erased.EraseSection("absent");
    EXPECT_EQ(erased.Serialize(), "[M]\r\na=1\r\n\r\n[X]\r\n\r\n");
    IniDocument repeated = IniDocument::Parse("[M]\n[X]\n[m]\n[M]\n");
    repeated.EraseAllSections("M");
    EXPECT_EQ(repeated.Serialize(), "[X]\r\n\r\n");
}

TEST(IniDocument, UnexpectedBytesAndLargeInputsParse) {
    std::string binary = "[A]\n";
    for (int i = 1; i < 256; ++i)
        binary.push_back(static_cast<char>(i));
    const IniDocument odd = IniDocument::Parse(binary + "\n\x81\n[B]\nk=\xFC");
    EXPECT_EQ(odd.Find("B", "k"), "\xFC");
    EXPECT_EQ(odd.Sections().size(), 2u);

    const std::string longLine = "[A]\nk=" + std::string(50 * 1024 * 1024, 'x') + "\n";
    EXPECT_EQ(IniDocument::Parse(longLine).Find("A", "k")->size(), 50u * 1024 * 1024);
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "[S]\nk=" + std::to_string(i) + "\n";
    const IniDocument document = IniDocument::Parse(many);
    EXPECT_EQ(document.Sections().size(), 100000u);
    EXPECT_EQ(document.Find("s", "K"), "99999");
}

} // namespace
} // namespace velmora
