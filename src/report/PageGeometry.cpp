#include "report/PageGeometry.h"

#include <algorithm>

namespace k9r {

ScaleFactors WindowScaleFactors(PageOrientation orientation) {
  if (orientation == PageOrientation::Portrait) return {0.95, 0.83};
  return {1.35, 1.25};
}

PageRect ImageRectOnPage(PageSize imageSize, double windowDpi, ScaleFactors factors, PageSize printableSize,
                         double pageDpi) {
  const double toPage = pageDpi / windowDpi;
  double width = imageSize.width * toPage * factors.width;
  double height = imageSize.height * toPage * factors.height;
  if (width > 0.0 && height > 0.0) {
    const double fit = std::min({1.0, printableSize.width / width, printableSize.height / height});
    width *= fit;
    height *= fit;
  }
  return {0.0, 0.0, width, height};
}

}  // namespace k9r
