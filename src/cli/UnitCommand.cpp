#include "cli/UnitCommand.h"

#include <fstream>
#include <iostream>
#include <map>
#include <memory>

#include "cli/ImageFile.h"
#include "core/ByteMap.h"
#include "device/PortNames.h"
#include "device/RW.h"
#include "device/TermiosSerialPort.h"
#include "editor/MainWindow.h"
#include "editor/ModelDump.h"
#include "editor/PortSelector.h"
#include "editor/ScriptedUserInterface.h"
#include "editor/UnitTransfer.h"
#include "sim/DemoUnit.h"

namespace k9r {

namespace {

constexpr const char* kUsage =
    "usage: k9r read  --port PORT|--demo [--json] [options]\n"
    "       k9r write --port PORT|--demo --image FILE [--model-type TYPE] [--yes] [options]\n"
    "Reads a unit and decodes it as the window's Read does, or writes an image as its Write does.\n"
    "PORT is COMn (COM1 is /dev/ttyS0) or a device path such as /dev/ttyUSB0.\n"
    "--demo uses the simulated demo unit, whose memory is kept in the user's data folder.\n"
    "--json prints the whole window as the script action dump does.\n"
    "FILE holds the 128 bytes of 1080-10FF as hex digits (the image lines that k9r read prints will do).\n"
    "TYPE is the model type the editor shows: \"K9R\" (default) or \"K9R-16A/B\".\n"
    "--yes writes without asking first.\n"
    "options: --passwords FILE, --patch FILE (the product data files)\n";

struct UnitArguments {
  bool write = false;
  bool demo = false;
  bool json = false;
  bool yes = false;
  std::map<std::string, std::string> values;
};

bool ParseUnitArguments(int argc, char** argv, UnitArguments& arguments, std::ostream& err) {
  arguments.write = std::string(argv[1]) == "write";
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--demo") {
      arguments.demo = true;
    } else if (option == "--json" && !arguments.write) {
      arguments.json = true;
    } else if (option == "--yes" && arguments.write) {
      arguments.yes = true;
    } else if ((option == "--port" || option == "--passwords" || option == "--patch" ||
                (arguments.write && (option == "--image" || option == "--model-type"))) &&
               i + 1 < argc) {
      arguments.values[option] = argv[++i];
    } else {
      err << "k9r " << argv[1] << ": unknown or incomplete option " << option << "\n";
      return false;
    }
  }
  if (arguments.demo == (arguments.values.count("--port") == 1)) {
    err << "k9r " << argv[1] << ": give either --port PORT or --demo\n";
    return false;
  }
  if (arguments.write && !arguments.values.count("--image")) {
    err << "k9r write: --image FILE is needed\n";
    return false;
  }
  return true;
}

std::string OneLine(std::string text) {
  for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n')) text.replace(at, 1, " | ");
  return text;
}

std::string FieldText(MainWindow& window, const char* name) { return window.Controls().Get<TextField>(name).Text(); }

BlockImage UpperHalf(MainWindow& window) {
  BlockImage image;
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = window.Image().CellText(bytemap::kFirstUpperCell + static_cast<int>(i));
  }
  return image;
}

void PrintUnitInformation(std::ostream& out, MainWindow& window) {
  out << "model:" << FieldText(window, "RC_MODETYPES") << "\nID code: " << FieldText(window, "RC_ID_CODE")
      << "\nserial number: " << FieldText(window, "SERIAL_NUMBER_TXT") << "\nTx-Date: " << FieldText(window, "TX_DATE")
      << "\nRx-Date: " << FieldText(window, "RX_DATE") << "\n";
}

void PrintMessages(std::ostream& out, const ScriptedUserInterface& ui) {
  for (const auto& record : ui.Records()) {
    out << "message (" << IconName(record.icon) << ") \"" << record.title << "\": " << OneLine(record.text);
    if (record.buttons != MessageButtons::Ok) out << " [" << record.answer << "]";
    out << "\n";
  }
}

