// The messages of the print path and the print size of the viewer
// "Vordruck": what is refused before the print dialog opens, and how a
// failed print job is reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/dialog_message.h"

namespace pekto {

inline constexpr int kMinPrintSize = 5;
inline constexpr int kMaxPrintSize = 99;
inline constexpr int kDefaultPrintSize = 42;

// The print size typed in "Druckgröße:"; nothing when it is not a whole
// number.
[[nodiscard]] std::optional<int> ParsePrintSize(std::string_view text);

// "Kontrolle": "Der Eintrag in dem Eingabefeld" / "Ausdrucksgröße, muß
// mindestens" / "5 betragen." — for a print size below 5 or no number.
[[nodiscard]] DialogMessage PrintSizeMessage();

// "Druckerfehler!": "Es kann nicht gedruckt werden." — no printer, or the
// print dialog was cancelled or failed.
[[nodiscard]] DialogMessage PrinterErrorMessage();

// The spooler's negative results: -1 (and anything below -5) general
// error, -2 application abort, -3 user abort, -4 disk full, -5 out of
// memory; caption "Druckerausgabe wurde abgebrochen!".
inline constexpr int kSpoolGeneralError = -1;
inline constexpr int kSpoolApplicationAbort = -2;
inline constexpr int kSpoolUserAbort = -3;
inline constexpr int kSpoolDiskFull = -4;
inline constexpr int kSpoolOutOfMemory = -5;
[[nodiscard]] DialogMessage PrintAbortedMessage(int spool_error);

// "PEKTO Fehler!": the PDF file could not be written.
[[nodiscard]] DialogMessage PdfFailedMessage(std::string_view path);

}  // namespace pekto
