#pragma once
// The progress window TGaugeForm1: a bar from 0 to 100, a text line, the cancel button
// "&Annuleren" (also Esc) with its question, and a timer that every two seconds puts the
// percentage in front of the main window's title. It measures how long the calculation took.

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace morvask {
class Catalogus;
class Gebruikersinterface;
}  // namespace morvask

namespace morvask::gui {

class TGaugeForm1 : public QDialog {
  Q_OBJECT

 public:
  TGaugeForm1(QWidget* hoofdvenster, Gebruikersinterface& ui, const Catalogus& catalogus);

  // Bar at 0, caption "Morvask", the text line (hidden when empty), the cancel button when
  // asked; shown without blocking, keeping the rest of the program from input meanwhile.
  void Tonen(const QString& tekst, bool annulerenKnop);
  void TekstZetten(const QString& tekst);
  void PositieZetten(int procent);
  // Closes the window, stops the timer and gives the title back.
  void Sluiten();

  int Positie() const;
  // The time since the window was shown, in seconds, as measured when it last closed or lost
  // activation.
  double LaatsteRekentijd() const { return rekentijd_; }

  // Sets the main window's title with a text in front of it ("40%"), or back without.
  std::function<void(const QString& extraBegin)> titelZetten;

 protected:
  void reject() override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Annuleren();
  void RekentijdVastleggen();

  Gebruikersinterface& ui_;
  const Catalogus& catalogus_;
  QProgressBar* balk_;
  QLabel* tekst_;
  QPushButton* annuleren_;
  QTimer timer_;
  QElapsedTimer klok_;
  double rekentijd_ = 0.0;
  bool sluitend_ = false;
};

}  // namespace morvask::gui
