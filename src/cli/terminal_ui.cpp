#include "cli/terminal_ui.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "core/win1252.h"

namespace morvask::cli {

std::string VoorTerminal(const std::string& tekst) {
  std::string regels;
  regels.reserve(tekst.size());
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '\r') {
      regels += '\n';
      if (i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
    } else {
      regels += tekst[i];
    }
  }
  return Win1252NaarUtf8(regels);
}

namespace {

// A button caption without the "&" that marks its access key.
std::string ZonderSneltoets(const std::string& caption) {
  std::string uit;
  for (const char c : caption)
    if (c != '&') uit += c;
  return uit;
}

}  // namespace

TerminalUi::TerminalUi(bool f) : forceer(f), terminal_(isatty(STDERR_FILENO) == 1) {}

void TerminalUi::Schrijf(const std::string& titel, const std::string& tekst) {
  if (voortgang_ && terminal_) std::fputs("\r\033[K", stderr);
  std::string uit;
  if (!titel.empty()) uit = VoorTerminal(titel) + "\n\n";
  uit += VoorTerminal(tekst);
  if (uit.empty() || uit.back() != '\n') uit += '\n';
  std::fputs(uit.c_str(), stderr);
  std::fflush(stderr);
  if (voortgang_) VoortgangTekenen();
}

ModaalResultaat TerminalUi::MeldingInformatie(const std::string&, const std::string& t, const std::string& x,
                                              const std::string&) {
  Schrijf(t, x);
  return mrOK;
}

ModaalResultaat TerminalUi::MeldingWaarschuwing(const std::string&, const std::string& t, const std::string& x,
                                                const std::string&) {
  ++waarschuwingen;
  Schrijf(t, x);
  return mrOK;
}

ModaalResultaat TerminalUi::MeldingFout(const std::string&, const std::string& t, const std::string& x,
                                        const std::string&) {
  ++fouten;
  Schrijf(t, x);
  return mrOK;
}

ModaalResultaat TerminalUi::VraagJaNeeAnnuleren(const std::string&, const std::string& t, const std::string& x,
                                                StandaardKnop, const std::string&, const std::string& nee,
                                                const std::string& ja) {
  if (forceer) return mrJa;
  vraagGeweigerd = true;
  Schrijf(t, x);
  // The answer the command gave, and the option that gives the other one.
  Schrijf("",
          "morvask-cli: answered \"" + ZonderSneltoets(nee) + "\"; --force answers \"" + ZonderSneltoets(ja) + "\"");
  return mrNee;
}

void TerminalUi::VoortgangTonen(const std::string& tekst, bool) {
  voortgang_ = true;
  voortgangTekst_ = tekst;
  procent_ = 0;
  VoortgangTekenen();
}

void TerminalUi::VoortgangTekst(const std::string& tekst) {
  voortgangTekst_ = tekst;
  VoortgangTekenen();
}

void TerminalUi::VoortgangPositie(int procent) {
  if (procent == procent_) return;
  procent_ = procent;
  VoortgangTekenen();
}

void TerminalUi::VoortgangTekenen() {
  if (!terminal_ || !voortgang_) return;
  const std::string regel = "\r\033[K" + VoorTerminal(voortgangTekst_) + " " + std::to_string(procent_) + "%";
  std::fputs(regel.c_str(), stderr);
  std::fflush(stderr);
}

void TerminalUi::VoortgangSluiten() {
  if (voortgang_ && terminal_) {
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
  }
  voortgang_ = false;
}

namespace {

volatile std::sig_atomic_t onderbrekingOntvangen = 0;

void OpOnderbreking(int) { onderbrekingOntvangen = 1; }

}  // namespace

void OnderbrekingOpvangen() {
  struct sigaction actie {};
  actie.sa_handler = OpOnderbreking;
  sigemptyset(&actie.sa_mask);
  actie.sa_flags = SA_RESETHAND | SA_RESTART;  // the second Ctrl+C has its usual effect
  sigaction(SIGINT, &actie, nullptr);
}

void TerminalUi::BerichtenVerwerken() {
  if (onderbrekingOntvangen) BerekeningAfbreken = true;
}

}  // namespace morvask::cli
