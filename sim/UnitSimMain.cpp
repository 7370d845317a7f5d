// k9r-unit-sim: a simulated unit on a pseudo-terminal, for trying the setup
// tool and testing it without hardware.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

#include "core/SetupImage.h"
#include "device/BslFrame.h"
#include "sim/DemoUnit.h"
#include "sim/PtyUnitServer.h"

namespace {

using namespace k9r;
using namespace k9r::sim;

std::atomic<bool> stopRequested{false};

constexpr const char* kUsage = R"(usage: k9r-unit-sim [options]
Serves a simulated unit (MSP430F1xx bootstrap loader) on a pseudo-terminal and
prints the terminal's path on the first line of its output.

  --memory FILE       the unit's memory as TI-TXT, kept between runs
                      (default k9r-unit.txt); created when missing
  --model HEX         model byte at FFDD (default C5; D2 or F4: six-pair unit)
  --serial HEX16      serial number code bytes FFD0-FFD7
                      (default 33550000000F333C, serial number 24000123)
  --date HEX6         production date bytes FFD9-FFDB (default 060F18)
  --password HEX64    the firmware's vector table FFE0-FFFF, which is the
                      loader password (default: build A of data/demo)
  --loader VERSION    loader version 1.10, 1.30 or 1.60 (default 1.60);
                      1.10 programs flash only after TI's patch was started
  --erase-check       loader 1.60: check the whole information memory after a
                      segment erase and refuse while it is not blank
  --erased-settings   erase the settings block 1080-10FF at start
  --fault NAME        no-answer, refuse-passwords, refuse-erase,
                      wrong-readback (10A5 reads back wrong), short-reply
  --no-pacing         answer at once instead of at 9600 baud
  --link PATH         also make PATH a symbolic link to the terminal
  --trace             print every byte received and sent on standard error

Options given override what the memory file holds. Stop with Ctrl-C.
)";

std::optional<Bytes> HexBytes(const std::string& text, std::size_t count) {
  const ParsedFrameText parsed = ParseFrameText(text);
  if (!parsed.complete || parsed.bytes.size() != count || text.size() != 2 * count) return std::nullopt;
  return parsed.bytes;
}

const std::map<std::string, Fault> kFaults = {
    {"none", Fault::None},
    {"no-answer", Fault::NoAnswer},
    {"refuse-passwords", Fault::RefusePasswords},
    {"refuse-erase", Fault::RefuseErase},
    {"wrong-readback", Fault::WrongReadBack},
    {"short-reply", Fault::ShortReply},
};

const std::map<std::string, int> kLoaderVersions = {{"1.10", 0x0110}, {"1.30", 0x0130}, {"1.60", 0x0160}};

struct Settings {
  std::string memoryFile = "k9r-unit.txt";
  std::map<int, Bytes> overrides;  // address -> bytes, from the options
  std::optional<int> loaderVersion;
  bool erasedSettings = false;
  LoaderOptions loader;
  bool pace = true;
  bool trace = false;
  std::string link;
};

