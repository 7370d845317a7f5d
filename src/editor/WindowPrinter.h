#pragma once

namespace k9r {

// Prints the window as the record of a setup. The model only decides when;
// the toolkit side owns the printer, its dialog and the window's image.
class WindowPrinter {
 public:
  virtual ~WindowPrinter() = default;
  // The Printer command: the print dialog, then the whole window scaled to
  // the page by its orientation.
  virtual void PrintWindowWithSetup() = 0;
  // PRINTER_MAIN: the window's client area on the current printer, without
  // a dialog.
  virtual void PrintClientArea() = 0;
};

}  // namespace k9r
