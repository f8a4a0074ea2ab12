#pragma once
// The print-the-window operation: a picture of a window on the default printer. A machine with no printer
// gets the picture in a PDF file instead, so that "print" still leaves something to print later.
#include <QImage>
#include <QString>

namespace zp {

struct PrintResult
{
    bool done = false;      // the picture went out
    bool toPrinter = false; // to the default printer; otherwise into `pdfPath`
    QString pdfPath;
};

// Prints `image` at 96 pixels an inch, scaled down to fit the page when larger.
PrintResult printImage(const QImage& image, const QString& pdfPath);

// Whether the system has a printer to print on.
bool hasDefaultPrinter();

} // namespace zp
