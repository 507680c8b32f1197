// The selection dialog "Bestand" (template BestDialog): a list and the
// buttons "&Übernahme (Return)" and "&Abbruch (Esc)"; its title follows
// the mode. Choosing an entry (the button, Return or a double click)
// closes it with the entry's index.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/files/employee_files.h"
#include "app/files/selection_list.h"
#include "bookings/wage_type_file.h"
#include "ui/dialog.h"

namespace pekto {

class BestDialog final : public Dialog {
 public:
  BestDialog(DialogServices& services, SelectionMode mode, std::vector<std::string> entries, QWidget* parent = nullptr);

  static constexpr int kList = 101;

  // The entry taken over, once the dialog has closed with it.
  [[nodiscard]] std::optional<std::size_t> Chosen() const { return chosen_; }

 protected:
  void OnCommand(int id) override;

 private:
  std::vector<std::string> entries_;
  std::optional<std::size_t> chosen_;
};

// Runs the dialog modally over `parent`; the chosen entry's index, or
// nothing when cancelled or when the template is missing.
[[nodiscard]] std::optional<std::size_t> ShowSelectionList(DialogServices& services, SelectionMode mode,
                                                           const std::vector<std::string>& entries, QWidget* parent);

// The two lists of the booking mask: "Vorhandene Lohnarten laden" (number
// and name of each wage type, the index of the table row chosen) and
// "Vorhandene Arbeitgeber laden" (the employers of AG.DAT by name, street
// and place, the index of the entry chosen).
[[nodiscard]] std::optional<std::size_t> ChooseWageType(DialogServices& services, const WageTypeTable& table,
                                                        QWidget* parent);
[[nodiscard]] std::optional<std::size_t> ChooseEmployer(DialogServices& services,
                                                        const std::vector<EmployerEntry>& employers, QWidget* parent);

}  // namespace pekto
