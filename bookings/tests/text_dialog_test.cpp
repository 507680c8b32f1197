#include "bookings/text_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <iostream>
#include <QKeyEvent>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "bookings/account/account_sheet.h"
#include "bookings/payslip.h"
#include "bookings/print_messages.h"
#include "bookings/sheet_printing.h"
#include "bookings/tests/payslip_fixtures.h"

using pekto::testing_support::PayslipCase;
#include "platform/dos_file_system.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
const fs::path kResources = fs::path(PEKTO_SOURCE_DIR) / "resources";

// The text of a PDF file as Debian's pdftotext extracts it.
std::string PdfText(const std::string& path) {
  QProcess process;
  process.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return "<pdftotext failed>";
  return process.readAllStandardOutput().toStdString();
}

class ViewerTest : public testing::Test {
 protected:
  ViewerTest() : root_(fs::path(testing::TempDir()) / ("pekto_viewer_" + std::to_string(::getpid()))), files_(root_) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "drive_c" / "PEKTO");
  }
  ~ViewerTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::error_code error;
    fs::remove_all(root_, error);
  }

  ViewerContext Context(const PayslipCase& c) {
    records_.push_back(c.record);  // the archive target refers to it
    ViewerContext context;
    context.pages = BuildPayslipOf(*c.record, testing_support::FixtureWageTypes(), c.from_booking_mask).pages;
    context.kind = DocumentKind::Payslip;
    context.services.choose_printer = [this](QPrinter& printer, QWidget*) {
      ++print_dialogs_;
      if (!printer_answer_) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(printed_pdf_.string()));
      return true;
    };
    context.services.choose_pdf_path = [this](QWidget*, const std::string& suggested) -> std::optional<std::string> {
      suggested_ = suggested;
      return pdf_path_;
    };
    context.archive.emplace(ArchiveTarget{files_, "C:\\PEKTO\\HIS01", *c.record});
    context.help_file = "C:\\PEKTO\\PEKTO.CHM";
    context.pdf_name = SuggestedPdfName(*c.record, DocumentKind::Payslip);
    return context;
  }
  ViewerContext Ordinary() { return Context({"ordinary", testing_support::OrdinaryMonth(), false}); }
  [[nodiscard]] std::vector<std::string> HistoryFiles() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root_ / "drive_c" / "PEKTO" / "HIS01", error)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
  void Screenshot(QWidget& window, const std::string& name) {
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      picture.save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name));
    }
  }

  fs::path root_;
  DosFileSystem files_;
  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices services_{script_, boxes_, help_, field_state_, field_states_};
  int print_dialogs_ = 0;
  bool printer_answer_ = true;
  fs::path printed_pdf_ = root_ / "gedruckt.pdf";
  std::optional<std::string> pdf_path_ = (root_ / "abrechnung.pdf").string();
  std::string suggested_;
  std::vector<std::shared_ptr<EmployeeRecord>> records_;
};

TEST_F(ViewerTest, ShowsTheButtonsThePrintSizeAndOneScreenPage) {
  TextDialog dialog(services_, Ordinary());
  ASSERT_TRUE(dialog.IsBuilt());
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Vordruck");
  EXPECT_EQ(dialog.Text(kIdOk), "&Druckerausgabe (Return)");
  EXPECT_EQ(dialog.Text(kIdCancel), "&Programmausführung fortsetzen (Esc)");
  EXPECT_EQ(dialog.Text(TextDialog::kPrintSize), "42");
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_GE(dialog.View()->width(), dialog.View()->SheetWidth()) << "a whole sheet line is visible";
  const int page = dialog.View()->VisibleLines();
  EXPECT_GT(page, 20);
  EXPECT_LT(page, kSheetLines);
  Screenshot(dialog, "vordruck_ordinary.png");
  QTest::keyClick(&dialog, Qt::Key_PageDown);
  EXPECT_EQ(dialog.View()->FirstLine(), page);
  QTest::keyClick(&dialog, Qt::Key_F1);
  ASSERT_EQ(help_.shown.size(), 1u);
  EXPECT_EQ(help_.shown[0].topic, TextDialog::kHelpTopic);
}

TEST_F(ViewerTest, TheSpinBarChangesThePrintSize) {
  TextDialog dialog(services_, Ordinary());
  auto* spin = qobject_cast<QScrollBar*>(dialog.Control(TextDialog::kPrintSizeSpin));
  ASSERT_NE(spin, nullptr);
  spin->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
  EXPECT_EQ(dialog.Text(TextDialog::kPrintSize), "43");
}

TEST_F(ViewerTest, TheTwoSheetMonthScrollsOverBothSheets) {
  const auto cases = testing_support::PayslipCases();
  const auto booked = std::find_if(cases.begin(), cases.end(), [](const auto& c) { return c.name == "booked_two_sheets"; });
  ASSERT_NE(booked, cases.end());
  TextDialog dialog(services_, Context(*booked));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* bar = qobject_cast<QScrollBar*>(dialog.Control(TextDialog::kScrollBar));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 2 * kSheetLines - dialog.View()->VisibleLines());
  bar->setValue(kSheetLines + 5);
  EXPECT_EQ(dialog.View()->FirstLine(), kSheetLines + 5);
  Screenshot(dialog, "vordruck_two_sheets.png");
}

