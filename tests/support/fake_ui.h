#pragma once
// A scripted stand-in for the user: records every message and progress call, answers
// questions from a queue, and can press the progress window's cancel button.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/user_interface.h"

namespace morvask::test {

struct Bericht {
  std::string soort;  // "informatie", "waarschuwing", "fout", "vraag"
  std::string caption, titel, tekst;
  std::vector<std::string> knoppen;  // OK caption, or yes, no, cancel captions
  std::optional<StandaardKnop> standaardKnop;
};

class NepUi : public Gebruikersinterface {
 public:
  ModaalResultaat MeldingInformatie(const std::string& c, const std::string& t, const std::string& x,
                                    const std::string& ok) override;
  ModaalResultaat MeldingWaarschuwing(const std::string& c, const std::string& t, const std::string& x,
                                      const std::string& ok) override;
  ModaalResultaat MeldingFout(const std::string& c, const std::string& t, const std::string& x,
                              const std::string& ok) override;
  ModaalResultaat VraagJaNeeAnnuleren(const std::string& c, const std::string& t, const std::string& x,
                                      StandaardKnop standaard, const std::string& annuleren, const std::string& nee,
                                      const std::string& ja) override;
  void Piep() override { ++piepjes; }
  void BezigCursor(bool aan) override { bezig = aan; }
  void VoortgangTonen(const std::string& tekst, bool annulerenKnop) override;
  void VoortgangTekst(const std::string& tekst) override { voortgangTekst = tekst; }
  void VoortgangPositie(int procent) override { posities.push_back(procent); }
  void VoortgangSluiten() override { voortgangZichtbaar = false; }
  void BerichtenVerwerken() override;
  void InMenuChecken(MenuCode code) override { menuCodes.push_back(code); }

  // Answers for the coming questions, in order; without one a question gets its default
  // button's answer (the negative one for destructive questions).
  std::deque<ModaalResultaat> antwoorden;
  // When set, the cancel button is pressed at that pending-message pump (1 = the first);
  // the cancel question is then answered from the queue as usual.
  int afbrekenBijPomp = 0;
  const Catalogus* catalogus = nullptr;  // needed for the cancel question

  std::vector<Bericht> berichten;
  std::vector<MenuCode> menuCodes;
  std::vector<int> posities;
  std::string voortgangTekst;
  bool voortgangZichtbaar = false;
  bool bezig = false;
  int piepjes = 0;
  int pompen = 0;

  // The texts of the messages of one kind (all kinds when empty).
  std::vector<std::string> Teksten(const std::string& soort = "") const;
};

}  // namespace morvask::test
