#pragma once
// The user-interface contract in Qt: the four message dialogs with the caller's captions and
// default button, the beep, the busy cursor, the progress window and a pending-message pump
// that lets Qt process events at most every few tens of milliseconds, so that a long
// calculation stays responsive at almost no cost.

#include <QPointer>
#include <QtGlobal>
#include <functional>

#include "base/user_interface.h"

class QMessageBox;
class QWidget;

namespace morvask::gui {

class TGaugeForm1;

// The object names of the message dialog and of its buttons, by which tests and assistive
// technology find them.
inline constexpr const char* MeldingNaam = "Melding";
inline constexpr const char* JaKnopNaam = "JaKnop";
inline constexpr const char* NeeKnopNaam = "NeeKnop";
inline constexpr const char* AnnulerenKnopNaam = "AnnulerenKnop";
inline constexpr const char* OKKnopNaam = "OKKnop";

class TQtGebruikersinterface : public Gebruikersinterface {
 public:
  ModaalResultaat MeldingInformatie(const std::string& caption, const std::string& titel, const std::string& tekst,
                                    const std::string& okKnop) override;
  ModaalResultaat MeldingWaarschuwing(const std::string& caption, const std::string& titel, const std::string& tekst,
                                      const std::string& okKnop) override;
  ModaalResultaat MeldingFout(const std::string& caption, const std::string& titel, const std::string& tekst,
                              const std::string& okKnop) override;
  ModaalResultaat VraagJaNeeAnnuleren(const std::string& caption, const std::string& titel, const std::string& tekst,
                                      StandaardKnop standaardKnop, const std::string& annulerenKnop,
                                      const std::string& neeKnop, const std::string& jaKnop) override;
  void Piep() override;
  void BezigCursor(bool aan) override;
  void VoortgangTonen(const std::string& tekst, bool annulerenKnop) override;
  void VoortgangTekst(const std::string& tekst) override;
  void VoortgangPositie(int procent) override;
  void VoortgangSluiten() override;
  void BerichtenVerwerken() override;
  void InMenuChecken(MenuCode code) override;
  void AantekeningenschermTonen() override;

  // Set by the main window once it exists.
  QPointer<QWidget> hoofdvenster;
  QPointer<TGaugeForm1> voortgang;
  std::function<void(MenuCode)> menuChecken;
  std::function<void()> aantekeningenTonen;

  // The pump lets Qt process events when this many milliseconds have passed since it last
  // did (0: every time).
  int pompInterval = 25;
  int pompen = 0;    // calls of BerichtenVerwerken
  int verwerkt = 0;  // of which processed events
  // The longest time, in milliseconds, between two calls of the pump since the progress window
  // was last shown: how long the program may have left a click unanswered.
  qint64 langstePauze = 0;

 private:
  ModaalResultaat Melding(int icoon, const std::string& caption, const std::string& titel, const std::string& tekst,
                          const std::string& okKnop);
  QWidget* Ouder() const;

  static qint64 Milliseconden();

  qint64 laatstePomp_ = -1;    // when the pump last let Qt process events (-1: not yet)
  qint64 vorigeAanroep_ = -1;  // when the pump was last called during the progress window

  bool bezig_ = false;
};

}  // namespace morvask::gui