TEST_F(ViewerTest, AnEmptyDocumentSaysKeinEintragAndPrintsNothing) {
  ViewerContext context = Ordinary();
  context.pages = OutputPages();
  TextDialog dialog(services_, std::move(context));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  Screenshot(dialog, "vordruck_empty.png");
  EXPECT_FALSE(dialog.PrintDocument());
  EXPECT_EQ(print_dialogs_, 0);
}

struct SizeCase {
  const char* name;
  const char* size;
  bool printed;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class PrintSize : public ViewerTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(PrintSize, BelowFiveIsRefusedBeforeThePrintDialog) {
  TextDialog dialog(services_, Ordinary());
  dialog.SetText(TextDialog::kPrintSize, GetParam().size);
  EXPECT_EQ(dialog.PrintDocument(), GetParam().printed);
  if (GetParam().printed) {
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(print_dialogs_, 1);
  } else {
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
    EXPECT_EQ(boxes_.shown[0].text, "Der Eintrag in dem Eingabefeld\r\nAusdrucksgröße, muß mindestens\r\n5 betragen.");
    EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(print_dialogs_, 0);
    EXPECT_TRUE(HistoryFiles().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Viewer, PrintSize,
                         testing::Values(SizeCase{"Four", "4", false}, SizeCase{"Five", "5", true},
                                         SizeCase{"Empty", "", false}, SizeCase{"Letters", "ab", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewerTest, PrintingToAPdfFileCarriesTheTextAndArchivesOnce) {
  TextDialog dialog(services_, Ordinary());
  ASSERT_TRUE(dialog.PrintDocument());
  EXPECT_TRUE(boxes_.shown.empty());
  const std::string text = PdfText(printed_pdf_.string());
  EXPECT_NE(text.find("L O H N - / G E H A L T S A B R E C H N U N G"), std::string::npos) << text;
  EXPECT_NE(text.find("Nettolohn"), std::string::npos);
  EXPECT_NE(text.find("2022,89"), std::string::npos);
  EXPECT_NE(text.find("Bäckerei Köhler GmbH"), std::string::npos) << "umlauts are text";
  EXPECT_EQ(HistoryFiles(), std::vector<std::string>{"MAIER.150_202405A"});
  ASSERT_TRUE(dialog.PrintDocument());
  EXPECT_EQ(HistoryFiles(), std::vector<std::string>{"MAIER.150_202405A"}) << "printed twice, archived once";
  EXPECT_EQ(dialog.ArchivedCount(), 2);
}

TEST_F(ViewerTest, ACancelledPrintDialogIsAPrinterErrorAndArchivesNothing) {
  printer_answer_ = false;
  TextDialog dialog(services_, Ordinary());
  EXPECT_FALSE(dialog.PrintDocument());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Druckerfehler!");
  EXPECT_EQ(boxes_.shown[0].text, "Es kann nicht gedruckt werden.");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(HistoryFiles().empty());
}

TEST_F(ViewerTest, APrintThatCannotBeStartedIsReportedAndArchivesNothing) {
  printed_pdf_ = root_ / "fehlt" / "gedruckt.pdf";
  TextDialog dialog(services_, Ordinary());
  EXPECT_FALSE(dialog.PrintDocument());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Druckerfehler!");
  EXPECT_TRUE(HistoryFiles().empty());
}

TEST_F(ViewerTest, SaveAsPdfSuggestsTheEmployeeAndPeriodAndArchives) {
  TextDialog dialog(services_, Ordinary());
  ASSERT_TRUE(dialog.SaveAsPdf());
  EXPECT_EQ(suggested_, "Lohnabrechnung MAIER 05-2024.pdf");
  const std::string text = PdfText(*pdf_path_);
  EXPECT_NE(text.find("Auszahlung"), std::string::npos) << text;
  EXPECT_NE(text.find("Weitere Beschäftigungsverhältnisse bestehen nicht."), std::string::npos);
  EXPECT_EQ(HistoryFiles(), std::vector<std::string>{"MAIER.150_202405A"});
}

TEST_F(ViewerTest, APayrollAccountSavedAsPdfIsArchivedWithK) {
  ViewerContext context = Ordinary();
  const EmployeeRecord& record = *records_.back();
  const AccountYear year = AccountMonthsOf(record, nullptr, 2024);
  context.pages = BuildAccountSheet({record, year, "08.12.2026", std::nullopt});
  context.kind = DocumentKind::PayrollAccount;
  context.pdf_name = SuggestedPdfName(record, DocumentKind::PayrollAccount);
  TextDialog dialog(services_, std::move(context));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  Screenshot(dialog, "vordruck_lohnkonto.png");
  ASSERT_TRUE(dialog.SaveAsPdf());
  EXPECT_EQ(suggested_, "Lohnkonto MAIER 05-2024.pdf");
  const std::string text = PdfText(*pdf_path_);
  EXPECT_NE(text.find("L O H N K O N T O"), std::string::npos) << text;
  EXPECT_NE(text.find("Zusatzbeitrag KV-Freiwillig"), std::string::npos);
  EXPECT_NE(text.find("J A H R E S S U M M E N"), std::string::npos);
  EXPECT_EQ(HistoryFiles(), std::vector<std::string>{"MAIER.150_202405K"});
  ASSERT_TRUE(dialog.PrintDocument());
  EXPECT_EQ(HistoryFiles(), std::vector<std::string>{"MAIER.150_202405K"}) << "printed after the PDF: one file";
}

TEST_F(ViewerTest, AnUnwritablePdfPathIsReportedAndNothingIsArchived) {
  pdf_path_ = (root_ / "fehlt" / "abrechnung.pdf").string();
  TextDialog dialog(services_, Ordinary());
  EXPECT_FALSE(dialog.SaveAsPdf());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_NE(boxes_.shown[0].text.find("konnte nicht geschrieben werden."), std::string::npos);
  EXPECT_TRUE(HistoryFiles().empty());
  EXPECT_FALSE(fs::exists(*pdf_path_));
}

TEST_F(ViewerTest, ADocumentFromTheHistoryIsPrintedWithoutArchivingAgain) {
  ViewerContext context = Ordinary();
  context.archive.reset();
  TextDialog dialog(services_, std::move(context));
  ASSERT_TRUE(dialog.PrintDocument());
  EXPECT_TRUE(HistoryFiles().empty());
}

TEST(ScreenFont, KeepsItsPixelSizeOnLargerScreens) {
  EXPECT_DOUBLE_EQ(ScreenFontPointSize(DocumentKind::Payslip, 96), 10.0);
  EXPECT_DOUBLE_EQ(ScreenFontPointSize(DocumentKind::Payslip, 120), 8.0);
  EXPECT_DOUBLE_EQ(ScreenFontPointSize(DocumentKind::PayrollAccount, 96), 9.0);
  EXPECT_LT(ScreenFontPointSize(DocumentKind::AnnualSums, 144), 10.0);
}

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

// Every expected-sheet case as a PDF: its text carries the payout line
// with the amount of the sheets. With PEKTO_SCREENSHOT_DIR the PDFs are
// kept there, to be looked at as pages (pdftoppm).
class PdfPages : public testing::TestWithParam<testing_support::PayslipCase> {};

TEST_P(PdfPages, CarryTheSheetsAsText) {
  const auto& c = GetParam();
  const OutputPages pages = BuildPayslipOf(*c.record, testing_support::FixtureWageTypes(), c.from_booking_mask).pages;
  const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR");
  const std::string path = (dir.isEmpty() ? std::string(testing::TempDir()) : dir.toStdString()) + "/payslip_" +
                           c.name + "_" + std::to_string(::getpid()) + ".pdf";
  ASSERT_FALSE(WriteSheetsPdf(pages, path, kDefaultPrintSize).has_value());
  const std::string text = PdfText(path);
  const std::string payout = SheetAmount(PayslipResult(*c.record).employee.payout);
  const auto line = text.find("Auszahlung");
  ASSERT_NE(line, std::string::npos) << text;
  EXPECT_NE(text.substr(line, text.find('\n', line) - line).find(payout), std::string::npos) << payout;
  int pdf_pages = 0;
  for (std::size_t at = text.find('\f'); at != std::string::npos; at = text.find('\f', at + 1)) ++pdf_pages;
  EXPECT_EQ(pdf_pages, pages.SheetCount()) << "one page per sheet";
  if (dir.isEmpty()) std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Viewer, PdfPages, testing::ValuesIn(testing_support::PayslipCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

// Nine full sheets into a PDF; the time is reported (and bounded loosely,
// as the sanitizer builds are slow).
OutputPages NineSheets(const EmployeeRecord& record) {
  OutputPages pages;
  PayslipWriter writer(record, pages);
  for (int i = 1; i <= 23 * 9; ++i) {
    writer.AddPayslipLine({"Überstunden 25 %", "03", "L", "L", Cents(2000), "2", Cents(4000 + i), "", false});
  }
  writer.Finish();
  return pages;
}

TEST(PdfTiming, NineSheetsAreWrittenQuickly) {
  const auto record = testing_support::OrdinaryMonth();
  QElapsedTimer build_timer;
  build_timer.start();
  constexpr int kBuilds = 100;
  for (int i = 0; i < kBuilds; ++i) ASSERT_EQ(NineSheets(*record).SheetCount(), 9);
  std::cout << "nine-sheet payslip: " << build_timer.nsecsElapsed() / kBuilds / 1000 << " us per build\n";
  const OutputPages pages = NineSheets(*record);
  const std::string path = std::string(testing::TempDir()) + "/nine_" + std::to_string(::getpid()) + ".pdf";
  QElapsedTimer timer;
  timer.start();
  ASSERT_FALSE(WriteSheetsPdf(pages, path, kDefaultPrintSize).has_value());
  const qint64 ms = timer.elapsed();
  std::cout << "nine-sheet PDF: " << ms << " ms\n";
  EXPECT_LT(ms, 3000);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace pekto
