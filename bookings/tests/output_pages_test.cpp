#include "bookings/output_pages.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

TEST(OutputPages, SheetsHaveSeventyOneBlankLines) {
  OutputPages pages;
  EXPECT_TRUE(pages.Empty());
  EXPECT_EQ(pages.AddSheet(), 1);
  EXPECT_EQ(pages.AddSheet(), 2);
  EXPECT_EQ(pages.Lines().size(), 142u);
  EXPECT_EQ(pages.Line(2, 71), " ");
}

TEST(OutputPages, PutWidensTheLineAndPutRightNeverSpillsOver) {
  OutputPages pages;
  pages.AddSheet();
  pages.Put(1, 1, 5, "ab");
  EXPECT_EQ(pages.Line(1, 1), "    ab");
  pages.PutRight(1, 2, 1, 4, "12");
  EXPECT_EQ(pages.Line(1, 2), "  12");
  pages.PutRight(1, 3, 1, 4, "123456");
  EXPECT_EQ(pages.Line(1, 3), "****");
}

TEST(OutputPages, FromLinesStopsAtTheFirstEmptyLine) {
  const OutputPages pages = OutputPages::FromLines({"a", "b", "", "c"});
  EXPECT_EQ(pages.Lines().size(), 2u);
  EXPECT_EQ(pages.SheetCount(), 1);
}

TEST(OutputPages, TitleLinesAreRecognisedInEveryDocumentKind) {
  EXPECT_TRUE(IsTitleLine(" L O H N - / G E H A L T S A B R E C H N U N G"));
  EXPECT_TRUE(IsTitleLine("   J A H R E S S U M M E N"));
  EXPECT_TRUE(IsTitleLine("L O H N K O N T O"));
  EXPECT_FALSE(IsTitleLine("LOHNKONTO"));
  EXPECT_EQ(HistoryLetter(DocumentKind::Payslip), 'A');
  EXPECT_EQ(HistoryLetter(DocumentKind::AnnualSums), 'A');
  EXPECT_EQ(HistoryLetter(DocumentKind::PayrollAccount), 'K');
}

}  // namespace
}  // namespace pekto
