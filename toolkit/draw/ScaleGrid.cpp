// The nine pieces of a scale-grid draw.
#include "toolkit/draw/ScaleGrid.h"

std::vector<GridPiece> scaleGridPieces(const GridRect& d, const GridRect& in, int iw, int ih) {
  const int l = in.left, t = in.top, r = in.right, b = in.bottom;
  const int cw = d.right - d.left - l - r, ch = d.bottom - d.top - t - b;
  const int sw = iw - l - r, sh = ih - t - b;
  std::vector<GridPiece> pieces;
  auto add = [&](bool when, GridPiece piece) {
    if (when) pieces.push_back(piece);
  };
  add(cw > 0 && ch > 0, {l, t, sw, sh, d.left + l, d.top + t, cw, ch, true});
  add(l > 0 && t > 0, {0, 0, l, t, d.left, d.top, l, t, false});
  add(t > 0, {l, 0, sw, t, d.left + l, d.top, cw, t, true});
  add(r > 0 && t > 0, {iw - r, 0, r, t, d.right - r, d.top, r, t, false});
  add(r > 0, {iw - r, t, r, sh, d.right - r, d.top + t, r, ch, true});
  add(r > 0 && b > 0, {iw - r, ih - b, r, b, d.right - r, d.bottom - b, r, b, false});
  add(b > 0, {l, ih - b, sw, b, d.left + l, d.bottom - b, cw, b, true});
  add(l > 0 && b > 0, {0, ih - b, l, b, d.left, d.bottom - b, l, b, false});
  add(l > 0, {0, t, l, sh, d.left, d.top + t, l, ch, true});
  return pieces;
}
