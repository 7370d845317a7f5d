#include "device/ProductData.h"


#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/SetupImage.h"
#include "device/TiTxt.h"

namespace k9r {

namespace {

const char* const kBuildNames[kFirmwareBuildCount] = {"A", "B", "C", "D"};

int BuildIndex(const std::string& name) {
  for (int i = 0; i < kFirmwareBuildCount; ++i) {
    if (name == kBuildNames[i] || name == std::string("build ") + kBuildNames[i]) return i;
  }
  return -1;
}

std::string TrimmedText(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string JoinFaults(const std::vector<std::string>& faults) {
  std::string joined;
  for (const std::string& fault : faults) joined += "\n- " + fault;
  return joined;
}

std::string ProgramFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

template <typename Content, typename Parser>
DataFile<Content> FindAndParse(const std::string& given, const std::vector<std::string>& folders,
                               const char* fileName, const char* what, Parser parse) {
  std::vector<std::string> candidates;
  if (!given.empty()) {
    candidates.push_back(given);
  } else {
    for (const std::string& folder : folders) candidates.push_back(folder + "/" + fileName);
  }
  for (const std::string& path : candidates) {
    std::ifstream in(path);
    if (in) return parse(in, path);
  }
  DataFile<Content> missing;
  if (!given.empty()) {
    missing.problem = std::string("The ") + what + " " + given + " cannot be opened.";
  } else {
    std::string looked;
    for (const std::string& path : candidates) looked += "\n- " + path;
    missing.problem = std::string("The ") + what + " " + fileName + " was not found. Looked for:" + looked;
  }
  return missing;
}

}  // namespace

LoaderPassword ErasedDevicePassword() {
  LoaderPassword password;
  password.fill(0xFF);
  return password;
}

DataFile<LoaderPasswords> ParsePasswordsFile(std::istream& in, const std::string& path) {
  DataFile<LoaderPasswords> file;
  file.path = path;
  std::vector<std::string> faults;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    const std::string text = TrimmedText(line);
    if (text.empty() || text[0] == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    const auto equals = text.find('=');
    if (equals == std::string::npos) {
      faults.push_back(where + "expected BUILD = 64 hex digits");
      continue;
    }
    const std::string name = TrimmedText(text.substr(0, equals));
    const int build = BuildIndex(name);
    if (build < 0) {
      faults.push_back(where + "\"" + name + "\" is no firmware build (A, B, C or D)");
      continue;
    }
    std::string digits;
    for (char c : text.substr(equals + 1)) {
      if (c != ' ' && c != '\t') digits += c;
    }
    if (digits.size() != 2 * kPasswordLength || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      faults.push_back(where + "build " + name + " needs 32 bytes as 64 hex digits");
      continue;
    }
    if (file.content.builds[build]) {
      faults.push_back(where + "build " + name + " is given twice; the first one is used");
      continue;
    }
    LoaderPassword password{};
    for (int i = 0; i < kPasswordLength; ++i) {
      password[i] = static_cast<std::uint8_t>(ParseHex(std::string_view(digits).substr(2 * i, 2)));
    }
    file.content.builds[build] = password;
  }
  for (int i = 0; i < kFirmwareBuildCount; ++i) {
    if (!file.content.builds[i]) faults.push_back(std::string("build ") + kBuildNames[i] + " is missing");
  }
  if (!faults.empty()) {
    file.problem = "The loader password file " + path + " is not complete:" + JoinFaults(faults) +
                   "\nUnits of the builds it lacks cannot be unlocked.";
  }
  return file;
}

DataFile<std::optional<Bytes>> ParseLoaderPatchFile(std::istream& in, const std::string& path) {
  DataFile<std::optional<Bytes>> file;
  file.path = path;
  const auto read = ReadTiTxt(in);
  std::string fault;
  if (const auto* error = std::get_if<TiTxtError>(&read)) {
    fault = (error->line ? "line " + std::to_string(error->line) + ": " : std::string()) + error->what;
  } else {
    const auto& sections = std::get<std::vector<TiTxtSection>>(read);
    if (sections.size() != 1 || sections[0].address != kLoaderPatchAddress) {
      fault = "it must hold one section at @0220";
    } else if (sections[0].bytes.size() != static_cast<std::size_t>(kLoaderPatchLength)) {
      fault = "it holds " + std::to_string(sections[0].bytes.size()) + " bytes; the patch has 194 (0220-02E1)";
    } else {
      file.content = sections[0].bytes;
    }
  }
  if (!fault.empty()) file.problem = "The loader patch file " + path + " is not usable: " + fault;
  return file;
}

std::string UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/k9r-setup";
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/share/k9r-setup";
  return {};
}

DataFileSearch DefaultDataFileSearch() {
  DataFileSearch search;
  if (const char* dir = std::getenv("K9R_DATA_DIR"); dir && *dir) search.folders.push_back(dir);
  if (std::string folder = ProgramFolder(); !folder.empty()) search.folders.push_back(folder);
  if (std::string folder = UserDataFolder(); !folder.empty()) search.folders.push_back(folder);
  return search;
}

ProductData LoadProductData(const DataFileSearch& search) {
  ProductData data;
  data.passwords = FindAndParse<LoaderPasswords>(search.passwordsFile, search.folders, kPasswordsFileName,
                                                 "loader password file", ParsePasswordsFile);
  data.loaderPatch = FindAndParse<std::optional<Bytes>>(search.patchFile, search.folders, kLoaderPatchFileName,
                                                        "loader patch file", ParseLoaderPatchFile);
  return data;
}

}  // namespace k9r
