// The wage-type editor "Lohnarten Datei" (template CombDialog): the wage
// types of the installation in a list of 10 visible rows with its scroll
// bar, the edit line that adds, changes and deletes one, the key lists of
// the "S" buttons, saving and deleting LOHNAR.DAT, and the question about
// unsaved edits on leaving. The rules are in wage_type_editing.h and
// wage_type_file.h.
#pragma once

#include <string>

#include "bookings/wage_type_editing.h"
#include "ui/dialog.h"

namespace pekto {

class DosFileSystem;

struct WageTypeEditorContext {
  WageTypeTable& table;
  const DosFileSystem& files;
  std::string path;       // LOHNAR.DAT of the installation (DOS path)
  std::string help_file;  // PEKTO.CHM of the installation
};

class WageTypeDialog final : public Dialog {
 public:
  WageTypeDialog(DialogServices& services, WageTypeEditorContext context, QWidget* parent = nullptr);

  static constexpr int kScrollBar = 499;
  static constexpr int kFirstRowButton = 500;  // 500..509
  static constexpr int kFirstCell = 1000;      // + 10 * row + column
  static constexpr int kEditLine = 800;        // + column 0..6
  static constexpr int kFirstKeyButton = 823;  // category, tax, SV, garnishment key
  static constexpr int kDeleteButton = 830;
  static constexpr int kSave = 840;
  static constexpr int kDeleteFile = 2201;
  static constexpr int kNewHint = 2210, kChangeHint = 2211, kDeleteHint = 2212;
  static constexpr int kKeyboardHelp = 2220, kFieldHelp = 2221;
  static constexpr int kVisibleRows = 10;

  [[nodiscard]] static constexpr int CellId(int row, int column) { return kFirstCell + 10 * row + column; }
  [[nodiscard]] int TopRow() const { return top_row_; }

 protected:
  void OnCommand(int id) override;

 private:
  void SetUpFields();
  void ShowList();
  void ScrollTo(int top_row);
  [[nodiscard]] WageTypeEditLine ReadEditLine() const;
  void ShowEditLine(const WageTypeEditLine& line);
  void Confirm();
  void TakeRow(int visible_row);
  void Save();
  void DeleteFile();
  void Cancel();
  void ChooseKey(int column);
  void FieldPopup(int id);
  void ShowHelp(int topic);

  WageTypeEditorContext context_;
  int top_row_ = 0;
};

// The editor over `parent`, modally.
void OpenWageTypeEditor(DialogServices& services, WageTypeEditorContext context, QWidget* parent);

}  // namespace pekto