// Asks on the terminal before the window's own question, which then takes
// the answer given here.
bool ConfirmOnTerminal(std::istream& in, std::ostream& prompt) {
  prompt << "Do you want to Write DATA to R/C ???` [y/N] " << std::flush;
  std::string answer;
  std::getline(in, answer);
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

int RunUnitCommand(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  if (argc == 3 && (std::string(argv[2]) == "--help" || std::string(argv[2]) == "-h")) {
    out << kUsage;
    return 0;
  }
  UnitArguments arguments;
  if (!ParseUnitArguments(argc, argv, arguments, err)) {
    err << kUsage;
    return 2;
  }
  std::optional<BlockImage> image;
  if (arguments.write) {
    std::ifstream file(arguments.values["--image"]);
    std::string error = "cannot open the file";
    if (file) image = ParseImageFile(file, error);
    if (!image) {
      err << "k9r write: " << arguments.values["--image"] << ": " << error << "\n";
      return 2;
    }
  }

  ScriptedUserInterface ui;
  VirtualClock virtualClock;
  SteadyClock steadyClock;
  MainWindow window(ui, arguments.demo ? static_cast<Clock&>(virtualClock) : steadyClock);
  window.startup();

  TermiosSerialPort port;
  std::unique_ptr<sim::InProcessDemoUnit> demoUnit;
  const std::string demoMemoryFile = sim::DemoMemoryFile();
  if (arguments.demo) {
    std::string error;
    const auto memory = sim::LoadDemoMemory(demoMemoryFile, error);
    if (!memory) {
      err << "k9r: the demo unit's memory is not usable: " << error << "\n";
      return 1;
    }
    demoUnit = std::make_unique<sim::InProcessDemoUnit>(virtualClock, *memory);
    window.AttachSerialPort(demoUnit->Port(), sim::DemoProductData());
    window.Transfer().SetBackupFolder(sim::DemoBackupFolder());
    window.Ports().ShowPortForThisRun(sim::InProcessDemoUnit::kPortName);
  } else {
    DataFileSearch search = DefaultDataFileSearch();
    search.passwordsFile = arguments.values["--passwords"];
    search.patchFile = arguments.values["--patch"];
    window.AttachSerialPort(port, LoadProductData(search));
    window.Transfer().SetBackupFolder(UnitBackupFolder());
    window.Ports().ShowPortForThisRun(arguments.values["--port"]);
  }

  bool succeeded = false;
  if (arguments.write) {
    for (std::size_t i = 0; i < image->size(); ++i) {
      window.Image().SetCellText(bytemap::kFirstUpperCell + static_cast<int>(i), (*image)[i]);
    }
    const std::string modelType = arguments.values["--model-type"];
    window.Controls().Get<TextField>("RC_MODETYPES").SetText(modelType == "K9R-16A/B" ? " K9R-16A/B" : " K9R");
    const bool confirmed = arguments.yes || ConfirmOnTerminal(in, err);
    ui.QueueAnswer({confirmed ? ScriptedUserInterface::Answer::Kind::Yes : ScriptedUserInterface::Answer::Kind::No, ""});
    window.Transfer().WRITE_SETUP_DATA_Click();
    const RW& link = window.Rw();
    succeeded = link.WRITEDATA_ERROR == 0 && link.Text4 == "Segment B WRITE DATA OK";
  } else {
    window.Transfer().READ_SETUP_DATA_Click();
    succeeded = window.Transfer().LastReadDecoded();
  }
  window.Rw().MSComm1().Close();

  if (demoUnit) {
    std::string error;
    if (!sim::SaveDemoMemory(demoUnit->Engine().Memory(), demoMemoryFile, error)) err << "k9r: demo unit: " << error << "\n";
  }
  if (arguments.json) {
    out << DumpModel(window, ui.Records()).dump(2) << "\n";
  } else if (arguments.write) {
    PrintMessages(out, ui);
  } else {
    PrintUnitInformation(out, window);
    PrintMessages(out, ui);
    out << "image 1080-10FF:\n";
    PrintImage(out, UpperHalf(window));
  }
  return succeeded ? 0 : 1;
}

}  // namespace k9r
