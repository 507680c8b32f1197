// The main mask's file commands (load, save, delete, security copy) and its
// year-figure commands, reached through this interface so that their
// implementation is wired in by the program's frame. The default does
// nothing.
#pragma once

#include <functional>
#include <optional>

#include "record/employee_record.h"
#include "record/mask_fields.h"

namespace pekto {

enum class MaskFileCommand {
  LoadPartial = 256,         // "Daten teilweise <ohne Einkommensdaten> laden (F8)"
  LoadComplete = 257,        // "Daten komplett <mit Einkommensdaten> laden (F9)"
  Save = 258,                // "Daten abspeichern (F3)"
  DeleteFile = 260,          // "Datei löschen (F5)"
  LoadSecurityCopy = 265,    // "Sicherheitskopie <vor letzter Summenbildung> laden"
  ShowYearFigures = 289,     // "Berechnungsbasis für sonstige Bezüge ausweisen (F6)"
  RemoveYearFigures = 5289,  // "Berechnungsbasis für sonstige Bezüge entfernen"
};

// The file command of a menu or accelerator id, if it is one.
[[nodiscard]] std::optional<MaskFileCommand> MaskFileCommandOf(int command);

struct MaskFileCommandContext {
  // `record.mask_fields` holds the 60 texts on the screen when the command
  // starts; what the command leaves there is shown when it reports
  // `mask_changed`.
  EmployeeRecord& record;
  // Asks "Sie haben Ihre Eintragungen nicht abgespeichert ..." when the
  // mask holds unsaved entries; true when the command may go on. The loads
  // ask it before they replace the record.
  std::function<bool()> confirm_discarding_entries;
};

struct MaskFileCommandResult {
  bool mask_changed = false;       // show record.mask_fields again
  std::optional<MaskField> focus;  // the field that gets the focus afterwards
  bool show_payslip = false;       // a save's payslip question was answered Yes
};

class MainMaskFileCommands {
 public:
  virtual ~MainMaskFileCommands() = default;
  virtual MaskFileCommandResult Run(MaskFileCommand command, MaskFileCommandContext& context) {
    (void)command;
    (void)context;
    return {};
  }
};

}  // namespace pekto
