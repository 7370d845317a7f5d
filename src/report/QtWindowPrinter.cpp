#include "report/QtWindowPrinter.h"

#include <QPrintDialog>

#include "report/PagePrinting.h"
#include "report/WindowCapture.h"

namespace k9r {

bool ShowQtPrintDialog(QPrinter& printer, QWidget* owner) {
  QPrintDialog dialog(&printer, owner);
  // One page of one picture: there is no range or selection to choose.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPrinter> MakeStartPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (printer->outputFormat() == QPrinter::PdfFormat || printer->printerName().isEmpty()) {
    return MakePdfPrinter(QString(), PageOrientation::Portrait);
  }
  printer->setDocName(kPrintJobName);
  return printer;
}

QtWindowPrinter::QtWindowPrinter(QMainWindow& window, UserInterface& ui, PrintDialog dialog,
                                 std::unique_ptr<QPrinter> startPrinter)
    : window_(window), ui_(ui), dialog_(std::move(dialog)), current_(std::move(startPrinter)) {}

void QtWindowPrinter::PrintWindowWithSetup() {
  // The dialog works on a copy, so that Cancel leaves the current printer
  // exactly as it was.
  auto chosen = CopyPrinter(*current_);
  if (!dialog_(*chosen, &window_)) return;
  current_ = std::move(chosen);
  // Let the window repaint where the dialog covered it before it is taken.
  ui_.PumpEvents();
  PrintOnCurrentPrinter(CaptureWholeWindow(window_), WindowScaleFactors(OrientationOf(*current_)),
                        FileQuestion::WhenUnnamed);
}

void QtWindowPrinter::PrintClientArea() {
  // A file is no paper tray: each print asks where it goes, so that no
  // earlier record is overwritten unasked.
  PrintOnCurrentPrinter(CaptureClientArea(window_), kScreenSize, FileQuestion::Always);
}

void QtWindowPrinter::PrintOnCurrentPrinter(const QImage& image, ScaleFactors factors, FileQuestion question) {
  if (WritesPdfFile(*current_) && !ChooseOutputFile(question)) return;
  ui_.SetBusy(true);
  const bool printed = PrintImageOnPage(*current_, image, window_.logicalDpiX(), factors);
  ui_.SetBusy(false);
  if (printed) return;
  const QString target = WritesPdfFile(*current_) ? current_->outputFileName() : current_->printerName();
  ui_.ShowMessage(MessageIcon::Warning, " K9R Message",
                  "The window could not be printed on " + target.toStdString() + ".", MessageButtons::Ok);
}

bool QtWindowPrinter::ChooseOutputFile(FileQuestion question) {
  const QString current = current_->outputFileName();
  if (question == FileQuestion::WhenUnnamed && !current.isEmpty()) return true;
  const auto path = ui_.SaveFileDialog({"Print to PDF file", "PDF files (*.pdf)", current.toStdString()});
  if (!path || path->empty()) return false;
  current_->setOutputFileName(QString::fromStdString(*path));
  return true;
}

}  // namespace k9r
