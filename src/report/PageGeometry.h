#pragma once

namespace k9r {

enum class PageOrientation { Portrait, Landscape };

struct ScaleFactors {
  double width = 1.0;
  double height = 1.0;
};

struct PageSize {
  double width = 0.0;
  double height = 0.0;
};

struct PageRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// The Printer command stretches the window image by the page's orientation:
// a portrait page takes it narrower and flatter, a landscape page larger.
ScaleFactors WindowScaleFactors(PageOrientation orientation);

// The client area prints at the size it has on the screen.
inline constexpr ScaleFactors kScreenSize{1.0, 1.0};

// Where an image of the window lands on the page, in the page's device
// units, from the top-left corner of its printable area. The image is
// measured in the window's own units (logical pixels at windowDpi); the
// factors apply to that size carried over to the page at pageDpi. An image
// that would run past the printable area shrinks, keeping the proportions
// the factors gave it, so that the record is always whole.
PageRect ImageRectOnPage(PageSize imageSize, double windowDpi, ScaleFactors factors, PageSize printableSize,
                         double pageDpi);

}  // namespace k9r
