#pragma once
// The user-interface contract for a terminal: messages go to standard error in UTF-8 with
// their line breaks as LF; a question gets the affirmative answer with --force, otherwise
// the negative one, its text is printed with a line naming --force, and the command is
// marked as refused.

#include <string>

#include "base/user_interface.h"

namespace morvask::cli {

class TerminalUi : public Gebruikersinterface {
 public:
  explicit TerminalUi(bool forceer);

  ModaalResultaat MeldingInformatie(const std::string& c, const std::string& t, const std::string& x,
                                    const std::string& ok) override;
  ModaalResultaat MeldingWaarschuwing(const std::string& c, const std::string& t, const std::string& x,
                                      const std::string& ok) override;
  ModaalResultaat MeldingFout(const std::string& c, const std::string& t, const std::string& x,
                              const std::string& ok) override;
  ModaalResultaat VraagJaNeeAnnuleren(const std::string& c, const std::string& t, const std::string& x,
                                      StandaardKnop standaard, const std::string& annuleren, const std::string& nee,
                                      const std::string& ja) override;
  void Piep() override {}
  void BezigCursor(bool) override {}
  void VoortgangTonen(const std::string& tekst, bool annulerenKnop) override;
  void VoortgangTekst(const std::string& tekst) override;
  void VoortgangPositie(int procent) override;
  void VoortgangSluiten() override;
  void BerichtenVerwerken() override;
  void InMenuChecken(MenuCode) override {}

  bool forceer;
  bool vraagGeweigerd = false;  // a question got the negative answer
  int fouten = 0;               // error messages shown
  int waarschuwingen = 0;       // warnings shown

 private:
  void Schrijf(const std::string& titel, const std::string& tekst);
  void VoortgangTekenen();
  bool terminal_;
  bool voortgang_ = false;
  std::string voortgangTekst_;
  int procent_ = 0;
};

// From now on Ctrl+C (SIGINT) acts as the progress window's confirmed "Af&breken": the
// signal is only noted, and the next pending-message pump (BerichtenVerwerken) sets the
// cancel flag, so a long calculation stops at its next poll and completes its work. A second
// Ctrl+C ends the program as usual.
void OnderbrekingOpvangen();

// A Windows-1252 text as UTF-8 with every CR LF and lone CR turned into LF.
std::string VoorTerminal(const std::string& tekst);

}  // namespace morvask::cli
