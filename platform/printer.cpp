#include "platform/printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace zp {

bool hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

PrintResult printImage(const QImage& image, const QString& pdfPath)
{
    PrintResult r;
    const QPrinterInfo impresora = QPrinterInfo::defaultPrinter();
    r.toPrinter = !impresora.isNull();
    QPrinter printer(QPrinter::HighResolution);
    if (r.toPrinter) {
        printer.setPrinterName(impresora.printerName());
    } else {
        r.pdfPath = pdfPath;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    printer.setDocName(QStringLiteral("Zarpelon"));
    QPainter painter;
    if (!painter.begin(&printer)) return r;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale =
        std::min({printer.resolution() / 96.0, page.width() / image.width(), page.height() / image.height()});
    painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
    r.done = painter.end();
    return r;
}

} // namespace zp
