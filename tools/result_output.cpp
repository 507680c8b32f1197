#include "tools/result_output.h"

#include <sstream>

#include "tools/json.h"

namespace pekto {
namespace {

void DeductionObject(JsonWriter& w, std::string_view key, const EmployeeDeductions& d) {
  w.BeginObject(key);
  w.Integer("lohnsteuer", d.wage_tax.Value());
  w.Integer("kist_an", d.church_tax.Value());
  w.Integer("kist_eg", d.church_spouse.Value());
  w.Integer("soli", d.soli.Value());
  w.Integer("kv", d.kv.Value());
  w.Integer("rv", d.rv.Value());
  w.Integer("av", d.av.Value());
  w.Integer("pv", d.pv.Value());
  w.EndObject();
}

void EmployerObject(JsonWriter& w, std::string_view key, const EmployerContributions& c) {
  w.BeginObject(key);
  w.Integer("kv", c.kv.Value());
  w.Integer("rv", c.rv.Value());
  w.Integer("av", c.av.Value());
  w.Integer("pv", c.pv.Value());
  w.EndObject();
}

// Pads to a width in characters (UTF-8 aware: "Pfändung" is 8 wide).
std::string Pad(std::string_view text, std::size_t width, bool right_aligned) {
  std::size_t chars = 0;
  for (const char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  const std::string fill(chars < width ? width - chars : 0, ' ');
  return right_aligned ? fill + std::string(text) : std::string(text) + fill;
}

// Empty for zero, else euros with a decimal comma: the overview's cells.
std::string Cell(Cents amount) { return amount.IsZero() ? std::string() : FormatAmount(amount); }

void Row(std::ostringstream& out, std::string_view label, std::initializer_list<Cents> cells) {
  out << Pad(label, 14, false);
  for (const Cents c : cells) out << Pad(Cell(c), 12, true);
  out << '\n';
}

void Line(std::ostringstream& out, std::string_view label, Cents amount) {
  out << "  " << Pad(label, 22, false) << Pad(Cell(amount), 12, true) << '\n';
}

}  // namespace

std::string ResultJson(const PayrollResult& r) {
  JsonWriter w;
  w.BeginObject();
  DeductionObject(w, "laufende_an", r.current_employee);
  EmployerObject(w, "laufende_ag", r.current_employer);
  DeductionObject(w, "sonstige_an", OneOffRow(r));
  EmployerObject(w, "sonstige_ag", r.one_off_employer);
  const EmployeeEvaluation& an = r.employee;
  w.BeginObject("arbeitnehmer");
  w.Integer("bruttolohn", an.gross.Value());
  w.Integer("ges_abz", an.statutory_deductions.Value());
  w.Integer("sonst_abz_vor_netto", an.other_before_net.Value());
  w.Integer("netto", an.net.Value());
  w.Integer("pfaendung", an.garnishment.Value());
  w.Integer("kammer", an.chamber.Value());
  w.Integer("sonst_abz_nach_netto", an.other_after_net.Value());
  w.Integer("ausbezahlt", an.payout.Value());
  w.EndObject();
  const EmployerEvaluation& ag = r.employer;
  w.BeginObject("arbeitgeber");
  w.Integer("bruttolohn", ag.gross.Value());
  w.Integer("sv_beitrag", ag.social_insurance.Value());
  w.Integer("uv1", ag.u1.Value());
  w.Integer("uv2", ag.u2.Value());
  w.Integer("p_lst", ag.flat_wage_tax.Value());
  w.Integer("p_kist", (ag.flat_church_tax[0] + ag.flat_church_tax[1]).Value());
  w.Integer("p_soli", ag.flat_soli.Value());
  w.Integer("u_insol", ag.insolvency_levy.Value());
  w.Integer("gesamt", ag.total.Value());
  w.EndObject();
  w.EndObject();
  return w.Text();
}

std::string ResultTable(const PayrollResult& r) {
  std::ostringstream out;
  out << "Ihre Abrechnungsergebnisse in der Übersicht\n\n";
  out << Pad("Gesetzliche", 14, false);
  for (const char* head : {"Lohnsteuer", "KiSt-AN", "KiSt-EG", "Sol-Beitr.", "KV-Beitr.", "RV-Beitr.",
                           "AV-Beitr.", "PV-Beitr."}) {
    out << Pad(head, 12, true);
  }
  out << "\nAbzüge\n";
  const EmployeeDeductions& cur = r.current_employee;
  const EmployeeDeductions one_off = OneOffRow(r);
  const Cents none;
  Row(out, "Laufende AN", {cur.wage_tax, cur.church_tax, cur.church_spouse, cur.soli, cur.kv, cur.rv, cur.av, cur.pv});
  Row(out, "Laufende AG",
      {none, none, none, none, r.current_employer.kv, r.current_employer.rv, r.current_employer.av,
       r.current_employer.pv});
  Row(out, "Sonstige AN",
      {one_off.wage_tax, one_off.church_tax, one_off.church_spouse, one_off.soli, one_off.kv, one_off.rv, one_off.av,
       one_off.pv});
  Row(out, "Sonstige AG",
      {none, none, none, none, r.one_off_employer.kv, r.one_off_employer.rv, r.one_off_employer.av,
       r.one_off_employer.pv});

  out << "\nArbeitnehmer (Auswertung)\n";
  Line(out, "Bruttolohn", r.employee.gross);
  Line(out, "Ges. Abz.", r.employee.statutory_deductions);
  Line(out, "Sonst. Abz (vor Netto)", r.employee.other_before_net);
  Line(out, "Netto", r.employee.net);
  Line(out, "Pfändung", r.employee.garnishment);
  Line(out, "Kammer", r.employee.chamber);
  Line(out, "Sonst. Abz (n. Netto)", r.employee.other_after_net);
  Line(out, "Ausbezahlt", r.employee.payout);

  out << "\nArbeitgeber (Auswertung)\n";
  Line(out, "Bruttolohn", r.employer.gross);
  Line(out, "SV-Beitrag", r.employer.social_insurance);
  Line(out, "UV1", r.employer.u1);
  Line(out, "UV2", r.employer.u2);
  Line(out, r.uniform_flat_tax ? "P-St." : "P.-LSt.", r.employer.flat_wage_tax);
  if (!r.uniform_flat_tax) {
    Line(out, "P.-KiSt", r.employer.flat_church_tax[0] + r.employer.flat_church_tax[1]);
    Line(out, "P.-Soli.", r.employer.flat_soli);
  }
  Line(out, "U-Insol.", r.employer.insolvency_levy);
  Line(out, "Gesamt", r.employer.total);
  return out.str();
}

}  // namespace pekto
