// Drawing the sheets of a document on a screen, a printer or a PDF file:
// DejaVu Sans Mono (a fixed-pitch font whose code page 437 box characters
// join), normal weight for the body and bold for the title lines, each
// line at x = 3 x size and y = 80 + size x line number in units of 1/300
// inch, scaled to the device.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <optional>
#include <string>

#include "bookings/output_pages.h"
#include "record/dialog_message.h"

namespace pekto {

inline constexpr const char* kSheetFontFamily = "DejaVu Sans Mono";
inline constexpr double kPrintUnitsPerInch = 300.0;

// The font whose line height on `device` is at least `line_height`
// device pixels, so that the vertical bars of the frames join.
[[nodiscard]] QFont SheetFontForLineHeight(double line_height, bool bold, QPaintDevice* device);

// The screen font of the viewer: by document kind, in points, at the
// screen's logical resolution (96 or 120 dots per inch and beyond keep the
// same pixel size).
[[nodiscard]] double ScreenFontPointSize(DocumentKind kind, int logical_dpi);
[[nodiscard]] QFont ScreenSheetFont(DocumentKind kind, bool bold, int logical_dpi);

// Draws one sheet (sheet numbers from 1) with the print rule.
void DrawSheet(QPainter& painter, const OutputPages& pages, int sheet, int print_size);

struct PrintOutcome {
  bool printed = false;
  std::optional<DialogMessage> message;  // why nothing or not everything was printed
};

// Prints every sheet on a printer that is set up already (the print
// dialog's choice, or a PDF file): a document named "Abrechnung", one page
// per sheet. Failures are mapped to the spooler's messages.
[[nodiscard]] PrintOutcome PrintSheets(QPrinter& printer, const OutputPages& pages, int print_size);

// Writes the sheets into a PDF file with real text; the German reason
// when the file cannot be written.
[[nodiscard]] std::optional<std::string> WriteSheetsPdf(const OutputPages& pages, const std::string& path,
                                                        int print_size);

}  // namespace pekto
