#include "PdfPages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/wait.h>

namespace k9r::testing {

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs a command; its standard output, or nullopt when it failed.
std::optional<std::string> Run(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string out;
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), read);
  const int status = pclose(pipe);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return out;
}

bool IsPaper(const unsigned char* pixel) { return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255; }
bool IsDark(const unsigned char* pixel) { return pixel[0] + pixel[1] + pixel[2] < 3 * 128; }

}  // namespace

std::optional<PdfInfo> ReadPdfInfo(const std::string& path) {
  const auto out = Run(std::string(PDFINFO_BINARY) + " " + Quoted(path));
  if (!out) return std::nullopt;
  PdfInfo info;
  std::smatch match;
  if (std::regex_search(*out, match, std::regex(R"(Pages:\s+(\d+))"))) info.pages = std::stoi(match[1]);
  if (std::regex_search(*out, match, std::regex(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))) {
    info.widthPoints = std::stod(match[1]);
    info.heightPoints = std::stod(match[2]);
  }
  return info;
}

std::optional<RenderedPage> RenderedPage::Render(const std::string& pdfPath, int dpi) {
  const std::string prefix = pdfPath + ".page";
  const std::string command = std::string(PDFTOPPM_BINARY) + " -r " + std::to_string(dpi) +
                              " -f 1 -l 1 -singlefile " + Quoted(pdfPath) + " " + Quoted(prefix);
  if (!Run(command)) return std::nullopt;
  std::ifstream file(prefix + ".ppm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  RenderedPage page;
  file >> magic >> page.width_ >> page.height_ >> maxValue;
  file.get();  // the single blank after the header
  if (magic != "P6" || maxValue != 255 || page.width_ <= 0 || page.height_ <= 0) return std::nullopt;
  page.rgb_.resize(static_cast<std::size_t>(page.width_) * page.height_ * 3);
  file.read(reinterpret_cast<char*>(page.rgb_.data()), static_cast<std::streamsize>(page.rgb_.size()));
  if (!file) return std::nullopt;
  std::filesystem::remove(prefix + ".ppm");
  return page;
}

Rgb RenderedPage::At(int x, int y) const {
  const unsigned char* pixel = &rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3];
  return {pixel[0], pixel[1], pixel[2]};
}

int RenderedPage::DarkPixels() const {
  int count = 0;
  for (std::size_t i = 0; i < rgb_.size(); i += 3) count += IsDark(&rgb_[i]) ? 1 : 0;
  return count;
}

PixelBox RenderedPage::DrawnBox() const {
  PixelBox box{width_, height_, -1, -1};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (IsPaper(&rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3])) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

int RenderedPage::PixelsNear(Rgb colour, int tolerance) const {
  int count = 0;
  for (std::size_t i = 0; i < rgb_.size(); i += 3) {
    if (std::abs(rgb_[i] - colour.red) <= tolerance && std::abs(rgb_[i + 1] - colour.green) <= tolerance &&
        std::abs(rgb_[i + 2] - colour.blue) <= tolerance) {
      ++count;
    }
  }
  return count;
}

}  // namespace k9r::testing
