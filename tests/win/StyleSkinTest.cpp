// Which picture each style draws for which control state, read back from the
// pixels it leaves: every skin and icon attribute names a picture of its own colour.
#include <functional>

#include "StyleTestPack.h"
#include "toolkit/core/GdiPainter.h"
#include "toolkit/markup/ScrollBarPartSource.h"
#include "toolkit/markup/SliderPartSource.h"
#include "toolkit/markup/StyleClasses.h"
#include "toolkit/markup/StyleHook.h"

namespace toolkit {
namespace {

using namespace styletest;

class StyleSkins : public styletest::StylePackTest {};

using MakeStyle = std::function<std::unique_ptr<Style>()>;

template <typename S>
MakeStyle maker() {
  return [] { return std::make_unique<S>(); };
}

const std::initializer_list<AttrKey> kStateSkins{attr::upSkin(), attr::overSkin(), attr::downSkin(),
                                                  attr::disabledSkin()};

struct SkinCase {
  uint32_t state;
  AttrKey expected;
};

// Draws a style with all four state skins named and checks the colour in the middle
// of the control (and that nothing was drawn outside it).
void expectSkins(const char* what, const MakeStyle& make, std::initializer_list<AttrKey> keys,
                 const std::vector<SkinCase>& cases) {
  for (const SkinCase& c : cases) {
    auto style = make();
    nameAllPictures(*style, keys);
    Canvas canvas;
    style->draw(canvas.dc(), kRect, *controlIn(c.state));
    EXPECT_EQ(canvas.at(30, 20), colourOf(c.expected)) << what << " state 0x" << std::hex << c.state;
    EXPECT_EQ(canvas.at(kRect.left, kRect.top), colourOf(c.expected)) << what << ": drawn over the whole rectangle";
    EXPECT_EQ(canvas.at(kRect.right - 1, kRect.bottom - 1), colourOf(c.expected)) << what;
    EXPECT_EQ(canvas.at(kRect.right, kRect.bottom), 0u) << what << ": nothing outside the rectangle";
  }
}

TEST_F(StyleSkins, StateSkinFirstMatchWins) {
  const std::vector<SkinCase> cases{
      {Enabled, attr::upSkin()},
      {Enabled | Pressed, attr::downSkin()},
      {Enabled | Hovered, attr::overSkin()},
      {Enabled | Checked, attr::downSkin()},
      {Enabled | Focused, attr::overSkin()},
      {0, attr::disabledSkin()},
      {Enabled | Checked | Hovered, attr::downSkin()},
      {Pressed, attr::disabledSkin()},
      {Pressed | Hovered | Checked, attr::disabledSkin()},
      {Enabled | Pressed | Hovered, attr::downSkin()},
      {Enabled | Hovered | Focused, attr::overSkin()},
  };
  expectSkins("Style", maker<Style>(), kStateSkins, cases);
  expectSkins("Button", maker<Style_Button>(), kStateSkins, cases);
  expectSkins("IconButton", maker<Style_IconButton>(), kStateSkins, cases);
  expectSkins("ComboBox", maker<Style_ComboBox>(), kStateSkins, cases);
}

TEST_F(StyleSkins, ToggleIconButtonSkinIgnoresCheckedAndFocus) {
  expectSkins("ToggleIconButton", maker<Style_ToggleIconButton>(), kStateSkins,
              {{Enabled, attr::upSkin()},
               {Enabled | Checked, attr::upSkin()},
               {Enabled | Focused, attr::upSkin()},
               {Enabled | Pressed, attr::downSkin()},
               {Enabled | Hovered | Checked, attr::overSkin()},
               {Enabled | Pressed | Hovered, attr::downSkin()},
               {Checked | Pressed, attr::disabledSkin()}});
}

TEST_F(StyleSkins, EditSkinFollowsOnlyHoverAndEnabled) {
  expectSkins("Edit", maker<Style_Edit>(), kStateSkins,
              {{Enabled, attr::upSkin()},
               {Enabled | Pressed, attr::upSkin()},
               {Enabled | Focused, attr::upSkin()},
               {Enabled | Checked, attr::upSkin()},
               {Enabled | Hovered, attr::overSkin()},
               {Enabled | Hovered | Pressed | Focused, attr::overSkin()},
               {Hovered, attr::disabledSkin()}});
}

TEST_F(StyleSkins, ToggleButtonChoosesByCheckedThenState) {
  expectSkins("ToggleButton", maker<Style_ToggleButton>(),
              {attr::upSkin(), attr::overSkin(), attr::downSkin(), attr::disabledSkin(), attr::checkedUpSkin(),
               attr::checkedOverSkin(), attr::checkedDownSkin(), attr::checkedDisabledSkin()},
              {{Enabled, attr::upSkin()},
               {Enabled | Hovered, attr::overSkin()},
               {Enabled | Pressed | Hovered, attr::downSkin()},
               {Pressed, attr::disabledSkin()},
               {Enabled | Focused, attr::upSkin()},
               {Enabled | Checked, attr::checkedUpSkin()},
               {Enabled | Checked | Hovered, attr::checkedOverSkin()},
               {Enabled | Checked | Pressed | Hovered, attr::checkedDownSkin()},
               {Checked | Pressed, attr::checkedDisabledSkin()}});
}

TEST_F(StyleSkins, BackgroundIgnoresTheState) {
  std::vector<SkinCase> cases;
  for (uint32_t state : {uint32_t(Enabled), uint32_t(0), uint32_t(Enabled | Pressed | Checked | Hovered)})
    cases.push_back({state, attr::img()});
  expectSkins("Background", maker<Style_Background>(), {attr::img(), attr::upSkin(), attr::disabledSkin()}, cases);
}

TEST_F(StyleSkins, ScaleGridAttributeKeepsTheBorderBandsUnscaled) {
  // "strip4.png" has a colour per row. Into 120 rows with the grid 0,40,0,40 its
  // top and bottom 40 rows are copied 1:1; without the grid it is stretched whole.
  Style style;
  style.setText(attr::upSkin(), u"strip4.png");
  const Rect tall{0, 0, 3, 120};
  Canvas whole(80, 120);
  style.draw(whole.dc(), tall, *controlIn(Enabled));
  style.setRect(attr::scaleGrid(), {0, 40, 0, 40});
  Canvas gridded(80, 120);
  style.draw(gridded.dc(), tall, *controlIn(Enabled));
  for (int y : {0, 39}) EXPECT_EQ(gridded.at(1, y), rowColour(y)) << "top band, row " << y;
  for (int y : {80, 119}) EXPECT_EQ(gridded.at(1, y), rowColour(y - 20)) << "bottom band, row " << y;
  EXPECT_NE(whole.at(1, 39), rowColour(39));
  EXPECT_NE(whole.at(1, 80), rowColour(60));
  EXPECT_EQ(whole.at(1, 119), rowColour(99));
}

TEST_F(StyleSkins, CheckButtonIconByCheckedThenState) {
  const std::vector<SkinCase> cases{
      {Enabled, attr::upIcon()},
      {Enabled | Hovered, attr::overIcon()},
      {Enabled | Pressed | Hovered, attr::downIcon()},
      {Pressed, attr::disabledIcon()},
      {Enabled | Focused, attr::upIcon()},
      {Enabled | Checked, attr::checkedUpIcon()},
      {Enabled | Checked | Hovered, attr::checkedOverIcon()},
      {Enabled | Checked | Pressed, attr::checkedDownIcon()},
      {Checked | Pressed | Hovered, attr::checkedDisabledIcon()}};
  for (const SkinCase& c : cases) {
    Style_CheckButton style;
    nameAllPictures(style, {attr::upIcon(), attr::overIcon(), attr::downIcon(), attr::disabledIcon(),
                            attr::checkedUpIcon(), attr::checkedOverIcon(), attr::checkedDownIcon(),
                            attr::checkedDisabledIcon(), attr::upSkin()});
    Canvas canvas;
    style.draw(canvas.dc(), kRect, *controlIn(c.state));
    // A 2 × 2 icon at its own size, 2 pixels in from the left, vertically centred.
    const int y = (kRect.top + kRect.bottom - 2) / 2;
    RECT ink = canvas.ink();
    EXPECT_EQ(ink.left, kRect.left + 2) << std::hex << c.state;
    EXPECT_EQ(ink.top, y);
    EXPECT_EQ(ink.right, kRect.left + 4);
    EXPECT_EQ(ink.bottom, y + 2);
    EXPECT_EQ(canvas.at(kRect.left + 2, y), colourOf(c.expected)) << std::hex << c.state;
  }
}

struct FrameCase {
  uint32_t state;
  int frame;
};

TEST_F(StyleSkins, ButtonExDrawsOneOfFourFrames) {
  // "strip4.png" is 100 rows high: frames of 25 rows, drawn over the whole control.
  const FrameCase cases[] = {{Enabled, 0}, {Enabled | Focused | Checked, 0}, {Enabled | Hovered, 1},
                             {Enabled | Pressed, 2}, {Enabled | Pressed | Hovered, 2}, {0, 3},
                             {Pressed | Hovered, 3}};
  for (const FrameCase& c : cases) {
    Style_ButtonEx style;
    style.setText(attr::src(), u"strip4.png");
    Canvas exact;  // 1:1: 3 wide, 25 high
    style.draw(exact.dc(), {10, 10, 13, 35}, *controlIn(c.state));
    EXPECT_EQ(exact.at(11, 10), rowColour(25 * c.frame)) << std::hex << c.state;
    EXPECT_EQ(exact.at(11, 34), rowColour(25 * c.frame + 24)) << std::hex << c.state;
    EXPECT_EQ(exact.at(11, 35), 0u);
    Canvas stretched;
    style.draw(stretched.dc(), kRect, *controlIn(c.state));
    EXPECT_EQ(stretched.at(kRect.right - 1, kRect.top), rowColour(25 * c.frame));
    EXPECT_EQ(stretched.at(kRect.left, kRect.bottom - 1), rowColour(25 * c.frame + 24));
  }
}

TEST_F(StyleSkins, CheckButtonExDrawsOneOfEightFramesAtItsOwnSize) {
  // "strip8.png" is 2 × 160: frames of 20 rows, drawn 1:1 at the top left.
  const FrameCase cases[] = {{Enabled, 0},           {Enabled | Hovered, 1},           {Enabled | Pressed, 2},
                             {Hovered, 3},           {Enabled | Checked, 4},           {Enabled | Checked | Hovered, 5},
                             {Enabled | Checked | Pressed | Hovered, 6}, {Checked | Pressed, 7},
                             {Enabled | Focused, 0}};
  for (const FrameCase& c : cases) {
    Style_CheckButtonEx style;
    style.setText(attr::src(), u"strip8.png");
    Canvas canvas;
    style.draw(canvas.dc(), kRect, *controlIn(c.state));
    EXPECT_EQ(canvas.at(kRect.left, kRect.top), rowColour(20 * c.frame)) << std::hex << c.state;
    EXPECT_EQ(canvas.at(kRect.left + 1, kRect.top + 19), rowColour(20 * c.frame + 19)) << std::hex << c.state;
    RECT ink = canvas.ink();
    EXPECT_EQ(ink.right, kRect.left + 2) << "natural width";
    EXPECT_EQ(ink.bottom, kRect.top + 20) << "one frame high";
  }
}

TEST_F(StyleSkins, StripWithFewerRowsThanFramesDrawsNoFrame) {
  // "wideicon.png" is 4 rows high: one row per frame for four frames, none for eight.
  Style_CheckButtonEx eight;
  eight.setText(attr::src(), u"wideicon.png");
  Canvas canvas;
  eight.draw(canvas.dc(), kRect, *controlIn(Enabled | Checked));
  EXPECT_EQ(canvas.ink().right, 0);
  Style_ButtonEx four;
  four.setText(attr::src(), u"wideicon.png");
  four.draw(canvas.dc(), kRect, *controlIn(Enabled));
  EXPECT_EQ(canvas.at(30, 20), styletest::kWideIconColour);
}

TEST_F(StyleSkins, ComboBoxDropButtonAtTheRightEdge) {
  Style_ComboBox style;
  nameAllPictures(style, {attr::dropBtn()});
  Canvas canvas;
  style.draw(canvas.dc(), kRect, *controlIn(Enabled));
  const int y = (kRect.top + kRect.bottom - 2) / 2;
  RECT ink = canvas.ink();
  EXPECT_EQ(ink.left, kRect.right - 2);
  EXPECT_EQ(ink.right, kRect.right);
  EXPECT_EQ(ink.top, y);
  EXPECT_EQ(ink.bottom, y + 2);
  EXPECT_EQ(canvas.at(kRect.right - 1, y), colourOf(attr::dropBtn()));
}

// Every style with names that no picture answers to, or with no names at all, in
// every state: nothing is drawn, and there is no fallback to another skin.
TEST_F(StyleSkins, MissingPicturesDrawNothing) {
  const MakeStyle makers[] = {maker<Style>(),           maker<Style_Background>(),    maker<Style_Button>(),
                              maker<Style_ButtonEx>(),  maker<Style_CheckButton>(),   maker<Style_CheckButtonEx>(),
                              maker<Style_ToggleButton>(), maker<Style_IconButton>(), maker<Style_ToggleIconButton>(),
                              maker<Style_ComboBox>(),  maker<Style_Edit>(),          maker<Style_ScrollBar>(),
                              maker<Style_Slider>()};
  const uint32_t states[] = {Enabled, 0, Enabled | Pressed | Hovered, Enabled | Checked | Focused};
  for (const MakeStyle& make : makers)
    for (uint32_t state : states)
      for (const char16_t* name : {u"", u"absent.png", u"broken.png", static_cast<const char16_t*>(nullptr)}) {
        auto style = make();
        if (name)
          for (AttrKey key : styletest::pictureKeys()) style->setText(key, name);
        style->setText(attr::src(), name ? name : u"absent.png");
        auto control = controlIn(state);
        control->setText(attr::icon(), u"absent.png");
        Canvas canvas;
        style->draw(canvas.dc(), kRect, *control);
        EXPECT_EQ(canvas.ink().right, 0) << "state 0x" << std::hex << state;
      }
}

TEST_F(StyleSkins, NoFallbackToTheUpSkin) {
  for (uint32_t state : {uint32_t(Enabled | Hovered), uint32_t(Enabled | Pressed), uint32_t(0)}) {
    Style style;
    nameAllPictures(style, {attr::upSkin()});
    Canvas canvas;
    style.draw(canvas.dc(), kRect, *controlIn(state));
    EXPECT_EQ(canvas.ink().right, 0) << std::hex << state;
  }
}

// A scroll bar as the style sees it: 20 × 60, arrows 10 high at both ends, a thumb
// from 20 to 35.
class FakeScrollBar : public Control, public ScrollBarPartSource {
 public:
  explicit FakeScrollBar(uint32_t partState) : partState_(partState) {}
  ScrollBarParts scrollBarParts() const override {
    return {{0, 0, 20, 10}, {0, 50, 20, 60}, {0, 20, 20, 35}, partState_};
  }

