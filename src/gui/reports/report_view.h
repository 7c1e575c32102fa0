#pragma once
// The report window's text view (KindSynEdit): read-only lines of Windows-1252 text in a
// fixed-pitch font with tab stops every 8 columns. It draws only the lines in sight, so a
// report of a million lines opens and scrolls as fast as one of ten. A caret and a selection
// of characters work with the mouse and the keyboard (arrows, Page Up/Down, Home/End, with
// Shift to select).

#include <QAbstractScrollArea>
#include <QFont>
#include <string>
#include <vector>

namespace morvask::gui {

// The font of the reports: "Courier New" when installed, else the system's fixed-pitch font.
QFont RapportLettertype(int punten);

class TRapportTekst : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // A place in the text: a line and a column, columns counted with the tabs expanded.
  struct Plaats {
    int regel = 0;
    int kolom = 0;
    friend bool operator==(const Plaats&, const Plaats&) = default;
    friend auto operator<=>(const Plaats& a, const Plaats& b) = default;
  };

  explicit TRapportTekst(QWidget* ouder = nullptr);

  void RegelsZetten(std::vector<std::string> regels);
  const std::vector<std::string>& Regels() const { return regels_; }

  // The font size in points.
  void LettergrootteZetten(int punten);
  int Lettergrootte() const { return lettergrootte_; }

  void AllesSelecteren();
  bool HeeftSelectie() const { return anker_ != caret_; }
  // The selected text, line breaks between the lines, tabs as they stand in the report.
  QString Selectie() const;
  // Copies the selection to the clipboard as plain text.
  void Kopieren() const;

  Plaats Caret() const { return caret_; }
  void CaretZetten(Plaats p, bool selecterend = false);
  // The first line in sight.
  int EersteZichtbareRegel() const;

 signals:
  void contextmenuGevraagd(const QPoint& globaal);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void MaatBijwerken();
  void InZichtBrengen(Plaats p);
  Plaats PlaatsBij(const QPoint& punt) const;
  int Regelhoogte() const;
  int Tekenbreedte() const;
  int RegelLengte(int regel) const;
  int RegelsPerPagina() const;

  std::vector<std::string> regels_;
  int langsteRegel_ = 0;  // in columns
  int lettergrootte_ = 8;
  Plaats anker_;
  Plaats caret_;
  bool slepend_ = false;
};

}  // namespace morvask::gui
