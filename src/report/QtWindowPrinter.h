#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <memory>

#include "core/UserInterface.h"
#include "editor/WindowPrinter.h"
#include "report/PageGeometry.h"

namespace k9r {

// Shows the print dialog on the printer, owned by the window; true when the
// user confirmed. Tests put a scripted dialog in its place.
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* owner)>;
bool ShowQtPrintDialog(QPrinter& printer, QWidget* owner);

// The printer the program starts with: the system's default printer, or,
// on a machine without one, a PDF file that the user names when printing.
std::unique_ptr<QPrinter> MakeStartPrinter();

// Prints the Qt window. It keeps the current printer for the whole run: the
// printer chosen in the print dialog stays current for both prints.
class QtWindowPrinter : public WindowPrinter {
 public:
  QtWindowPrinter(QMainWindow& window, UserInterface& ui, PrintDialog dialog = ShowQtPrintDialog,
                  std::unique_ptr<QPrinter> startPrinter = MakeStartPrinter());

  void PrintWindowWithSetup() override;
  void PrintClientArea() override;

  const QPrinter& CurrentPrinter() const { return *current_; }

 private:
  enum class FileQuestion { WhenUnnamed, Always };

  void PrintOnCurrentPrinter(const QImage& image, ScaleFactors factors, FileQuestion question);
  // For a PDF file printer: asks for the file; false when the user cancels.
  bool ChooseOutputFile(FileQuestion question);

  QMainWindow& window_;
  UserInterface& ui_;
  PrintDialog dialog_;
  std::unique_ptr<QPrinter> current_;
};

}  // namespace k9r