// Returns the exit status when the program should end at once.
std::optional<int> ParseArguments(int argc, char** argv, Settings& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    const auto hexOption = [&](int address, std::size_t count) -> bool {
      const auto text = value();
      const auto bytes = text ? HexBytes(*text, count) : std::nullopt;
      if (!bytes) {
        std::cerr << "k9r-unit-sim: " << option << " needs " << 2 * count << " hex digits\n";
        return false;
      }
      settings.overrides[address] = *bytes;
      return true;
    };
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (option == "--memory" && i + 1 < argc) {
      settings.memoryFile = *value();
    } else if (option == "--model") {
      if (!hexOption(kModelAddress, 1)) return 2;
    } else if (option == "--serial") {
      if (!hexOption(kSerialAddress, 8)) return 2;
    } else if (option == "--date") {
      if (!hexOption(kDateAddress, 3)) return 2;
    } else if (option == "--password") {
      if (!hexOption(kVectorTableAddress, kPasswordLength)) return 2;
    } else if (option == "--loader") {
      const auto text = value();
      const auto found = text ? kLoaderVersions.find(*text) : kLoaderVersions.end();
      if (found == kLoaderVersions.end()) {
        std::cerr << "k9r-unit-sim: --loader takes 1.10, 1.30 or 1.60\n";
        return 2;
      }
      settings.loaderVersion = found->second;
    } else if (option == "--fault") {
      const auto text = value();
      const auto found = text ? kFaults.find(*text) : kFaults.end();
      if (found == kFaults.end()) {
        std::cerr << "k9r-unit-sim: unknown fault; see --help\n";
        return 2;
      }
      settings.loader.fault = found->second;
    } else if (option == "--erase-check") {
      settings.loader.eraseCheck = true;
    } else if (option == "--erased-settings") {
      settings.erasedSettings = true;
    } else if (option == "--no-pacing") {
      settings.pace = false;
    } else if (option == "--trace") {
      settings.trace = true;
    } else if (option == "--link" && i + 1 < argc) {
      settings.link = *value();
    } else {
      std::cerr << "k9r-unit-sim: unknown option " << option << "\n" << kUsage;
      return 2;
    }
  }
  return std::nullopt;
}

std::optional<UnitMemory> PrepareMemory(const Settings& settings) {
  std::optional<UnitMemory> memory;
  if (std::filesystem::exists(settings.memoryFile)) {
    std::string error;
    memory = UnitMemory::Load(settings.memoryFile, error);
    if (!memory) {
      std::cerr << "k9r-unit-sim: the memory file is not usable: " << error << "\n";
      return std::nullopt;
    }
  } else {
    UnitIdentity identity;
    identity.password = kDemoPassword;
    if (const auto model = settings.overrides.find(kModelAddress); model != settings.overrides.end()) {
      identity.modelByte = model->second[0];  // the default settings depend on the model
    }
    memory = UnitMemory::Fresh(identity);
  }
  for (const auto& [address, bytes] : settings.overrides) memory->SetRange(address, bytes);
  if (settings.loaderVersion) memory->SetLoaderVersion(*settings.loaderVersion);
  if (settings.erasedSettings) memory->Erase(kSettingsAddress, kInfoEnd);
  return memory;
}

}  // namespace

int main(int argc, char** argv) {
  Settings settings;
  if (const auto status = ParseArguments(argc, argv, settings)) return *status;
  std::optional<UnitMemory> memory = PrepareMemory(settings);
  if (!memory) return 1;
  std::string error;
  if (!memory->Save(settings.memoryFile, error)) {
    std::cerr << "k9r-unit-sim: " << error << "\n";
    return 1;
  }

  PtyUnitServer server;
  if (!server.Open(error)) {
    std::cerr << "k9r-unit-sim: " << error << "\n";
    return 1;
  }
  if (!settings.link.empty()) {
    std::filesystem::remove(settings.link);
    std::error_code linkError;
    std::filesystem::create_symlink(server.TerminalPath(), settings.link, linkError);
    if (linkError) std::cerr << "k9r-unit-sim: cannot link " << settings.link << ": " << linkError.message() << "\n";
  }
  std::cout << server.TerminalPath() << std::endl;
  std::cerr << "k9r-unit-sim: unit with model byte " << ByteText(memory->At(kModelAddress)) << ", loader "
            << (memory->LoaderVersion() >> 8) << "." << ByteText(memory->LoaderVersion() & 0xFF) << ", memory in "
            << settings.memoryFile << "\n";

  std::signal(SIGINT, [](int) { stopRequested = true; });
  std::signal(SIGTERM, [](int) { stopRequested = true; });
  LoaderEngine engine(*memory, settings.loader);
  const auto save = [&] {
    if (!engine.Memory().Save(settings.memoryFile, error)) std::cerr << "k9r-unit-sim: " << error << "\n";
  };
  server.Serve(engine, settings.pace, settings.trace ? &std::cerr : nullptr, save, stopRequested);
  save();
  if (!settings.link.empty()) std::filesystem::remove(settings.link);
  return 0;
}
