#pragma once

#include <optional>
#include <string>
#include <vector>

// Reads PDF files the way a person would look at them, through poppler's
// pdfinfo and pdftoppm (Debian's poppler-utils).
namespace k9r::testing {

struct PdfInfo {
  int pages = 0;
  double widthPoints = 0.0;
  double heightPoints = 0.0;
};

// nullopt when pdfinfo does not accept the file as a PDF.
std::optional<PdfInfo> ReadPdfInfo(const std::string& path);

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

struct PixelBox {
  int left = 0;
  int top = 0;
  int right = -1;  // inclusive; right < left when the box is empty
  int bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// The first page rendered at dpi dots per inch.
class RenderedPage {
 public:
  static std::optional<RenderedPage> Render(const std::string& pdfPath, int dpi);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  // Pixels dark enough to be text or lines.
  int DarkPixels() const;
  // The smallest box around everything that is not paper white.
  PixelBox DrawnBox() const;
  int PixelsNear(Rgb colour, int tolerance) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<unsigned char> rgb_;
};

}  // namespace k9r::testing
