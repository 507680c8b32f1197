// pekto-calc: computes one month's payroll from main-mask fields.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bookings/print_messages.h"
#include "bookings/sheet_printing.h"
#include "tools/calc_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The PDF is drawn without a display: Qt's offscreen platform unless the
  // caller chose another one. The application exists only for it.
  std::unique_ptr<QGuiApplication> app;
  const pekto::PdfExport write_pdf = [&](const pekto::OutputPages& pages,
                                         const std::string& path) -> std::optional<std::string> {
    if (QCoreApplication::instance() == nullptr) {
      ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
      app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return pekto::WriteSheetsPdf(pages, path, pekto::kDefaultPrintSize);
  };
  return pekto::RunCalcCommand(args, std::cin, std::cout, std::cerr, write_pdf);
}
