#include "bookings/text_dialog.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QScrollBar>
#include <QWheelEvent>

#include "bookings/history_files.h"
#include "bookings/print_messages.h"
#include "bookings/sheet_printing.h"
#include "platform/code_page.h"
#include "ui/windows.h"

namespace pekto {
namespace {

constexpr int kMargin = 6;

unsigned FlagsOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Exclamation:
      return kMbOk | kMbIconExclamation;
    case MessageKind::Stop:
      return kMbOk | kMbIconStop;
    default:
      return kMbOk | kMbIconInformation;
  }
}

}  // namespace

ViewerServices DesktopViewerServices() {
  ViewerServices services;
  services.choose_printer = [](QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Drucken");
    return dialog.exec() == QDialog::Accepted;
  };
  services.choose_pdf_path = [](QWidget* parent, const std::string& suggested) -> std::optional<std::string> {
    QString path = QFileDialog::getSaveFileName(parent, "Als PDF speichern", QString::fromStdString(suggested),
                                                "PDF-Dateien (*.pdf)");
    if (path.isEmpty()) return std::nullopt;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    return path.toStdString();
  };
  return services;
}

std::string SuggestedPdfName(const EmployeeRecord& record, DocumentKind kind) {
  std::string name = kind == DocumentKind::PayrollAccount ? "Lohnkonto" : "Lohnabrechnung";
  const std::string& file_name = record.mask_fields[MaskField::FileName];
  const std::string& period = record.mask_fields[MaskField::Period];
  if (!file_name.empty()) name += " " + file_name;
  if (period.size() == 4) name += " " + period.substr(0, 2) + "-20" + period.substr(2, 2);
  return name + ".pdf";
}

SheetView::SheetView(const OutputPages& pages, DocumentKind kind, QWidget* parent)
    : QWidget(parent),
      pages_(pages),
      normal_(ScreenSheetFont(kind, false, parent != nullptr ? parent->logicalDpiY() : 96)),
      bold_(ScreenSheetFont(kind, true, parent != nullptr ? parent->logicalDpiY() : 96)) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
}

int SheetView::LineHeight() const { return QFontMetrics(normal_, this).height(); }

int SheetView::SheetWidth() const {
  return QFontMetrics(normal_, this).horizontalAdvance(QString(kSheetWidth, QChar('M')));
}

int SheetView::VisibleLines() const { return std::max(1, (height() - 2 * kMargin) / std::max(1, LineHeight())); }

void SheetView::SetFirstLine(int line) {
  first_line_ = std::max(0, line);
  update();
}

void SheetView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  if (pages_.Empty()) {
    painter.setFont(normal_);
    painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignTop,
                     "Kein Eintrag");
    return;
  }
  const int line_height = LineHeight();
  const int ascent = QFontMetrics(normal_, this).ascent();
  const auto& lines = pages_.Lines();
  for (int i = 0; i < VisibleLines() + 1; ++i) {
    const std::size_t index = static_cast<std::size_t>(first_line_ + i);
    if (index >= lines.size()) break;
    painter.setFont(IsTitleLine(lines[index]) ? bold_ : normal_);
    painter.drawText(kMargin, kMargin + i * line_height + ascent, QString::fromStdString(Cp437ToUtf8(lines[index])));
  }
}

TextDialog::TextDialog(DialogServices& services, ViewerContext context, QWidget* parent)
    : Dialog(services, "TextDialog", parent), context_(std::move(context)) {
  if (!IsBuilt()) return;
  QWidget* frame = Control(kFrame);
  view_ = new SheetView(context_.pages, context_.kind, frame != nullptr ? frame->parentWidget() : this);
  // Wide enough for a whole sheet line.
  if (frame != nullptr) {
    const int missing = view_->SheetWidth() + 2 * kMargin + 8 - frame->width();
    if (missing > 0) {
      resize(width() + missing, height());
      for (QWidget* child : frame->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == frame || child == view_) continue;
        if (child->x() >= frame->x() + frame->width()) child->move(child->x() + missing, child->y());
      }
      frame->resize(frame->width() + missing, frame->height());
    }
  }
  LayOutView();
  SetText(kPrintSize, std::to_string(kDefaultPrintSize));
  if (auto* spin = qobject_cast<QScrollBar*>(Control(kPrintSizeSpin))) {
    spin->setRange(-kMaxPrintSize, -kMinPrintSize);  // up raises the size
    spin->setValue(-kDefaultPrintSize);
    connect(spin, &QScrollBar::valueChanged, this, [this](int value) { SetText(kPrintSize, std::to_string(-value)); });
  }
  if (QScrollBar* bar = LineBar()) {
    connect(bar, &QScrollBar::valueChanged, this, [this](int value) { view_->SetFirstLine(value); });
  }
  Focus(kIdOk);
}

