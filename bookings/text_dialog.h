// The viewer "Vordruck" (template TextDialog): one screen page of a
// document's sheets at a time with the scroll bar over the lines, "Kein
// Eintrag" when the document is empty, the print size "Druckgröße:" with
// its spin bar, "&Druckerausgabe (Return)", "Als &PDF speichern ..." and
// "&Programmausführung fortsetzen (Esc)", F1 for the help. A successful
// print or PDF export archives the document when the viewer was given a
// history to archive into; the viewer stays open after a failure.
#pragma once

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "bookings/output_pages.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"
#include "ui/dialog.h"

class QScrollBar;

namespace pekto {

class DosFileSystem;

// The side effects of the viewer, replaceable in tests.
struct ViewerServices {
  // The system print dialog over `parent`: true when the user chose a
  // printer (or a PDF file) and confirmed.
  std::function<bool(QPrinter& printer, QWidget* parent)> choose_printer;
  // The file dialog for "Als PDF speichern": the chosen path, or nothing.
  std::function<std::optional<std::string>(QWidget* parent, const std::string& suggested)> choose_pdf_path;
};

// The desktop's own dialogs.
[[nodiscard]] ViewerServices DesktopViewerServices();

// Where a printed document goes into the history.
struct ArchiveTarget {
  const DosFileSystem& files;
  std::string history_dir;
  const EmployeeRecord& record;
};

struct ViewerContext {
  OutputPages pages;
  DocumentKind kind = DocumentKind::Payslip;
  ViewerServices services;
  std::optional<ArchiveTarget> archive;  // none for a document shown from the history
  std::string help_file;                 // PEKTO.CHM of the installation
  std::string pdf_name;                  // suggested file name of "Als PDF speichern"
};

// The screen area that draws the lines from the scroll bar's position.
class SheetView final : public QWidget {
 public:
  SheetView(const OutputPages& pages, DocumentKind kind, QWidget* parent);
  void SetFirstLine(int line);
  [[nodiscard]] int FirstLine() const { return first_line_; }
  [[nodiscard]] int VisibleLines() const;
  [[nodiscard]] int LineHeight() const;
  [[nodiscard]] int SheetWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const OutputPages& pages_;
  QFont normal_, bold_;
  int first_line_ = 0;
};

class TextDialog final : public Dialog {
 public:
  TextDialog(DialogServices& services, ViewerContext context, QWidget* parent = nullptr);

  static constexpr int kFrame = 110;
  static constexpr int kScrollBar = 111;
  static constexpr int kPrintSize = 112;
  static constexpr int kPrintSizeSpin = 113;
  static constexpr int kSavePdf = 114;
  static constexpr int kHelpTopic = 254;

  [[nodiscard]] SheetView* View() const { return view_; }
  [[nodiscard]] const OutputPages& Pages() const { return context_.pages; }
  [[nodiscard]] DocumentKind Kind() const { return context_.kind; }
  [[nodiscard]] int ArchivedCount() const { return archived_; }

  // Prints through the print dialog; true when printed (and archived).
  bool PrintDocument();
  // Saves as PDF through the file dialog; true when written (and archived).
  bool SaveAsPdf();

 protected:
  void OnCommand(int id) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::optional<int> CheckedPrintSize();
  void Archive();
  void ShowMessage(const DialogMessage& message);
  void LayOutView();
  QScrollBar* LineBar() const;

  ViewerContext context_;
  SheetView* view_ = nullptr;
  int archived_ = 0;
};

// Shows the document modally over `parent`.
void ShowDocument(DialogServices& services, ViewerContext context, QWidget* parent);

// "Lohnabrechnung MAIER 05-2024.pdf": the suggested PDF name of a document.
[[nodiscard]] std::string SuggestedPdfName(const EmployeeRecord& record, DocumentKind kind);

}  // namespace pekto
