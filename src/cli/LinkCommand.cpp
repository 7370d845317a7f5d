#include "cli/LinkCommand.h"

#include <map>
#include <ostream>
#include <string>

#include "core/SetupImage.h"
#include "device/BslFrame.h"
#include "device/PortNames.h"
#include "device/RW.h"
#include "device/StandaloneLinkHost.h"
#include "device/TermiosSerialPort.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {

namespace {

constexpr const char* kUsage =
    "usage: k9r link read  --port PORT [options]\n"
    "       k9r link write --port PORT --image HEX256 [--model-type TYPE] [options]\n"
    "       k9r link ports\n"
    "PORT is COMn (COM1 is /dev/ttyS0) or a device path such as /dev/ttyUSB0 or /dev/pts/3.\n"
    "HEX256 is the settings block 1080-10FF as 256 hex digits.\n"
    "TYPE is the model type the editor would show: \"K9R\" (default), \"K9R-16A/B\" or \"ERROR TYPE\".\n"
    "options: --verbose (print the byte log), --passwords FILE, --patch FILE\n";

struct LinkArguments {
  std::string action;
  std::map<std::string, std::string> values;
  bool verbose = false;
};

bool ParseLinkArguments(int argc, char** argv, LinkArguments& arguments, std::ostream& err) {
  if (argc < 3) return false;
  arguments.action = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--verbose") {
      arguments.verbose = true;
    } else if ((option == "--port" || option == "--image" || option == "--model-type" || option == "--passwords" ||
                option == "--patch") &&
               i + 1 < argc) {
      arguments.values[option] = argv[++i];
    } else {
      err << "k9r link: unknown or incomplete option " << option << "\n";
      return false;
    }
  }
  return true;
}

std::string OneLine(std::string text) {
  for (const char* ending : {"\r\n", "\n", "\r"}) {
    for (auto at = text.find(ending); at != std::string::npos; at = text.find(ending)) {
      text.replace(at, std::string(ending).size(), " | ");
    }
  }
  return text;
}

std::string ModelTypeText(const std::string& given) {
  if (given == "K9R" || given == "K9R-16A/B") return " " + given;
  return given;
}

void PrintImage(std::ostream& out, StandaloneLinkHost& host) {
  out << "image 1080-10FF:\n";
  for (int row = 0; row < 8; ++row) {
    out << AddressText(0x1080 + 16 * row) << " ";
    for (int column = 0; column < 16; ++column) out << " " << host.cells[static_cast<std::size_t>(128 + 16 * row + column)];
    out << "\n";
  }
}

void PrintOutcome(std::ostream& out, RW& rw, ScriptedUserInterface& ui, bool verbose) {
  out << "SYNC_CONNECT=" << rw.SYNC_CONNECT << "\n";
  const std::pair<const char*, const std::string*> boxes[] = {
      {"Text1", &rw.Text1}, {"Text2", &rw.Text2}, {"Text3", &rw.Text3}, {"Text4", &rw.Text4}};
  for (const auto& [name, text] : boxes) out << name << ": " << OneLine(*text) << "\n";
  for (const auto& record : ui.Records()) {
    out << "message (" << IconName(record.icon) << ") \"" << record.title << "\": " << OneLine(record.text) << "\n";
  }
  for (const std::string& note : rw.Log().Notes()) out << "note: " << OneLine(note) << "\n";
  if (verbose) {
    out << "byte log:\n";
    rw.Log().Print(out);
  }
}

int ListPorts(std::ostream& out) {
  for (const PortInfo& port : ListSerialPorts()) out << port.name << "\t" << port.description << "\n";
  return 0;
}

}  // namespace

int RunLinkCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
  LinkArguments arguments;
  if (!ParseLinkArguments(argc, argv, arguments, err)) {
    err << kUsage;
    return 2;
  }
  if (arguments.action == "ports") return ListPorts(out);
  const bool isRead = arguments.action == "read";
  if ((!isRead && arguments.action != "write") || !arguments.values.count("--port")) {
    err << kUsage;
    return 2;
  }
  ScriptedUserInterface ui;
  SteadyClock clock;
  StandaloneLinkHost host(ui, clock);
  host.portList = {arguments.values["--port"]};
  host.portIndex = 0;
  for (auto& cell : host.cells) cell = "FF";
  if (!isRead) {
    const std::string image = arguments.values["--image"];
    const ParsedFrameText bytes = ParseFrameText(image);
    if (image.size() != 256 || !bytes.complete || bytes.bytes.size() != 128) {
      err << "k9r link write: --image needs the 128 bytes of 1080-10FF as 256 hex digits\n";
      return 2;
    }
    for (std::size_t i = 0; i < 128; ++i) host.cells[128 + i] = ByteText(bytes.bytes[i]);
    if (arguments.values.count("--model-type")) host.modelTypes = ModelTypeText(arguments.values["--model-type"]);
  }

  DataFileSearch search = DefaultDataFileSearch();
  search.passwordsFile = arguments.values["--passwords"];
  search.patchFile = arguments.values["--patch"];
  TermiosSerialPort port;
  RW rw(host, port, LoadProductData(search));
  out << "port " << arguments.values["--port"] << " (" << DeviceForPortName(arguments.values["--port"]) << ")\n";
  if (isRead) {
    rw.READ_DATA_Click();
  } else {
    rw.WRITE_DATA_Click();
  }
  rw.MSComm1().Close();
  PrintOutcome(out, rw, ui, arguments.verbose);
  if (isRead) {
    out << "READ_MODTYPE_SN=" << rw.READ_MODTYPE_SN << "\nREAD_MODTYPE_DATE=" << rw.READ_MODTYPE_DATE
        << "\nREAD_MODTYPE_MODEL=" << rw.READ_MODTYPE_MODEL << "\n";
    PrintImage(out, host);
    return rw.SYNC_CONNECT == 1 && !rw.EEPROM_1080_DATA.empty() ? 0 : 1;
  }
  out << "BSL_VER=" << rw.BSL_VER << "\nWRITEDATA_ERROR=" << rw.WRITEDATA_ERROR << "\n";
  return rw.WRITEDATA_ERROR == 0 && rw.Text4 == "Segment B WRITE DATA OK" ? 0 : 1;
}

}  // namespace k9r
