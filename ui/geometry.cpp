#include "ui/geometry.h"

#include <algorithm>
#include <cmath>

namespace pekto {

namespace {

int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

int Midpoint(int low, int high, int size) {
  return static_cast<int>(std::lround((static_cast<double>(low) + high - size) / 2.0));
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

int HorizontalDialogUnitsToPixels(int units, DialogBaseUnits base) { return MulDiv(units, base.x, 4); }
int VerticalDialogUnitsToPixels(int units, DialogBaseUnits base) { return MulDiv(units, base.y, 8); }

ScreenRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base) {
  return {HorizontalDialogUnitsToPixels(x, base), VerticalDialogUnitsToPixels(y, base),
          HorizontalDialogUnitsToPixels(width, base), VerticalDialogUnitsToPixels(height, base)};
}

ScreenPoint CenterPosition(const ScreenRect& reference, int width, int height, const ScreenRect& screen,
                           const ScreenRect& work_area) {
  const int left = Midpoint(reference.left, reference.Right(), width);
  const int top = Midpoint(reference.top, reference.Bottom(), height);
  return {Clamp(left, screen.left, screen.Right() - width), Clamp(top, work_area.top, work_area.Bottom() - height)};
}

}  // namespace pekto
