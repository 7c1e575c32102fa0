#pragma once
// The user interface of the bench programs: no windows and no progress; a message goes to
// standard error and every question is answered with yes.

#include <string>

#include "base/user_interface.h"

namespace morvask::bench {

class StilleUi : public Gebruikersinterface {
 public:
  ModaalResultaat MeldingInformatie(const std::string&, const std::string&, const std::string& tekst,
                                    const std::string&) override;
  ModaalResultaat MeldingWaarschuwing(const std::string&, const std::string&, const std::string& tekst,
                                      const std::string&) override;
  ModaalResultaat MeldingFout(const std::string&, const std::string&, const std::string& tekst,
                              const std::string&) override;
  ModaalResultaat VraagJaNeeAnnuleren(const std::string&, const std::string&, const std::string&, StandaardKnop,
                                      const std::string&, const std::string&, const std::string&) override {
    return mrJa;
  }
  void Piep() override {}
  void BezigCursor(bool) override {}
  void VoortgangTonen(const std::string&, bool) override {}
  void VoortgangTekst(const std::string&) override {}
  void VoortgangPositie(int) override {}
  void VoortgangSluiten() override {}
  void BerichtenVerwerken() override {}
  void InMenuChecken(MenuCode) override {}
};

}  // namespace morvask::bench