QScrollBar* TextDialog::LineBar() const { return qobject_cast<QScrollBar*>(Control(kScrollBar)); }

void TextDialog::LayOutView() {
  QWidget* frame = Control(kFrame);
  if (frame == nullptr || view_ == nullptr) return;
  view_->setGeometry(frame->geometry().adjusted(4, 8, -4, -4));
  view_->show();
  if (QScrollBar* bar = LineBar()) {
    const int lines = static_cast<int>(context_.pages.Lines().size());
    const int page = view_->VisibleLines();
    bar->setRange(0, std::max(0, lines - page));
    bar->setPageStep(page);
    bar->setSingleStep(1);
    bar->setEnabled(lines > page);
  }
}

void TextDialog::resizeEvent(QResizeEvent* event) {
  Dialog::resizeEvent(event);
  LayOutView();
}

void TextDialog::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = LineBar();
  switch (event->key()) {
    case Qt::Key_F1:
      Services().help.ShowTopic(context_.help_file, kHelpTopic);
      return;
    case Qt::Key_PageDown:
      if (bar != nullptr) bar->setValue(bar->value() + bar->pageStep());
      return;
    case Qt::Key_PageUp:
      if (bar != nullptr) bar->setValue(bar->value() - bar->pageStep());
      return;
    case Qt::Key_Down:
      if (bar != nullptr) bar->setValue(bar->value() + 1);
      return;
    case Qt::Key_Up:
      if (bar != nullptr) bar->setValue(bar->value() - 1);
      return;
    default:
      Dialog::keyPressEvent(event);
  }
}

void TextDialog::wheelEvent(QWheelEvent* event) {
  if (QScrollBar* bar = LineBar()) bar->setValue(bar->value() - event->angleDelta().y() / 40);
}

void TextDialog::OnCommand(int id) {
  switch (id) {
    case kIdOk:
      PrintDocument();
      break;
    case kSavePdf:
      SaveAsPdf();
      break;
    case kIdCancel:
      done(kIdCancel);
      break;
    default:
      break;
  }
}

void TextDialog::ShowMessage(const DialogMessage& message) {
  MessageBoxCentered(Services().messages, message.Text(), message.caption, FlagsOf(message.kind));
}

std::optional<int> TextDialog::CheckedPrintSize() {
  const auto size = ParsePrintSize(Text(kPrintSize));
  if (!size || *size < kMinPrintSize) {
    ShowMessage(PrintSizeMessage());
    Focus(kPrintSize);
    return std::nullopt;
  }
  return std::min(*size, kMaxPrintSize);
}

bool TextDialog::PrintDocument() {
  if (context_.pages.Empty()) return false;
  const auto size = CheckedPrintSize();
  if (!size) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName("Abrechnung");
  if (!context_.services.choose_printer || !context_.services.choose_printer(printer, this)) {
    ShowMessage(PrinterErrorMessage());
    return false;
  }
  const PrintOutcome outcome = PrintSheets(printer, context_.pages, *size);
  if (outcome.message) ShowMessage(*outcome.message);
  if (!outcome.printed) return false;
  Archive();
  return true;
}

bool TextDialog::SaveAsPdf() {
  if (context_.pages.Empty()) return false;
  const auto size = CheckedPrintSize();
  if (!size) return false;
  if (!context_.services.choose_pdf_path) return false;
  const auto path = context_.services.choose_pdf_path(this, context_.pdf_name);
  if (!path) return false;
  if (const auto failure = WriteSheetsPdf(context_.pages, *path, *size)) {
    DialogMessage message = PdfFailedMessage(*path);
    message.lines.push_back(*failure);
    ShowMessage(message);
    return false;
  }
  Archive();
  return true;
}

void TextDialog::Archive() {
  if (!context_.archive) return;
  const ArchiveTarget& target = *context_.archive;
  const ArchiveResult result =
      ArchiveDocument(target.files, target.history_dir, target.record, context_.kind, context_.pages);
  if (result.outcome == ArchiveOutcome::Archived) ++archived_;
  if (result.message) ShowMessage(*result.message);
}

void ShowDocument(DialogServices& services, ViewerContext context, QWidget* parent) {
  TextDialog dialog(services, std::move(context), parent);
  ShowModalDialog(dialog);
}

}  // namespace pekto
