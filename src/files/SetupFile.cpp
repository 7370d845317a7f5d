#include "files/SetupFile.h"

#include "files/TextFile.h"

namespace k9r {

namespace {

namespace fs = std::filesystem;

constexpr char kStoredLineBreak = '\v';

}  // namespace

int CompanionLine(Companion companion) {
  switch (companion) {
    case Companion::DistributorRemark: return 9;
    case Companion::UserRemark: return 16;
    case Companion::Image: return 17;
  }
  return 9;
}

std::string_view CompanionSuffix(Companion companion) {
  switch (companion) {
    case Companion::DistributorRemark: return "_1.DU1";
    case Companion::UserRemark: return "_2.DU2";
    case Companion::Image: return "_3.DU3";
  }
  return "";
}

fs::path CompanionPathForSave(const fs::path& mainFile, Companion companion) {
  const std::string name = mainFile.filename().string();
  const std::size_t lastDot = name.rfind('.');
  const std::string base = lastDot == std::string::npos ? name : name.substr(0, lastDot);
  return mainFile.parent_path() / (base + std::string(CompanionSuffix(companion)));
}

fs::path CompanionPathBeside(const fs::path& mainFile, Companion companion) {
  const std::string name = mainFile.filename().string();
  const std::string base = name.substr(0, name.find('.'));
  return mainFile.parent_path() / (base + std::string(CompanionSuffix(companion)));
}

MainFileTable MainFileTableFromLines(const std::vector<std::string>& lines) {
  MainFileTable table;
  std::string last;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i < lines.size()) last = lines[i];
    table[i] = last;
  }
  return table;
}

std::string FieldToLine(std::string_view text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line.push_back(kStoredLineBreak);
    } else {
      line.push_back(text[i]);
    }
  }
  return line;
}

std::string FieldFromLine(std::string_view line) {
  std::string text(line);
  for (char& c : text) {
    if (c == kStoredLineBreak) c = '\n';
  }
  return text;
}

std::vector<std::string> RemarkToLines(std::string_view remark) {
  if (remark.ends_with('\n') || remark.ends_with('\r')) {
    // SplitLines drops nothing but the final break, which the file's last
    // CR LF stands for.
    return SplitLines(remark);
  }
  return SplitLines(std::string(remark) + "\n");
}

std::string RemarkFromLines(const std::vector<std::string>& lines) {
  std::string remark;
  for (const std::string& line : lines) remark += line + "\n";
  return remark;
}

}  // namespace k9r
