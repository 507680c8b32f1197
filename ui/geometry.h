// Window arithmetic without a screen: dialog units to pixels, and the
// centring rule of message boxes and dialogs with its clamping.
#pragma once

namespace pekto {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  [[nodiscard]] int Right() const { return left + width; }   // exclusive, as Windows counts
  [[nodiscard]] int Bottom() const { return top + height; }  // exclusive
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The dialog's base units: the font's average character width and height.
struct DialogBaseUnits {
  int x = 6;
  int y = 13;
};

// One horizontal dialog unit is a quarter of the average character width,
// one vertical unit an eighth of the character height (rounded as MulDiv).
[[nodiscard]] int HorizontalDialogUnitsToPixels(int units, DialogBaseUnits base);
[[nodiscard]] int VerticalDialogUnitsToPixels(int units, DialogBaseUnits base);
[[nodiscard]] ScreenRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base);

// The top-left corner that centres a window of `size` over `reference`:
// (reference left + right - width) / 2, rounded; then kept on the screen:
// left within the screen's width, top within the height a maximised window
// has (`work_area`). A window larger than the screen goes to its edge.
[[nodiscard]] ScreenPoint CenterPosition(const ScreenRect& reference, int width, int height, const ScreenRect& screen,
                                         const ScreenRect& work_area);

}  // namespace pekto
