// dorvel: the calendar accessory, started by the payroll program in the
// installation directory with the token START.DAT there.
#include <QApplication>
#include <QDate>
#include <iostream>

#include "calendar/kalen_dialog.h"
#include "platform/dos_file_system.h"
#include "platform/help.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto env = pekto::SystemEnvironment();
  const pekto::DosFileSystem files(pekto::DrivesRootFromEnvironment(env));
  const std::filesystem::path program_dir = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path resources =
      pekto::FindResourceDirectory(env, program_dir, std::filesystem::path(PEKTO_SOURCE_DIR) / "resources");
  const pekto::rc::ParseResult scripts = pekto::rc::LoadScripts(resources / "dorvel");
  for (const auto& error : scripts.errors) std::cerr << "dorvel: " << error << "\n";

  pekto::ScreenMessageBoxes messages;
  pekto::HelpWindowViewer help(resources / "help");
  pekto::FieldState field_state;
  pekto::FieldStateStack field_states;
  pekto::DialogServices services{scripts.script, messages, help, field_state, field_states};
  const QDate today = QDate::currentDate();
  const auto dialog =
      pekto::calendar::StartCalendar(services, files, files.CurrentDirectory(), {today.year(), today.month()});
  if (!dialog) return 1;
  QObject::connect(dialog.get(), &QDialog::finished, &application, [] { QCoreApplication::quit(); });
  return QApplication::exec();
}
