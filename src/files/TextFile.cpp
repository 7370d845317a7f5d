#include "files/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <system_error>

#include "files/CodePage.h"

namespace k9r {

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

fs::path TemporaryPathBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  fs::path temporary = target;
  temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  return temporary;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const fs::path& path, const std::string& codePage) {
  if (!IsFileExit(path)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return std::nullopt;
  return SplitLines(DecodeFileBytes(bytes, codePage));
}

bool WriteTextLines(const fs::path& path, const std::vector<std::string>& lines, const std::string& codePage) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  std::string bytes = EncodeInCodePage(text, codePage).value_or(text);

  std::error_code error;
  // Replace what a link points to, not the link; keep a read-only file read-only.
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, error))) target = fs::canonical(path, error);
  if (error && error != std::errc::no_such_file_or_directory) return false;
  if (fs::exists(target, error)) {
    const fs::file_status status = fs::status(target, error);
    if (error || !fs::is_regular_file(status) || (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
      return false;
    }
  }

  const fs::path temporary = TemporaryPathBeside(target);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool IsFileExit(const fs::path& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error) && !error;
}

}  // namespace k9r
