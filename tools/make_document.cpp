// pekto-make-document IN.md OUT.pdf: builds one of the explanations that
// the menus open (written as Markdown in resources/documents) into a PDF
// with real text, through Qt's PDF writer as the payslip's PDF is. Runs
// without a display.
#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: pekto-make-document EINGABE.md AUSGABE.pdf\n";
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::cerr << "pekto-make-document: " << argv[1] << " kann nicht gelesen werden\n";
    return 2;
  }
  const QString markdown = QString::fromUtf8(in.readAll());
  QTextDocument document;
  QFont font("DejaVu Sans");
  font.setPointSizeF(10.5);
  document.setDefaultFont(font);
  document.setMarkdown(markdown);
  const std::string target = argv[2];
  const std::string temporary = target + ".tmp";
  {
    QPdfWriter writer(QString::fromStdString(temporary));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    writer.setTitle(document.toPlainText().section('\n', 0, 0));
    writer.setCreator("PEKTO Lohn- und Gehaltsabrechnung");
    document.print(&writer);
  }
  std::error_code error;
  if (std::filesystem::file_size(temporary, error) == 0 || error) {
    std::cerr << "pekto-make-document: " << target << " kann nicht geschrieben werden\n";
    std::filesystem::remove(temporary, error);
    return 2;
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::cerr << "pekto-make-document: " << target << " kann nicht geschrieben werden\n";
    return 2;
  }
  return 0;
}
