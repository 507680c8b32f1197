// The social-insurance number (Versicherungsnummer of the pension
// insurance), § 147 SGB VI with § 2 of the Versicherungsnummern-,
// Kontoführungs- und Versicherungsverlaufsverordnung (VKVV):
//   positions 1-2   area number of the pension insurance carrier (02-89)
//   positions 3-8   birth date TTMMJJ; when the serial numbers of a day are
//                   used up the day is raised by 32 or 64 (the first of a
//                   month also by 96); a day or month not known is 00
//                   (common circular of the social insurance carriers on
//                   the notification procedure, "Gemeinsames Meldeverfahren")
//   position 9      initial of the birth name, A-Z
//   positions 10-11 serial number (00-49 male, 50-99 female)
//   position 12     check digit
// Check digit (§ 2 VKVV, position e): the letter is replaced by its place in the
// alphabet as two digits (A = 01 ... Z = 26); the twelve digits are
// multiplied by 2, 1, 2, 5, 7, 1, 2, 1, 2, 1, 2, 1, the digit sums of the
// products added, and the sum modulo 10 is the check digit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pekto {

enum class SvNumberFault { None, Length, AreaNumber, BirthDate, Initial, SerialNumber, CheckDigit };

// The number as stored: blanks removed, the letter in upper case.
[[nodiscard]] std::string CompactSvNumber(std::string_view text);

// The check digit of the first eleven characters of a compact number;
// nothing when they are not digits, letter, digits.
[[nodiscard]] std::optional<int> SvNumberCheckDigit(std::string_view compact);

// What is wrong with a number as typed (blanks allowed); None when it has
// the statutory form and its check digit is right.
[[nodiscard]] SvNumberFault CheckSvNumber(std::string_view text);

}  // namespace pekto