 private:
  uint32_t partState_;
};

TEST_F(StyleSkins, ScrollBarPartsByTheirOwnState) {
  using namespace scrollPart;
  struct Case {
    bool enabled;
    uint32_t parts;
    AttrKey up, down, thumb, thumbIcon;  // null thumb: not drawn
  } cases[] = {
      {true, 0, attr::upArrowUpSkin(), attr::downArrowUpSkin(), attr::thumbUpSkin(), attr::thumbUpIcon()},
      {true, UpArrowHovered, attr::upArrowOverSkin(), attr::downArrowUpSkin(), attr::thumbUpSkin(),
       attr::thumbUpIcon()},
      {true, UpArrowHovered | UpArrowPressed, attr::upArrowDownSkin(), attr::downArrowUpSkin(),
       attr::thumbUpSkin(), attr::thumbUpIcon()},
      {true, DownArrowHovered | 0x200, attr::upArrowUpSkin(), attr::downArrowOverSkin(), attr::thumbUpSkin(),
       attr::thumbUpIcon()},
      {true, DownArrowPressed, attr::upArrowUpSkin(), attr::downArrowDownSkin(), attr::thumbUpSkin(),
       attr::thumbUpIcon()},
      {true, ThumbHovered, attr::upArrowUpSkin(), attr::downArrowUpSkin(), attr::thumbOverSkin(),
       attr::thumbOverIcon()},
      {true, ThumbPressed | ThumbHovered, attr::upArrowUpSkin(), attr::downArrowUpSkin(), attr::thumbDownSkin(),
       attr::thumbDownIcon()},
      {false, UpArrowPressed | DownArrowHovered | ThumbPressed, attr::upArrowDisabledSkin(),
       attr::downArrowDisabledSkin(), nullptr, nullptr},
  };
  const Rect bar{30, 4, 50, 64};
  for (const Case& c : cases) {
    Style_ScrollBar style;
    nameAllPictures(style, {attr::barSkin(), attr::upArrowUpSkin(), attr::upArrowOverSkin(),
                            attr::upArrowDownSkin(), attr::upArrowDisabledSkin(), attr::downArrowUpSkin(),
                            attr::downArrowOverSkin(), attr::downArrowDownSkin(), attr::downArrowDisabledSkin(),
                            attr::thumbUpSkin(), attr::thumbOverSkin(), attr::thumbDownSkin(), attr::thumbUpIcon(),
                            attr::thumbOverIcon(), attr::thumbDownIcon()});
    FakeScrollBar control(c.parts);
    control.setState(Enabled, c.enabled);
    Canvas canvas(80, 70);
    style.draw(canvas.dc(), bar, control);
    const uint32_t barColour = colourOf(attr::barSkin());
    EXPECT_EQ(canvas.at(40, 5), colourOf(c.up)) << std::hex << c.parts;
    EXPECT_EQ(canvas.at(49, 13), colourOf(c.up));
    EXPECT_EQ(canvas.at(40, 63), colourOf(c.down)) << std::hex << c.parts;
    EXPECT_EQ(canvas.at(40, 18), barColour) << "the track";
    EXPECT_EQ(canvas.at(30, 30), barColour) << "the thumb is narrowed by a pixel on the left";
    EXPECT_EQ(canvas.at(49, 30), barColour) << "and on the right";
    if (!c.thumb) {
      EXPECT_EQ(canvas.at(31, 30), barColour) << "no thumb on a disabled bar";
      EXPECT_EQ(canvas.at(39, 31), barColour);
      continue;
    }
    EXPECT_EQ(canvas.at(31, 24), colourOf(c.thumb)) << std::hex << c.parts;
    EXPECT_EQ(canvas.at(48, 38), colourOf(c.thumb));
    // The 2 × 2 icon centred in the narrowed thumb: x (31 + 49 − 2) / 2, y (24 + 39 − 2) / 2.
    EXPECT_EQ(canvas.at(39, 30), colourOf(c.thumbIcon)) << std::hex << c.parts;
    EXPECT_EQ(canvas.at(40, 31), colourOf(c.thumbIcon));
    EXPECT_EQ(canvas.at(41, 30), colourOf(c.thumb));
    EXPECT_EQ(canvas.at(39, 29), colourOf(c.thumb));
  }
}

TEST_F(StyleSkins, ScrollBarStyleOnAnotherControlDrawsTheBarOnly) {
  Style_ScrollBar style;
  nameAllPictures(style, {attr::barSkin(), attr::upArrowUpSkin(), attr::thumbUpSkin()});
  Canvas canvas;
  style.draw(canvas.dc(), kRect, *controlIn(Enabled));
  EXPECT_EQ(canvas.at(kRect.left, kRect.top), colourOf(attr::barSkin()));
  EXPECT_EQ(canvas.at(30, 20), colourOf(attr::barSkin()));
}

class FakeSlider : public Control, public SliderPartSource {
 public:
  explicit FakeSlider(Rect thumb) : thumb_(thumb) {}
  Rect sliderThumb() const override { return thumb_; }

