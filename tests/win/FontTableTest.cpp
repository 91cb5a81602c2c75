// "font.xml" turned into fonts, and documents that do not parse.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MemoryFileSystem.h"
#include "packs/PackWriter.h"
#include "toolkit/draw/SkinRepository.h"
#include "toolkit/markup/FontTable.h"
#include "toolkit/markup/XmlDocument.h"

namespace {

LOGFONTW describe(HFONT font) {
  LOGFONTW logical{};
  EXPECT_TRUE(GetObjectW(font, sizeof logical, &logical));
  return logical;
}

void build(FontTable& table, const std::string& xml) {
  table.build(reinterpret_cast<const uint8_t*>(xml.data()), xml.size());
}

TEST(FontTable, EntriesVaryTheDefaultGuiFont) {
  FontTable table;
  build(table, R"(<?xml version="1.0" encoding="utf-8"?>
<fonts>
  <font name="Default" face="Tahoma" size="12"/>
  <font name="Title" face="Tahoma" size="16" bold="true" underline="false"/>
  <font name="Link" size="12" underline="true" bold="false" colour="ignored"/>
  <font face="Nameless" size="30"/>
  <font name="Long" face="A face name far longer than thirty-one characters"/>
  <font name="Title" face="Tahoma" size="18"/>
</fonts>)");
  LOGFONTW standard{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof standard, &standard);

  ASSERT_NE(table.font(L"Default"), nullptr);
  LOGFONTW plain = describe(table.font(L"Default"));
  EXPECT_EQ(plain.lfHeight, -12);
  EXPECT_EQ(std::wstring(plain.lfFaceName), L"Tahoma");
  EXPECT_EQ(plain.lfWeight, standard.lfWeight);

  LOGFONTW title = describe(table.font(L"Title"));
  EXPECT_EQ(title.lfHeight, -18) << "a later entry replaces an earlier one";
  EXPECT_EQ(title.lfWeight, FW_NORMAL);

  LOGFONTW link = describe(table.font(L"Link"));
  EXPECT_TRUE(link.lfUnderline);
  EXPECT_EQ(link.lfWeight, 400);
  EXPECT_EQ(std::wstring(link.lfFaceName), std::wstring(standard.lfFaceName));

  EXPECT_EQ(table.font(L"Long"), nullptr);
  EXPECT_EQ(table.font(L"default"), nullptr) << "names are case-sensitive";
  table.clear();
  EXPECT_EQ(table.font(L"Default"), nullptr);
}

TEST(FontTable, BoldTrueIsHeavy) {
  FontTable table;
  build(table, R"(<f><font name="B" bold="true"/><font name="N" bold="TRUE"/></f>)");
  EXPECT_EQ(describe(table.font(L"B")).lfWeight, 700);
  EXPECT_EQ(describe(table.font(L"N")).lfWeight, 400);
}

TEST(XmlDocument, MalformedDocumentsCountAsMissing) {
  const char* broken[] = {
      "\xEF\xBB\xBF<fonts/>",              // a byte-order mark before the first element
      "<fonts><font name=\"x\"></fonts>",  // unclosed element
      "<fonts name=\"x></fonts>",          // unterminated value
      "just text",
      "",
      "<a>\xff</a>",                       // not UTF-8
  };
  for (const char* text : broken) {
    EXPECT_EQ(XmlDocument::parse(reinterpret_cast<const uint8_t*>(text), std::strlen(text), L"test.xml"), nullptr)
        << text;
    FontTable table;
    build(table, text);  // no exception escapes
  }
}

TEST(XmlDocument, ReferencesStayAsWritten) {
  std::string text = R"(<Label text="Fish &amp; chips &#65;"/>)";
  auto document = XmlDocument::parse(reinterpret_cast<const uint8_t*>(text.data()), text.size(), L"t.xml");
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(std::wstring(attributeValue(document->root(), L"text")), L"Fish &amp; chips &#65;");
  EXPECT_EQ(attributeValue(document->root(), L"absent"), nullptr);
}

TEST(SkinRepository, LoadBuildsTheFontsOfTheStylePack) {
  PackWriter writer;
  std::string fonts = R"(<fonts><font name="Default" size="13"/></fonts>)";
  ASSERT_TRUE(writer.addCompressed(u"font.xml", std::vector<uint8_t>(fonts.begin(), fonts.end())));
  auto pack = writer.finish();
  MemoryFileSystem files;
  files.add(u"style.lz", std::string(pack.begin(), pack.end()));
  SkinRepository skins;
  ASSERT_TRUE(skins.load(files, u"style.lz"));
  ASSERT_NE(skins.font(L"Default"), nullptr);
  EXPECT_EQ(describe(skins.font(L"Default")).lfHeight, -13);
  skins.clear();
  EXPECT_EQ(skins.font(L"Default"), nullptr);
}

}  // namespace
