#include "gui/reports/print_pages.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "gui/app/qt_text.h"
#include "gui/reports/report_view.h"
#include "reports/report_layout.h"

namespace morvask::gui {

namespace {

constexpr double kMmPerInch = 25.4;

// Device pixels per millimetre, across and down.
double PerMmX(const QPaintDevice& apparaat) { return apparaat.logicalDpiX() / kMmPerInch; }
double PerMmY(const QPaintDevice& apparaat) { return apparaat.logicalDpiY() / kMmPerInch; }

// The report font as it prints on the device: line height and character width in millimetres.
RLettermaat LettermaatVan(const QFont& letter, const QPaintDevice& apparaat) {
  const QFontMetricsF maat(letter, &apparaat);
  return {maat.lineSpacing() / PerMmY(apparaat), maat.horizontalAdvance(QLatin1Char('M')) / PerMmX(apparaat)};
}

QRectF Rechthoek(const RVlak& v, const QPaintDevice& apparaat) {
  const double x = PerMmX(apparaat);
  const double y = PerMmY(apparaat);
  return {v.Links * x, v.Boven * y, v.Breedte * x, v.Hoogte * y};
}

}  // namespace

QFont KopVoetLettertype() {
  QFont f = QFontDatabase::families().contains(QStringLiteral("Arial"))
                ? QFont(QStringLiteral("Arial"))
                : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  f.setPointSize(10);
  return f;
}

RPapier PapierVan(const QPageLayout& pagina) {
  const QRectF vel = pagina.fullRect(QPageLayout::Millimeter);
  RPapier papier;
  papier.Breedte = vel.width();
  papier.Hoogte = vel.height();
  return papier;
}

RAfdrukindeling AfdrukindelingVoor(const std::vector<std::string>& regels, int lettergrootte,
                                   const QPagedPaintDevice& apparaat, const Catalogus& catalogus) {
  return Afdrukindeling(regels, PapierVan(apparaat.pageLayout()),
                        LettermaatVan(RapportLettertype(lettergrootte), apparaat), catalogus);
}

void PaginasTekenen(QPainter& p, QPagedPaintDevice& apparaat, const RAfdrukindeling& indeling, int lettergrootte) {
  const QFont tekst(RapportLettertype(lettergrootte), &apparaat);
  const QFont kopVoet(KopVoetLettertype(), &apparaat);
  const QFontMetricsF maat(tekst, &apparaat);
  const double regelhoogte = maat.lineSpacing();
  const QRectF tekstvlak = Rechthoek(indeling.Tekstvlak, apparaat);
  const QRectF kopvlak = Rechthoek(indeling.Kopvlak, apparaat);
  const QRectF voetvlak = Rechthoek(indeling.Voetvlak, apparaat);
  bool eerste = true;
  for (const RAfdrukpagina& pagina : indeling.Paginas) {
    if (!eerste) apparaat.newPage();
    eerste = false;
    p.setPen(Qt::black);
    p.setFont(kopVoet);
    p.drawText(kopvlak, Qt::AlignLeft | Qt::AlignVCenter, NaarQt(pagina.Kop));
    p.drawText(voetvlak, Qt::AlignRight | Qt::AlignVCenter, NaarQt(pagina.Voet));
    p.setFont(tekst);
    double y = tekstvlak.top() + maat.ascent();
    for (const std::string& regel : pagina.Regels) {
      if (!regel.empty()) p.drawText(QPointF(tekstvlak.left(), y), NaarQt(regel));
      y += regelhoogte;
    }
  }
}

QByteArray PaginasAlsPdf(const std::vector<std::string>& regels, int lettergrootte, const QString& titel,
                         const QPageLayout& pagina, const Catalogus& catalogus) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter schrijver(&buffer);
    QPageLayout vel = pagina;
    vel.setMinimumMargins({});
    vel.setMargins({});
    schrijver.setPageLayout(vel);
    schrijver.setTitle(titel);
    schrijver.setCreator(QString::fromLatin1(RapportTitelregel()));
    const RAfdrukindeling indeling = AfdrukindelingVoor(regels, lettergrootte, schrijver, catalogus);
    QPainter p;
    if (!p.begin(&schrijver)) return {};
    PaginasTekenen(p, schrijver, indeling, lettergrootte);
    p.end();
  }
  return pdf;
}

}  // namespace morvask::gui