 private:
  Rect thumb_;
};

TEST_F(StyleSkins, SliderTracksMeetUnderTheThumbCentre) {
  // Bar picture 2 × 2; a taller track picture would do the same at its own height.
  Style_Slider style;
  nameAllPictures(style, {attr::barSkin(), attr::trackSkin()});
  FakeSlider slider({20, 0, 31, 20});  // centre (20 + 31) / 2 = 25 relative, 29 on the canvas
  Canvas canvas;
  const Rect rect{4, 4, 64, 24};
  style.draw(canvas.dc(), rect, slider);
  const int top = (4 + 24 - 2) / 2;
  EXPECT_EQ(canvas.at(4, top), colourOf(attr::trackSkin()));
  EXPECT_EQ(canvas.at(28, top + 1), colourOf(attr::trackSkin()));
  EXPECT_EQ(canvas.at(29, top), colourOf(attr::barSkin()));
  EXPECT_EQ(canvas.at(63, top + 1), colourOf(attr::barSkin()));
  RECT ink = canvas.ink();
  EXPECT_EQ(ink.top, top) << "at the pictures' own height, vertically centred";
  EXPECT_EQ(ink.bottom, top + 2);
  EXPECT_EQ(ink.left, 4);
  EXPECT_EQ(ink.right, 64);
}

TEST_F(StyleSkins, SliderThumbByPressedAndChecked) {
  const SkinCase cases[] = {{Enabled, attr::thumbUpSkin()},
                            {Enabled | Hovered | Focused, attr::thumbUpSkin()},
                            {Enabled | Checked, attr::thumbOverSkin()},
                            {Enabled | Pressed | Checked, attr::thumbDownSkin()},
                            {Pressed, attr::thumbDownSkin()},
                            {0, attr::thumbUpSkin()}};
  for (const SkinCase& c : cases) {
    Style_Slider style;
    nameAllPictures(style, {attr::thumbUpSkin(), attr::thumbOverSkin(), attr::thumbDownSkin()});
    FakeSlider slider({20, 0, 30, 20});
    slider.setState(0xFFFF, false);
    slider.setState(c.state, true);
    Canvas canvas;
    style.draw(canvas.dc(), {4, 4, 64, 24}, slider);
    RECT ink = canvas.ink();
    EXPECT_EQ(ink.left, 24) << "the thumb, whole, offset by the control's corner";
    EXPECT_EQ(ink.top, 4);
    EXPECT_EQ(ink.right, 34);
    EXPECT_EQ(ink.bottom, 24);
    EXPECT_EQ(canvas.at(28, 10), colourOf(c.expected)) << std::hex << c.state;
  }
}

TEST_F(StyleSkins, SliderStyleOnAnotherControlDrawsNothing) {
  Style_Slider style;
  nameAllPictures(style, {attr::barSkin(), attr::trackSkin(), attr::thumbUpSkin()});
  Canvas canvas;
  style.draw(canvas.dc(), kRect, *controlIn(Enabled));
  EXPECT_EQ(canvas.ink().right, 0);
}

TEST_F(StyleSkins, ControlsPaintThroughTheStyleHook) {
  Style_Background background;
  nameAllPictures(background, {attr::img()});
  Canvas canvas;
  GdiPainter painter(canvas.dc());
  auto named = controlIn(Enabled);
  named->setText(attr::style(), u"background.xml");
  auto unknown = controlIn(Enabled);
  unknown->setText(attr::style(), u"unknown.xml");
  std::vector<std::u16string> asked;
  {
    StyleHook hook([&](const std::u16string& name) -> Style* {
      asked.push_back(name);
      return name == u"background.xml" ? &background : nullptr;
    });
    unknown->paint(painter, {0, 0, 10, 10}, {0, 0, 80, 48});
    named->paint(painter, {20, 10, 30, 20}, {0, 0, 80, 48});
  }
  named->paint(painter, {40, 10, 50, 20}, {0, 0, 80, 48});
  EXPECT_EQ((std::vector<std::u16string>{u"unknown.xml", u"background.xml"}), asked);
  RECT ink = canvas.ink();
  EXPECT_EQ(ink.left, 20) << "only the named style drew, and only while the hook existed";
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.right, 30);
  EXPECT_EQ(ink.bottom, 20);
  EXPECT_EQ(canvas.at(25, 15), colourOf(attr::img()));
}

}  // namespace
}  // namespace toolkit
