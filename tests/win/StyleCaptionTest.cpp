// Where and how styles draw captions and icons. Each case is compared pixel by
// pixel with a reference drawn directly with the text and image routines at the
// place the layout rules give, so a caption in the wrong font, colour, place or
// alignment shows up as differing pixels.
#include <functional>
#include <optional>

#include "StyleTestPack.h"
#include "toolkit/core/Toolkit.h"
#include "toolkit/draw/ImageDraw.h"
#include "toolkit/draw/TextDraw.h"
#include "toolkit/markup/StyleClasses.h"

namespace toolkit {
namespace {

using namespace styletest;

constexpr uint32_t kGrey = 0x404040;  // so that black and white text both show
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

class StyleCaptions : public styletest::StylePackTest {};

HFONT fontNamed(const wchar_t* name) { return toolkitContext()->skins().font(name); }
const Image* pictureFile(const wchar_t* name) { return toolkitContext()->skins().image(name); }

// What a reference drawing holds: an optional icon at a point, then a caption.
struct Expected {
  const Image* icon = nullptr;
  POINT iconAt{0, 0};
  RECT textRect{0, 0, 0, 0};
  HFONT font = nullptr;  // with singleLine: the context's own font
  COLORREF colour = kWhite;
  UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  bool singleLine = false;
  std::function<void(HDC)> decoration;  // a picture drawn before the caption
};

// A black caption in `textRect` with `flags`, after an optional icon at `at`.
Expected iconAndText(const Image* icon, POINT at, RECT textRect, UINT flags) {
  Expected e;
  e.icon = icon;
  e.iconAt = at;
  e.textRect = textRect;
  e.colour = kBlack;
  e.flags = flags;
  return e;
}

void drawReference(Canvas& canvas, const Expected& e, const std::wstring& text) {
  if (e.icon) imageDraw::drawNatural(canvas.dc(), e.icon, e.iconAt.x, e.iconAt.y);
  if (e.decoration) e.decoration(canvas.dc());
  if (e.singleLine)
    textDraw::drawSingleLine(canvas.dc(), e.textRect, text, e.colour);
  else
    textDraw::drawWithFont(canvas.dc(), e.textRect, text, e.font, e.colour, e.flags);
}

void expectSameAsReference(const Style& style, const Control& control, const Expected& expected,
                           const std::wstring& text, const std::string& what) {
  Canvas drawn(80, 48, kGrey), reference(80, 48, kGrey);
  style.draw(drawn.dc(), kRect, control);
  drawReference(reference, expected, text);
  ASSERT_GT(reference.ink().right, 0) << what << ": the reference shows something";
  POINT first{};
  EXPECT_EQ(drawn.differences(reference, &first), 0) << what << ", first at " << first.x << "," << first.y;
}

template <typename S>
std::unique_ptr<Style> styleWithPicture(AttrKey key, const char16_t* name) {
  auto style = std::make_unique<S>();
  style->setText(key, name);
  return style;
}

RECT rectOf(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
RECT shifted(RECT r, int by) { OffsetRect(&r, by, by); return r; }

TEST_F(StyleCaptions, CentredCaptionFontColourAndDownOffset) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<Style>()> make;
    std::optional<int32_t> downOffset;
    std::optional<uint32_t> textColor;
    uint32_t state;
    const char16_t* font;  // the control's "font", or null
    int shift;
    const wchar_t* expectedFont;
    COLORREF expectedColour;
  } cases[] = {
      {"button", [] { return std::make_unique<Style_Button>(); }, {}, {}, Enabled, nullptr, 0, L"Default", kWhite},
      {"pressed, no offset", [] { return std::make_unique<Style_Button>(); }, {}, {}, Enabled | Pressed, nullptr, 0,
       L"Default", kWhite},
      {"offset 1 pressed", [] { return std::make_unique<Style_Button>(); }, 1, {}, Enabled | Pressed, nullptr, 1,
       L"Default", kWhite},
      {"offset 1 not pressed", [] { return std::make_unique<Style_Button>(); }, 1, {}, Enabled | Hovered, nullptr, 0,
       L"Default", kWhite},
      {"offset 2 pressed", [] { return std::make_unique<Style_Button>(); }, 2, {}, Enabled | Pressed, nullptr, 0,
       L"Default", kWhite},
      {"offset -1 pressed", [] { return std::make_unique<Style_Button>(); }, -1, {}, Enabled | Pressed, nullptr, 0,
       L"Default", kWhite},
      {"control font", [] { return std::make_unique<Style_Button>(); }, {}, 0x0000FF, Enabled, u"Big", 0, L"Big",
       RGB(255, 0, 0)},
      {"unknown font", [] { return std::make_unique<Style_Button>(); }, {}, {}, Enabled, u"Nope", 0, nullptr, kWhite},
      {"strip button", [] { return std::make_unique<Style_ButtonEx>(); }, 1, 0x00FF00, Enabled | Pressed, u"Big", 1,
       L"Big", RGB(0, 255, 0)},
      {"strip button, offset 2", [] { return std::make_unique<Style_ButtonEx>(); }, 2, {}, Enabled | Pressed,
       nullptr, 0, L"Default", kWhite},
  };
  for (const Case& c : cases) {
    auto style = c.make();
    if (c.downOffset) style->setInt(attr::downOffset(), *c.downOffset);
    if (c.textColor) style->setInt(attr::textColor(), int32_t(*c.textColor));
    auto control = controlIn(c.state);
    control->setText(attr::text(), u"Caption");
    if (c.font) control->setText(attr::font(), c.font);
    Expected e;
    e.textRect = shifted(rectOf(kRect), c.shift);
    e.font = c.expectedFont ? fontNamed(c.expectedFont) : nullptr;
    e.colour = c.expectedColour;
    expectSameAsReference(*style, *control, e, L"Caption", c.what);
  }
}

TEST_F(StyleCaptions, DownOffsetOneMovesTheCaptionByOnePixel) {
  Style_Button style;
  style.setInt(attr::downOffset(), 1);
  RECT boxes[2];
  for (int pressed = 0; pressed < 2; ++pressed) {
    auto control = controlIn(Enabled | (pressed ? uint32_t(Pressed) : 0u));
    control->setText(attr::text(), u"Mg");
    Canvas canvas;
    style.draw(canvas.dc(), kRect, *control);
    boxes[pressed] = canvas.ink();
  }
  ASSERT_GT(boxes[0].right, 0);
  EXPECT_EQ(boxes[1].left, boxes[0].left + 1);
  EXPECT_EQ(boxes[1].top, boxes[0].top + 1);
  EXPECT_EQ(boxes[1].right, boxes[0].right + 1);
  EXPECT_EQ(boxes[1].bottom, boxes[0].bottom + 1);
}

TEST_F(StyleCaptions, NoTextAttributeNoCaption) {
  Style_Button button;
  Style_IconButton iconButton;
  Style_CheckButton check;
  Style_ComboBox combo;
  for (Style* style : std::initializer_list<Style*>{&button, &iconButton, &check, &combo}) {
    Canvas canvas(80, 48, kGrey);
    style->draw(canvas.dc(), kRect, *controlIn(Enabled | Pressed));
    EXPECT_EQ(canvas.ink().right, 0);
  }
}

// Captions beside an icon or strip, or in a combo box: one line, left aligned from
// a computed edge, in the context's own font.
TEST_F(StyleCaptions, CaptionsBesideIconsStripsAndDropButtons) {
  const int L = kRect.left, T = kRect.top, R = kRect.right, B = kRect.bottom;
  const Image* upIcon = pictureFile(L"upIcon.png");
  const Image* strip = pictureFile(L"strip8.png");
  const Image* drop = pictureFile(L"dropBtn.png");
  ASSERT_TRUE(upIcon && strip && drop);
  auto icon = [&](HDC dc) { imageDraw::drawNatural(dc, upIcon, L + 2, (T + B - 2) / 2); };
  auto firstFrame = [&](HDC dc) { imageDraw::drawStrip(dc, strip, L, T, 2, 20, 0, 20); };
  auto dropButton = [&](HDC dc) { imageDraw::drawNatural(dc, drop, R - 2, (T + B - 2) / 2); };
  std::function<void(HDC)> nothing;
  struct Case {
    const char* what;
    std::function<std::unique_ptr<Style>()> make;
    std::optional<int32_t> iconGap;
    std::optional<uint32_t> textColor;
    std::function<void(HDC)> decoration;
    RECT textRect;
    COLORREF colour;
  } cases[] = {
      {"check box", [] { return styleWithPicture<Style_CheckButton>(attr::upIcon(), u"upIcon.png"); }, {}, {},
       icon, {L + 2 + 2 + 2, T, R, B}, kWhite},
      {"check box, gap 9, coloured", [] { return styleWithPicture<Style_CheckButton>(attr::upIcon(), u"upIcon.png"); },
       9, 0xFF0000, icon, {L + 2 + 9 + 2, T, R, B}, RGB(0, 0, 255)},
      {"check box without icon picture",
       [] { return styleWithPicture<Style_CheckButton>(attr::upIcon(), u"absent.png"); }, 9, {}, nothing,
       {L, T, R, B}, kWhite},
      {"strip check box", [] { return styleWithPicture<Style_CheckButtonEx>(attr::src(), u"strip8.png"); }, 5, {},
       firstFrame, {L + 2 + 5 + 2, T, R, B}, kWhite},
      {"strip check box without strip",
       [] { return styleWithPicture<Style_CheckButtonEx>(attr::src(), u"broken.png"); }, {}, 0x00FF00, nothing,
       {L, T, R, B}, RGB(0, 255, 0)},
      {"combo box has no colour attribute",
       [] { return styleWithPicture<Style_ComboBox>(attr::dropBtn(), u"dropBtn.png"); }, {}, 0xFFFFFF, dropButton,
       {L + 12, T, R - 2 - 2, B}, kBlack},
      {"combo box without button", [] { return std::make_unique<Style_ComboBox>(); }, {}, {}, nothing,
       {L + 12, T, R, B}, kBlack},
  };
  for (const Case& c : cases) {
    auto style = c.make();
    if (c.iconGap) style->setInt(attr::iconGap(), *c.iconGap);
    if (c.textColor) style->setInt(attr::textColor(), int32_t(*c.textColor));
    auto control = controlIn(Enabled);
    control->setText(attr::text(), u"A long caption that does not fit");
    control->setText(attr::font(), u"Big");  // read by none of these
    Expected e;
    e.decoration = c.decoration;
    e.textRect = c.textRect;
    e.colour = c.colour;
    e.singleLine = true;
    expectSameAsReference(*style, *control, e, L"A long caption that does not fit", c.what);
  }
}

// Icon buttons: L, T, R, B the control, IW × IH the icon (6 × 4), TW × TH the
// caption measured in the control's font, G the gap.
TEST_F(StyleCaptions, IconButtonPlacesIconAndCaption) {
  const int L = kRect.left, T = kRect.top, R = kRect.right, B = kRect.bottom, IW = 6, IH = 4;
  const Image* icon = pictureFile(L"wideicon.png");
  ASSERT_NE(icon, nullptr);
  Canvas measure;
  RECT extent{0, 0, 0, 0};
  HFONT previous = static_cast<HFONT>(SelectObject(measure.dc(), fontNamed(L"Default")));
  DrawTextW(measure.dc(), L"Go", -1, &extent, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(measure.dc(), previous);
  const int TW = extent.right, TH = extent.bottom;
  ASSERT_GT(TW, 0);
  struct Case {
    const char* what;
    std::optional<EnumWord> placement;  // None: a word outside the enumeration
    std::optional<int32_t> gap;
    bool caption;
    const char16_t* iconName;
    uint32_t state;
    std::function<Expected()> expected;
  } cases[] = {
      {"right", EnumWord::Right, {}, true, u"wideicon.png", Enabled, [&] {
         int X = (L + R - 2 - TW - IW) / 2;
         return iconAndText(icon, {X, (T + B - IH) / 2}, {X + IW + 2, T, R, B}, 0x24);
       }},
      {"default is right", {}, 7, true, u"wideicon.png", Enabled, [&] {
         int X = (L + R - 7 - TW - IW) / 2;
         return iconAndText(icon, {X, (T + B - IH) / 2}, {X + IW + 7, T, R, B}, 0x24);
       }},
      {"left", EnumWord::Left, 5, true, u"wideicon.png", Enabled, [&] {
         int X = (L + R - 5 - TW - IW) / 2;
         return iconAndText(icon, {X + TW + 5, (T + B - IH) / 2}, {X, T, X + TW, B}, 0x24);
       }},
      {"bottom", EnumWord::Bottom, 3, true, u"wideicon.png", Enabled, [&] {
         int Y = (T + B - 3 - TH - IH) / 2;
         return iconAndText(icon, {(L + R - IW) / 2, Y}, {L, Y + IH + 3, R, B}, 0x21);
       }},
      {"top: no icon", EnumWord::Top, {}, true, u"wideicon.png", Enabled,
       [&] { return iconAndText(nullptr, {}, {L, T, R, B}, 0x24); }},
      {"unknown word: no icon", EnumWord::None, {}, true, u"wideicon.png", Enabled,
       [&] { return iconAndText(nullptr, {}, {L, T, R, B}, 0x24); }},
      {"right without caption", EnumWord::Right, 4, false, u"wideicon.png", Enabled,
       [&] { return iconAndText(icon, {(L + R - 4 - IW) / 2, (T + B - IH) / 2}, {}, 0); }},
      {"no icon: centred", EnumWord::Right, {}, true, nullptr, Enabled,
       [&] { return iconAndText(nullptr, {}, {L, T, R, B}, 0x25); }},
      {"missing icon picture: centred", EnumWord::Right, {}, true, u"absent.png", Enabled,
       [&] { return iconAndText(nullptr, {}, {L, T, R, B}, 0x25); }},
      {"pressed moves the caption only", EnumWord::Right, {}, true, u"wideicon.png", Enabled | Pressed, [&] {
         int X = (L + R - 2 - TW - IW) / 2;
         return iconAndText(icon, {X, (T + B - IH) / 2}, {X + IW + 2 + 1, T + 1, R + 1, B + 1}, 0x24);
       }},
  };
  for (const Case& c : cases) {
    Style_IconButton style;
    if (c.placement) style.setEnum(attr::textPlacement(), *c.placement);
    if (c.gap) style.setInt(attr::iconGap(), *c.gap);
    style.setInt(attr::downOffset(), 1);
    auto control = controlIn(c.state);
    if (c.caption) control->setText(attr::text(), u"Go");
    if (c.iconName) control->setText(attr::icon(), c.iconName);
    Expected e = c.expected();
    e.font = fontNamed(L"Default");
    expectSameAsReference(style, *control, e, c.caption ? L"Go" : L"", c.what);
  }
}

TEST_F(StyleCaptions, IconWithoutCaptionIsCentredWithTheGapCounted) {
  Style_IconButton style;
  style.setInt(attr::iconGap(), 10);
  auto control = controlIn(Enabled);
  control->setText(attr::icon(), u"wideicon.png");
  Canvas canvas;
  style.draw(canvas.dc(), kRect, *control);
  RECT ink = canvas.ink();
  EXPECT_EQ(ink.left, (kRect.left + kRect.right - 10 - 6) / 2);
  EXPECT_EQ(ink.right, ink.left + 6);
  EXPECT_EQ(ink.top, (kRect.top + kRect.bottom - 4) / 2);
  EXPECT_EQ(ink.bottom, ink.top + 4);
  EXPECT_EQ(canvas.at(ink.left, ink.top), styletest::kWideIconColour);
}

TEST_F(StyleCaptions, IconButtonTopPlacementDrawsCaptionButNoIcon) {
  Style_IconButton style;
  style.setEnum(attr::textPlacement(), EnumWord::Top);
  style.setInt(attr::textColor(), 0xFFFFFF);
  auto control = controlIn(Enabled);
  control->setText(attr::icon(), u"wideicon.png");
  control->setText(attr::text(), u"Go");
  Canvas canvas;
  style.draw(canvas.dc(), kRect, *control);
  ASSERT_GT(canvas.ink().right, 0) << "the caption is drawn";
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_NE(canvas.at(x, y), styletest::kWideIconColour) << x << "," << y;
}

TEST_F(StyleCaptions, ToggleIconButtonShowsTheOffPairWhileChecked) {
  for (bool checked : {false, true}) {
    Style_ToggleIconButton style;
    auto control = controlIn(Enabled | (checked ? uint32_t(Checked) : 0u));
    control->setText(attr::icon(), u"wideicon.png");
    control->setText(attr::text(), u"On");
    control->setText(attr::offIcon(), u"offIcon.png");
    control->setText(attr::offText(), u"Off");
    const Image* icon = pictureFile(checked ? L"offIcon.png" : L"wideicon.png");
    const std::wstring text = checked ? L"Off" : L"On";
    Canvas measure;
    SIZE size = textDraw::measureSingleLine(measure.dc(), text, fontNamed(L"Default"));
    const int X = (kRect.left + kRect.right - 2 - size.cx - icon->width) / 2;
    Expected e = iconAndText(icon, {X, (kRect.top + kRect.bottom - icon->height) / 2},
                             {X + icon->width + 2, kRect.top, kRect.right, kRect.bottom}, 0x24);
    e.font = fontNamed(L"Default");
    expectSameAsReference(style, *control, e, text, checked ? "checked" : "unchecked");
  }
}

}  // namespace
}  // namespace toolkit
