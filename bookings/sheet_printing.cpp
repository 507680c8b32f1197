#include "bookings/sheet_printing.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>
#include <filesystem>

#include "bookings/print_messages.h"
#include "platform/code_page.h"

namespace pekto {
namespace {

QFont BaseSheetFont(bool bold) {
  QFont font(kSheetFontFamily);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setKerning(false);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

double DeviceScale(const QPaintDevice& device) { return device.logicalDpiY() / kPrintUnitsPerInch; }

// Draws every sheet, one page each; false when a page could not be begun.
bool DrawDocument(QPainter& painter, QPagedPaintDevice& device, const OutputPages& pages, int print_size) {
  for (int sheet = 1; sheet <= pages.SheetCount(); ++sheet) {
    if (sheet > 1 && !device.newPage()) return false;
    DrawSheet(painter, pages, sheet, print_size);
  }
  return true;
}

}  // namespace

QFont SheetFontForLineHeight(double line_height, bool bold, QPaintDevice* device) {
  QFont font = BaseSheetFont(bold);
  font.setPixelSize(std::max(1, static_cast<int>(std::floor(line_height / 1.2))));
  const double height = QFontMetricsF(font, device).height();
  if (height > 0) {
    const double scaled = font.pixelSize() * line_height / height;
    font.setPixelSize(std::max(1, static_cast<int>(std::ceil(scaled))));
  }
  return font;
}

double ScreenFontPointSize(DocumentKind kind, int logical_dpi) {
  // At 96 dots per inch: 10 points for the payslip and the annual sums, 9
  // for the wider payroll account. A screen at 120 (or more) dots per inch
  // keeps the pixel size of the 96 one, so that a sheet's width fits the
  // viewer alike.
  const double at_96 = kind == DocumentKind::PayrollAccount ? 9.0 : 10.0;
  if (logical_dpi >= 120) return at_96 * 96.0 / logical_dpi;
  return at_96;
}

QFont ScreenSheetFont(DocumentKind kind, bool bold, int logical_dpi) {
  QFont font = BaseSheetFont(bold);
  font.setPointSizeF(ScreenFontPointSize(kind, logical_dpi));
  return font;
}

void DrawSheet(QPainter& painter, const OutputPages& pages, int sheet, int print_size) {
  QPaintDevice* device = painter.device();
  const double scale = DeviceScale(*device);
  const double line_height = print_size * scale;
  const QFont normal = SheetFontForLineHeight(line_height, false, device);
  const QFont bold = SheetFontForLineHeight(line_height, true, device);
  const double ascent = QFontMetricsF(normal, device).ascent();
  const double x = 3.0 * print_size * scale;
  for (int row = 1; row <= kSheetLines; ++row) {
    const std::size_t index = static_cast<std::size_t>((sheet - 1) * kSheetLines + row - 1);
    if (index >= pages.Lines().size()) break;
    const std::string& line = pages.Lines()[index];
    painter.setFont(IsTitleLine(line) ? bold : normal);
    const double y = (80.0 + print_size * (row - 1)) * scale;
    painter.drawText(QPointF(x, y + ascent), QString::fromStdString(Cp437ToUtf8(line)));
  }
}

PrintOutcome PrintSheets(QPrinter& printer, const OutputPages& pages, int print_size) {
  PrintOutcome outcome;
  if (pages.Empty()) return outcome;
  printer.setDocName("Abrechnung");
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) {
    outcome.message = PrinterErrorMessage();
    return outcome;
  }
  const bool drawn = DrawDocument(painter, printer, pages, print_size);
  if (!drawn) printer.abort();
  painter.end();
  switch (printer.printerState()) {
    case QPrinter::Aborted:
      outcome.message = PrintAbortedMessage(drawn ? kSpoolUserAbort : kSpoolGeneralError);
      return outcome;
    case QPrinter::Error:
      outcome.message = PrintAbortedMessage(kSpoolGeneralError);
      return outcome;
    default:
      break;
  }
  if (!drawn) {
    outcome.message = PrintAbortedMessage(kSpoolGeneralError);
    return outcome;
  }
  // A PDF file chosen in the print dialog must exist afterwards.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
      QFileInfo(printer.outputFileName()).size() == 0) {
    outcome.message = PrintAbortedMessage(kSpoolDiskFull);
    return outcome;
  }
  outcome.printed = true;
  return outcome;
}

std::optional<std::string> WriteSheetsPdf(const OutputPages& pages, const std::string& path, int print_size) {
  if (pages.Empty()) return "Das Dokument ist leer.";
  const QString file = QString::fromStdString(path);
  // Written beside the target and renamed, so that a failed export never
  // leaves half a PDF in place of an earlier one.
  const QString temporary = file + ".tmp";
  {
    QPdfWriter writer(temporary);
    writer.setResolution(static_cast<int>(kPrintUnitsPerInch));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle("Abrechnung");
    writer.setCreator("PEKTO Lohn- und Gehaltsabrechnung");
    QPainter painter;
    if (!painter.begin(&writer)) return "Die Datei kann nicht angelegt werden.";
    const bool drawn = DrawDocument(painter, writer, pages, print_size);
    painter.end();
    if (!drawn) {
      QFile::remove(temporary);
      return "Eine Seite konnte nicht angelegt werden.";
    }
  }
  if (QFileInfo(temporary).size() == 0) {
    QFile::remove(temporary);
    return "Nicht genügend Platz auf der Platte.";
  }
  std::error_code error;
  std::filesystem::rename(temporary.toStdString(), path, error);
  if (error) {
    QFile::remove(temporary);
    return "Die Datei kann nicht angelegt werden.";
  }
  return std::nullopt;
}

}  // namespace pekto
