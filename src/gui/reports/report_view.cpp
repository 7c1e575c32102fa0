#include "gui/reports/report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "gui/app/qt_text.h"
#include "reports/print_layout.h"

namespace morvask::gui {

namespace {

constexpr int kMarge = 4;  // pixels left of the text

// The columns a line takes with its tabs expanded.
int Kolommen(const std::string& regel) {
  int kolom = 0;
  for (const char c : regel) kolom = c == '\t' ? (kolom / Tabbreedte + 1) * Tabbreedte : kolom + 1;
  return kolom;
}

// The byte of the line at which a column begins (the line's length past its end); a column
// inside a tab belongs to that tab.
std::size_t ByteVoorKolom(const std::string& regel, int doel) {
  int kolom = 0;
  for (std::size_t i = 0; i < regel.size(); ++i) {
    const int volgende = regel[i] == '\t' ? (kolom / Tabbreedte + 1) * Tabbreedte : kolom + 1;
    if (doel < volgende) return i;
    kolom = volgende;
  }
  return regel.size();
}

}  // namespace

QFont RapportLettertype(int punten) {
  QFont f = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                ? QFont(QStringLiteral("Courier New"))
                : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPointSize(std::max(1, punten));
  return f;
}

TRapportTekst::TRapportTekst(QWidget* ouder) : QAbstractScrollArea(ouder) {
  setObjectName(QStringLiteral("KindSynEdit"));
  setAccessibleName(QStringLiteral("Rapport"));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  QPalette p = viewport()->palette();
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  viewport()->setPalette(p);
  viewport()->setBackgroundRole(QPalette::Base);
  setFont(RapportLettertype(lettergrootte_));
}

void TRapportTekst::RegelsZetten(std::vector<std::string> regels) {
  regels_ = std::move(regels);
  langsteRegel_ = 0;
  for (const std::string& r : regels_) langsteRegel_ = std::max(langsteRegel_, Kolommen(r));
  anker_ = caret_ = {};
  MaatBijwerken();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void TRapportTekst::LettergrootteZetten(int punten) {
  lettergrootte_ = std::max(1, punten);
  setFont(RapportLettertype(lettergrootte_));
  MaatBijwerken();
  viewport()->update();
}

int TRapportTekst::Regelhoogte() const { return std::max(1, fontMetrics().height()); }
int TRapportTekst::Tekenbreedte() const { return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M'))); }
int TRapportTekst::RegelsPerPagina() const { return std::max(1, viewport()->height() / Regelhoogte()); }
int TRapportTekst::EersteZichtbareRegel() const { return verticalScrollBar()->value(); }

int TRapportTekst::RegelLengte(int regel) const {
  if (regel < 0 || regel >= static_cast<int>(regels_.size())) return 0;
  return Kolommen(regels_[static_cast<std::size_t>(regel)]);
}

void TRapportTekst::MaatBijwerken() {
  const int aantal = static_cast<int>(regels_.size());
  verticalScrollBar()->setRange(0, std::max(0, aantal - RegelsPerPagina()));
  verticalScrollBar()->setPageStep(RegelsPerPagina());
  verticalScrollBar()->setSingleStep(1);
  const int breedte = langsteRegel_ * Tekenbreedte() + 2 * kMarge;
  horizontalScrollBar()->setRange(0, std::max(0, breedte - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(Tekenbreedte());
}

void TRapportTekst::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  MaatBijwerken();
}

void TRapportTekst::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.setFont(font());
  const int h = Regelhoogte();
  const int w = Tekenbreedte();
  const int ascent = fontMetrics().ascent();
  const int x0 = kMarge - horizontalScrollBar()->value();
  const int eerste = EersteZichtbareRegel();
  const int laatste = std::min(static_cast<int>(regels_.size()), eerste + viewport()->height() / h + 2);
  const Plaats van = std::min(anker_, caret_);
  const Plaats tot = std::max(anker_, caret_);
  const QPalette& kleuren = palette();
  const QColor selectie = hasFocus() ? kleuren.color(QPalette::Active, QPalette::Highlight)
                                     : kleuren.color(QPalette::Inactive, QPalette::Highlight).lighter(130);
  for (int r = eerste; r < laatste; ++r) {
    const int y = (r - eerste) * h;
    const std::string& regel = regels_[static_cast<std::size_t>(r)];
    if (HeeftSelectie() && r >= van.regel && r <= tot.regel) {
      const int a = r == van.regel ? van.kolom : 0;
      const int b = r == tot.regel ? tot.kolom : Kolommen(regel) + 1;
      if (b > a) p.fillRect(x0 + a * w, y, (b - a) * w, h, selectie);
    }
    p.setPen(Qt::black);
    p.drawText(x0, y + ascent, NaarQt(TabsUitgevouwen(regel)));
  }
  if (hasFocus() && caret_.regel >= eerste && caret_.regel < laatste) {
    p.fillRect(x0 + caret_.kolom * w, (caret_.regel - eerste) * h, 1, h, Qt::black);
  }
}

TRapportTekst::Plaats TRapportTekst::PlaatsBij(const QPoint& punt) const {
  const int aantal = static_cast<int>(regels_.size());
  if (aantal == 0) return {};
  Plaats p;
  p.regel = std::clamp(EersteZichtbareRegel() + punt.y() / Regelhoogte(), 0, aantal - 1);
  const int x = punt.x() - kMarge + horizontalScrollBar()->value();
  p.kolom = std::clamp((x + Tekenbreedte() / 2) / Tekenbreedte(), 0, RegelLengte(p.regel));
  return p;
}

void TRapportTekst::CaretZetten(Plaats p, bool selecterend) {
  const int aantal = static_cast<int>(regels_.size());
  p.regel = std::clamp(p.regel, 0, std::max(0, aantal - 1));
  p.kolom = std::clamp(p.kolom, 0, RegelLengte(p.regel));
  caret_ = p;
  if (!selecterend) anker_ = p;
  InZichtBrengen(p);
  viewport()->update();
}

void TRapportTekst::InZichtBrengen(Plaats p) {
  QScrollBar* v = verticalScrollBar();
  if (p.regel < v->value()) v->setValue(p.regel);
  if (p.regel >= v->value() + RegelsPerPagina()) v->setValue(p.regel - RegelsPerPagina() + 1);
  QScrollBar* hb = horizontalScrollBar();
  const int x = p.kolom * Tekenbreedte();
  if (x < hb->value()) hb->setValue(x);
  if (x + 2 * kMarge > hb->value() + viewport()->width()) hb->setValue(x + 2 * kMarge - viewport()->width());
}

void TRapportTekst::AllesSelecteren() {
  if (regels_.empty()) return;
  anker_ = {};
  const int laatste = static_cast<int>(regels_.size()) - 1;
  caret_ = {laatste, RegelLengte(laatste)};
  viewport()->update();
}

QString TRapportTekst::Selectie() const {
  if (!HeeftSelectie()) return {};
  const Plaats van = std::min(anker_, caret_);
  const Plaats tot = std::max(anker_, caret_);
  std::string tekst;
  for (int r = van.regel; r <= tot.regel; ++r) {
    const std::string& regel = regels_[static_cast<std::size_t>(r)];
    const std::size_t a = r == van.regel ? ByteVoorKolom(regel, van.kolom) : 0;
    const std::size_t b = r == tot.regel ? ByteVoorKolom(regel, tot.kolom) : regel.size();
    if (b > a) tekst.append(regel, a, b - a);
    if (r < tot.regel) tekst += '\n';
  }
  return NaarQt(tekst);
}

void TRapportTekst::Kopieren() const {
  if (HeeftSelectie()) QApplication::clipboard()->setText(Selectie());
}

void TRapportTekst::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    CaretZetten(PlaatsBij(e->position().toPoint()), e->modifiers() & Qt::ShiftModifier);
    slepend_ = true;
  }
  QAbstractScrollArea::mousePressEvent(e);
}

void TRapportTekst::mouseMoveEvent(QMouseEvent* e) {
  if (slepend_ && (e->buttons() & Qt::LeftButton)) CaretZetten(PlaatsBij(e->position().toPoint()), true);
}

void TRapportTekst::mouseDoubleClickEvent(QMouseEvent* e) {
  // A double click selects the line.
  const Plaats p = PlaatsBij(e->position().toPoint());
  anker_ = {p.regel, 0};
  CaretZetten({p.regel, RegelLengte(p.regel)}, true);
}

void TRapportTekst::keyPressEvent(QKeyEvent* e) {
  const bool selecterend = e->modifiers() & Qt::ShiftModifier;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  Plaats p = caret_;
  switch (e->key()) {
    case Qt::Key_Up:
      --p.regel;
      break;
    case Qt::Key_Down:
      ++p.regel;
      break;
    case Qt::Key_Left:
      if (p.kolom > 0) {
        --p.kolom;
      } else if (p.regel > 0) {
        --p.regel;
        p.kolom = RegelLengte(p.regel);
      }
      break;
    case Qt::Key_Right:
      if (p.kolom < RegelLengte(p.regel)) {
        ++p.kolom;
      } else if (p.regel + 1 < static_cast<int>(regels_.size())) {
        ++p.regel;
        p.kolom = 0;
      }
      break;
    case Qt::Key_PageUp:
      p.regel -= RegelsPerPagina();
      break;
    case Qt::Key_PageDown:
      p.regel += RegelsPerPagina();
      break;
    case Qt::Key_Home:
      p = ctrl ? Plaats{0, 0} : Plaats{p.regel, 0};
      break;
    case Qt::Key_End:
      if (ctrl) p.regel = static_cast<int>(regels_.size()) - 1;
      p.kolom = RegelLengte(p.regel);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(e);
      return;
  }
  CaretZetten(p, selecterend);
}

void TRapportTekst::contextMenuEvent(QContextMenuEvent* e) { emit contextmenuGevraagd(e->globalPos()); }

void TRapportTekst::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void TRapportTekst::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

}  // namespace morvask::gui
