#include <gtest/gtest.h>

#include "platform/posix/RegeditText.h"

namespace varnoke {
namespace {

TEST(SettingsStoreFormat, ReadsWhatRegeditWrites) {
  const std::string text =
      "REGEDIT4\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Orvelia\\Varnoke]\r\n"
      "\"Version\"=\"7.0\"\r\n"
      "\"Options\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Columns\"=dword:000000ff\r\n"
      "@=\"default\"\r\n"
      "\"Multi\"=hex(7):61,00,00\r\n"
      "\"Text\"=hex(1):61,62,00\r\n";
  auto tree = ParseRegeditText(text);
  ASSERT_TRUE(tree);
  const SettingsKeyNode* key = tree->Find("Software\\Orvelia\\Varnoke");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->FindValue("version")->AsString(), "7.0");
  EXPECT_EQ(key->FindValue("Options")->Data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(key->FindValue("Options")->Type, kRegBinary);
  EXPECT_EQ(key->FindValue("Columns")->AsDword(), 255u);
  EXPECT_EQ(key->FindValue("")->AsString(), "default");
  EXPECT_EQ(key->FindValue("Multi")->Type, 7u);
  EXPECT_EQ(key->FindValue("Multi")->Data, (std::vector<std::uint8_t>{0x61, 0, 0}));
  EXPECT_EQ(key->FindValue("Text")->AsString(), "ab");
}

TEST(SettingsStoreFormat, WritesAndReadsBackEveryKindOfValue) {
  SettingsTree tree;
  SettingsKeyNode& key = tree.Create("Software\\Orvelia\\Varnoke");
  std::vector<std::uint8_t> long_binary(68);
  for (std::size_t i = 0; i < long_binary.size(); ++i)
    long_binary[i] = static_cast<std::uint8_t>(i * 7);
  key.SetValue("Options", RegValue::Binary(long_binary));
  key.SetValue("Empty", RegValue::Binary({}));
  key.SetValue("Text", RegValue::String("a\\b\"c\xe9"));
  key.SetValue("Control", RegValue::String(std::string("x\0y\n", 4)));
  key.SetValue("EmptyText", RegValue::String(""));
  key.SetValue("", RegValue::Dword(7));
  key.SetValue("Other", RegValue{0x2a, {9, 8}});
  tree.Create("Software\\Orvelia\\Varnoke\\Filters");
  tree.Root().SetValue("AtRoot", RegValue::String("r"));
  const std::string text = FormatRegeditText(tree);
  auto back = ParseRegeditText(text);
  ASSERT_TRUE(back) << text;
  EXPECT_EQ(*back, tree) << text;
}

struct Damaged {
  const char* What;
  const char* Text;
};

class SettingsStoreDamaged : public ::testing::TestWithParam<Damaged> {};

TEST_P(SettingsStoreDamaged, IsRefused) {
  EXPECT_FALSE(ParseRegeditText(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SettingsStoreDamaged,
    ::testing::Values(
        Damaged{"empty", ""}, Damaged{"no header", "[HKEY_CURRENT_USER\\a]\n"},
        Damaged{"other header", "Windows Registry Editor Version 5.00\n"},
        Damaged{"value before a key", "REGEDIT4\n\"a\"=\"b\"\n"},
        Damaged{"other root", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\a]\n"},
        Damaged{"unclosed section", "REGEDIT4\n[HKEY_CURRENT_USER\\a\n"},
        Damaged{"unclosed text", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=\"b\n"},
        Damaged{"bad escape", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=\"\\q\"\n"},
        Damaged{"text after text", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=\"b\"c\n"},
        Damaged{"long dword", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=dword:123456789\n"},
        Damaged{"bad hex", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=hex:1,2\n"},
        Damaged{"trailing comma", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=hex:01,\n"},
        Damaged{"deletion", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=-\n"},
        Damaged{"no equals", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"\n"},
        Damaged{"bad type", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"a\"=hex(x):00\n"}),
    [](const auto& info) {
      std::string name = info.param.What;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

}  // namespace
}  // namespace varnoke
