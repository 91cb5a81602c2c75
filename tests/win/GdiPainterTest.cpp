// Painting a tree through a real device context: each child is clipped to its own
// rectangle within the clip it was given, and the context's state is restored.
#include <gtest/gtest.h>
#include <windows.h>

#include "toolkit/core/GdiPainter.h"
#include "toolkit/core/Panel.h"

namespace toolkit {
namespace {

// Fills far beyond the rectangle it is given, so that only clipping keeps it in.
struct GreedyFill : StyleDrawer {
  void drawStyle(const std::u16string&, Painter& painter, const Rect&, Control&) override {
    RECT everything{0, 0, 64, 64};
    FillRect(static_cast<HDC>(painter.nativeContext()), &everything, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
};

TEST(GdiPainter, ChildrenPaintOnlyInsideTheirClippedRectangles) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(dc && bitmap);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 64, 64};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  GreedyFill fill;
  Control::setStyleDrawer(&fill);
  Panel root;
  root.setArrangedRect({0, 0, 64, 64});
  auto child = std::make_unique<Control>();
  child->setArrangedRect({10, 10, 30, 30});
  child->setText(attr::style(), u"fill");
  root.addChild(std::move(child));
  GdiPainter painter(dc);
  root.paint(painter, {0, 0, 64, 64}, {0, 0, 20, 64});
  Control::setStyleDrawer(nullptr);

  auto black = [&](int x, int y) { return GetPixel(dc, x, y) == RGB(0, 0, 0); };
  EXPECT_TRUE(black(10, 10));
  EXPECT_TRUE(black(19, 29));
  EXPECT_FALSE(black(20, 15)) << "outside the clip given to the panel";
  EXPECT_FALSE(black(9, 15)) << "outside the child";
  EXPECT_FALSE(black(15, 30));
  HRGN after = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, after), 0) << "the child's clip was undone";
  DeleteObject(after);

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace toolkit
