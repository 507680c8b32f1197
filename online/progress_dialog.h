// "PROGBA1DLG": the progress bar of an online fetch. The fetch runs on the
// user-interface thread; while it waits on the network the dialog lets the
// screen repaint (without user input), so the program never looks hung.
#pragma once

#include <QPointer>

#include "online/http_get.h"
#include "ui/dialog.h"

class QProgressBar;

namespace pekto {

class ProgressDialog final : public Dialog, public FetchProgress {
 public:
  static constexpr int kProgressBar = 102;

  explicit ProgressDialog(DialogServices& services, QWidget* parent = nullptr);

  void Begin(int range) override;
  void Step() override;
  void Wait() override;
  void End() override;

  [[nodiscard]] QProgressBar* Bar() const { return bar_; }

 private:
  QProgressBar* bar_ = nullptr;
};

// Every fetch behind a progress dialog of its own.
class ProgressHttpClient final : public HttpClient {
 public:
  explicit ProgressHttpClient(DialogServices& services) : services_(services) {}
  std::string Get(std::string_view url, const HttpOptions& options) override;

 private:
  DialogServices& services_;
};

}  // namespace pekto
