#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "device/SerialPort.h"

namespace k9r {

// Product data that is not part of the program: the loader passwords of the
// firmware builds A-D and TI's loader patch for loader version 1.10. Both
// come from data files (formats in docs/data-files.md).
inline constexpr const char* kPasswordsFileName = "k9r-passwords.txt";
inline constexpr const char* kLoaderPatchFileName = "k9r-loader-patch.txt";
inline constexpr int kPasswordLength = 32;
inline constexpr int kFirmwareBuildCount = 4;  // A, B, C, D
inline constexpr int kLoaderPatchAddress = 0x0220;
inline constexpr int kLoaderPatchLength = 194;

using LoaderPassword = std::array<std::uint8_t, kPasswordLength>;

struct LoaderPasswords {
  std::array<std::optional<LoaderPassword>, kFirmwareBuildCount> builds;  // A-D
};

// A data file as found, with a message for the user when it is missing or
// not usable (empty when all is well).
template <typename Content>
struct DataFile {
  Content content{};
  std::string path;     // where it was read from; empty when not found
  std::string problem;  // one clear message naming the file and the fault
};

// Parses a passwords file; the builds it holds correctly are kept, every
// fault is named in problem.
DataFile<LoaderPasswords> ParsePasswordsFile(std::istream& in, const std::string& path);
// Parses the patch as TI-TXT: exactly 194 bytes at 0x0220.
DataFile<std::optional<Bytes>> ParseLoaderPatchFile(std::istream& in, const std::string& path);

// Where the files are looked for, in this order: the file given on the
// command line, the folder in K9R_DATA_DIR, the program's folder, the
// user's data folder (XDG_DATA_HOME or ~/.local/share, then k9r-setup).
struct DataFileSearch {
  std::string passwordsFile;  // given on the command line, else empty
  std::string patchFile;
  std::vector<std::string> folders;
};
DataFileSearch DefaultDataFileSearch();
// The user's data folder of this program: $XDG_DATA_HOME/k9r-setup, by
// default ~/.local/share/k9r-setup; empty when neither is known.
std::string UserDataFolder();

struct ProductData {
  DataFile<LoaderPasswords> passwords;
  DataFile<std::optional<Bytes>> loaderPatch;
};
ProductData LoadProductData(const DataFileSearch& search);

// The password of a device whose vector table is erased, as TI defines it.
LoaderPassword ErasedDevicePassword();

}  // namespace k9r
