#include "report/PagePrinting.h"

#include <QPainter>

namespace k9r {

bool PrintImageOnPage(QPrinter& printer, const QImage& image, double windowDpi, ScaleFactors factors) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QSizeF imageSize = image.deviceIndependentSize();
  const PageRect rect = ImageRectOnPage({imageSize.width(), imageSize.height()}, windowDpi, factors,
                                        {static_cast<double>(printer.width()), static_cast<double>(printer.height())},
                                        printer.resolution());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(rect.left, rect.top, rect.width, rect.height), image);
  // Ending the document sends the page.
  return painter.end();
}

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& path, PageOrientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  // An empty name would turn the printer back into a system printer.
  if (!path.isEmpty()) printer->setOutputFileName(path);
  printer->setDocName(kPrintJobName);
  printer->setPageMargins(QMarginsF(0, 0, 0, 0));
  printer->setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                        : QPageLayout::Landscape);
  return printer;
}

std::unique_ptr<QPrinter> CopyPrinter(const QPrinter& printer) {
  auto copy = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (WritesPdfFile(printer)) {
    copy->setOutputFormat(QPrinter::PdfFormat);
    if (!printer.outputFileName().isEmpty()) copy->setOutputFileName(printer.outputFileName());
  } else {
    copy->setPrinterName(printer.printerName());
  }
  copy->setDocName(printer.docName());
  copy->setPageLayout(printer.pageLayout());
  copy->setColorMode(printer.colorMode());
  copy->setDuplex(printer.duplex());
  copy->setCopyCount(printer.copyCount());
  return copy;
}

PageOrientation OrientationOf(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Portrait ? PageOrientation::Portrait
                                                                      : PageOrientation::Landscape;
}

bool WritesPdfFile(const QPrinter& printer) { return printer.outputFormat() == QPrinter::PdfFormat; }

}  // namespace k9r
