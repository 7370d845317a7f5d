#include <gtest/gtest.h>

#include "report/PageGeometry.h"

namespace k9r {
namespace {

// A4 and Letter at 1200 dots per inch, without margins.
constexpr PageSize kA4Portrait{9917, 14033};
constexpr PageSize kA4Landscape{14033, 9917};
constexpr PageSize kLetterLandscape{13200, 10200};

TEST(PageGeometryTest, ScaleFactorsByOrientation) {
  EXPECT_DOUBLE_EQ(WindowScaleFactors(PageOrientation::Portrait).width, 0.95);
  EXPECT_DOUBLE_EQ(WindowScaleFactors(PageOrientation::Portrait).height, 0.83);
  EXPECT_DOUBLE_EQ(WindowScaleFactors(PageOrientation::Landscape).width, 1.35);
  EXPECT_DOUBLE_EQ(WindowScaleFactors(PageOrientation::Landscape).height, 1.25);
}

struct PlacementCase {
  const char* name;
  PageOrientation orientation;
  PageSize window;  // in the window's own units
  double windowDpi;
  PageSize printable;
  PageRect expected;  // page dots at 1200 per inch
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, DrawnRectangleFollowsTheFactors) {
  const PlacementCase& c = GetParam();
  const PageRect rect =
      ImageRectOnPage(c.window, c.windowDpi, WindowScaleFactors(c.orientation), c.printable, 1200.0);
  EXPECT_DOUBLE_EQ(rect.left, c.expected.left);
  EXPECT_DOUBLE_EQ(rect.top, c.expected.top);
  EXPECT_NEAR(rect.width, c.expected.width, 1e-6);
  EXPECT_NEAR(rect.height, c.expected.height, 1e-6);
}

// 796 x 600 pixels at 96 dpi is 8.2917 x 6.25 inches (11940 x 9000 twips).
INSTANTIATE_TEST_SUITE_P(
    Pages, PlacementTest,
    ::testing::Values(
        PlacementCase{"portrait", PageOrientation::Portrait, {796, 600}, 96, kA4Portrait,
                      {0, 0, 796 * 12.5 * 0.95, 600 * 12.5 * 0.83}},
        PlacementCase{"landscape", PageOrientation::Landscape, {796, 600}, 96, kA4Landscape,
                      {0, 0, 796 * 12.5 * 1.35, 600 * 12.5 * 1.25}},
        // The same window on a 120 dpi screen is smaller in inches, and so on paper.
        PlacementCase{"portrait120dpi", PageOrientation::Portrait, {796, 600}, 120, kA4Portrait,
                      {0, 0, 796 * 10.0 * 0.95, 600 * 10.0 * 0.83}},
        // 13432.5 dots would run past Letter's 13200: the whole image shrinks
        // to the page width and keeps its proportions.
        PlacementCase{"landscapeTooWide", PageOrientation::Landscape, {796, 600}, 96, kLetterLandscape,
                      {0, 0, 13200, 9375 * 13200 / 13432.5}},
        PlacementCase{"portraitTooTall", PageOrientation::Portrait, {796, 2000}, 96, kA4Portrait,
                      {0, 0, 9452.5 * 14033 / 20750, 14033}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PageGeometryTest, ScreenSizeKeepsTheWindowsInches) {
  const PageRect rect = ImageRectOnPage({480, 300}, 96, kScreenSize, kA4Portrait, 1200);
  EXPECT_DOUBLE_EQ(rect.width, 6000);  // 5 inches
  EXPECT_DOUBLE_EQ(rect.height, 3750);
}

}  // namespace
}  // namespace k9r
