#pragma once

#include <QImage>
#include <QPrinter>
#include <QString>
#include <memory>

#include "report/PageGeometry.h"

namespace k9r {

// The job name the printer queue and the PDF title show.
inline constexpr const char* kPrintJobName = "K9R setup";

// Prints one page: the window image at the factors, from the top-left corner
// of the printable area. windowDpi is the resolution of the window's own
// units. False when the printer could not take the page.
bool PrintImageOnPage(QPrinter& printer, const QImage& image, double windowDpi, ScaleFactors factors);

// A printer that writes a PDF file. A file has no unprintable edge, so its
// pages have no margins and the window starts at the corner of the paper.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString& path, PageOrientation orientation);

// A new printer with the printer's destination and page settings, for a
// dialog to change without touching the original.
std::unique_ptr<QPrinter> CopyPrinter(const QPrinter& printer);

PageOrientation OrientationOf(const QPrinter& printer);
bool WritesPdfFile(const QPrinter& printer);

}  // namespace k9r
