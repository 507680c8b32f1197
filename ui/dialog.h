// The dialog base class: a dialog built from its template in the resource
// scripts, controls addressed by their ids, commands from buttons, menus and
// accelerators routed by id to OnCommand, and the per-field input filter of
// the message loop with its status line.
#pragma once

#include <QDialog>
#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help.h"
#include "ui/field_state.h"
#include "ui/geometry.h"
#include "ui/message_box.h"
#include "ui/rc_script.h"

class QAction;
class QMenu;

namespace pekto {

// What every dialog of a program reaches: its resources and the services
// behind which the side effects are. Owned by the program's frame.
struct DialogServices {
  const rc::Script& resources;
  MessageBoxes& messages;
  HelpViewer& help;
  FieldState& field_state;
  FieldStateStack& field_states;
  int layout_variant = 1;  // 2 = larger font for large screens
};

// A dialog's accelerator table belongs to its menu: "CMDLGAPMENU" has the
// table "CMDLGAPMENA" (a menu of another name shares its name).
[[nodiscard]] std::string AcceleratorTableName(std::string_view menu_name);

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;  // Escape and the window's close button
inline constexpr int kStatusLineId = 163;

class Dialog : public QDialog {
 public:
  Dialog(DialogServices& services, std::string_view template_name, QWidget* parent = nullptr);
  ~Dialog() override;

  // False when the template is missing: the dialog cannot be created.
  [[nodiscard]] bool IsBuilt() const { return built_; }
  [[nodiscard]] const std::string& TemplateName() const { return template_name_; }
  [[nodiscard]] DialogBaseUnits BaseUnits() const { return base_units_; }

  [[nodiscard]] QWidget* Control(int id) const;
  [[nodiscard]] std::string Text(int id) const;  // UTF-8
  void SetText(int id, std::string_view text);
  void Enable(int id, bool enabled);
  void ShowControl(int id, bool visible);
  void Focus(int id);
  void SetReadOnly(int id, bool read_only);
  [[nodiscard]] bool IsControlEnabled(int id) const;
  [[nodiscard]] bool IsControlShown(int id) const;

  [[nodiscard]] std::vector<QAction*> MenuActions(int id) const;
  void CheckMenuItem(int id, bool checked);
  void EnableMenuItem(int id, bool enabled);

  // The input filter, status text and help topic of an input field; the
  // fields registered form the Up/Down cycle in registration order.
  void SetFieldRule(int id, FieldInputRule rule, std::string status_text, int help_topic);
  [[nodiscard]] int FocusedField() const;

  // Routes a command as a button, menu item or accelerator would.
  void SendCommand(int id);
  [[nodiscard]] DialogServices& Services() const { return services_; }

 protected:
  virtual void OnCommand(int id) { (void)id; }
  virtual void OnFieldFocused(int id) { (void)id; }
  // The field Page Down (step +1) or Page Up (step -1) jumps to from field
  // `id`; 0 leaves the key to the field.
  [[nodiscard]] virtual int PageTarget(int id, int step) const {
    (void)id;
    (void)step;
    return 0;
  }

  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override { SendCommand(kIdCancel); }
  void accept() override { SendCommand(kIdOk); }

 private:
  struct Field {
    FieldInputRule rule;
    std::string status_text;
    int help_topic = 0;
  };

  void Build(const rc::Dialog& dialog);
  void BuildMenu(const rc::Menu& menu);
  void AddMenuItems(QMenu& menu, const std::vector<rc::MenuItem>& items);
  void BuildAccelerators(const rc::AcceleratorTable& table);
  QWidget* CreateControl(const rc::Control& control, QWidget* content);
  void ConnectCommand(QWidget* widget, int id);
  bool FilterKey(QObject* watched, QEvent* event);
  void FieldFocused(int id);
  bool MoveInCycle(int id, int step);

  DialogServices& services_;
  std::string template_name_;
  bool built_ = false;
  DialogBaseUnits base_units_;
  std::map<int, QWidget*> controls_;
  std::multimap<int, QAction*> actions_;
  std::map<int, Field> fields_;
  std::vector<int> field_cycle_;
};

}  // namespace pekto
