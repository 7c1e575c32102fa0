#pragma once
// The one way library operations talk to the user. The windowed program implements it with
// Qt, morvask-cli for a terminal, the tests with a scripted double. Operations never print
// and never throw at the user: they call this.

#include <string>

namespace morvask {

class Catalogus;

// Modal results of the message dialogs.
enum ModaalResultaat : int { mrOK = 1, mrAnnuleren = 2, mrJa = 6, mrNee = 7 };

// The default button of VraagJaNeeAnnuleren.
enum StandaardKnop : int { skJa = 0, skNee = 1, skOK = 2, skAnnuleren = 3 };

// Menu re-evaluation codes of the main window.
enum MenuCode : int {
  mcOpslaan = 11,       // after any change: the save command
  mcPosten = 21,        // the number of posts may have changed
  mcRegistraties = 31,  // the number of registrations may have changed
  mcRapporten = 101,    // a report window opened or closed
};

inline constexpr const char* Programmanaam = "Morvask";

class Gebruikersinterface {
 public:
  virtual ~Gebruikersinterface() = default;

  // The four message dialogs. Every text is Windows-1252; a CR is a line break. Captions of
  // the buttons are given by the caller; an empty caption means the platform's own text.
  virtual ModaalResultaat MeldingInformatie(const std::string& caption, const std::string& titel,
                                            const std::string& tekst, const std::string& okKnop) = 0;
  virtual ModaalResultaat MeldingWaarschuwing(const std::string& caption, const std::string& titel,
                                              const std::string& tekst, const std::string& okKnop) = 0;
  virtual ModaalResultaat MeldingFout(const std::string& caption, const std::string& titel, const std::string& tekst,
                                      const std::string& okKnop) = 0;
  // Buttons yes, no and cancel; returns mrJa, mrNee or mrAnnuleren (closing the dialog is
  // mrAnnuleren).
  virtual ModaalResultaat VraagJaNeeAnnuleren(const std::string& caption, const std::string& titel,
                                              const std::string& tekst, StandaardKnop standaardKnop,
                                              const std::string& annulerenKnop, const std::string& neeKnop,
                                              const std::string& jaKnop) = 0;

  virtual void Piep() = 0;
  // The busy cursor on or off.
  virtual void BezigCursor(bool aan) = 0;

  // The progress window: shown with the bar at 0, the caption "Morvask", the text line (hidden
  // when empty) and, when asked, the cancel button.
  virtual void VoortgangTonen(const std::string& tekst, bool annulerenKnop) = 0;
  virtual void VoortgangTekst(const std::string& tekst) = 0;
  // 0..100.
  virtual void VoortgangPositie(int procent) = 0;
  virtual void VoortgangSluiten() = 0;
  // Lets pending window messages run, so a press of the cancel button can set the flag.
  virtual void BerichtenVerwerken() = 0;

  // Asks the main window to re-evaluate a group of its commands.
  virtual void InMenuChecken(MenuCode code) = 0;

  // Shows the notes window modally; a project asks for it after it has been opened. A front
  // end without a notes window ignores it.
  virtual void AantekeningenschermTonen() {}

  // The cancel flag, set by the progress window's cancel button (after its question) and
  // polled by long calculations; each calculation clears it before it starts.
  bool BerekeningAfbreken = false;

  // What the progress window's cancel button does: asks "Berekening afbreken?" with
  // "Af&breken" (yes), "&Niet afbreken" (no, the default) and "&Annuleren"; only
  // "Af&breken" sets the cancel flag.
  void AfbrekenAangevraagd(const Catalogus& catalogus);
};

// The busy cursor for as long as the object lives (or until Klaar).
class BezigeCursor {
 public:
  explicit BezigeCursor(Gebruikersinterface& ui) : ui_(ui) { ui_.BezigCursor(true); }
  ~BezigeCursor() { Klaar(); }
  void Klaar() {
    if (aan_) ui_.BezigCursor(false);
    aan_ = false;
  }
  BezigeCursor(const BezigeCursor&) = delete;
  BezigeCursor& operator=(const BezigeCursor&) = delete;

 private:
  Gebruikersinterface& ui_;
  bool aan_ = true;
};

}  // namespace morvask
