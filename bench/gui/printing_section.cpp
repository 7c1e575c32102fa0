// Printing a long report: its pages laid out and written as PDF (the export's PDF and printing
// to a file), and the print preview's pages built, for a report of 100,000 lines.

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <cstdio>
#include <string>
#include <vector>

#include "base/catalogue.h"
#include "gui/reports/print_pages.h"
#include "gui_sections.h"

namespace morvask::bench {

void AfdrukkenSectie() {
  std::printf("\n== printing (PDF and print preview), offscreen\n");
  std::vector<std::string> regels;
  char regel[96];
  for (int i = 0; i < 100000; ++i) {
    std::snprintf(regel, sizeof regel, "%-8d%03d-ki %04d x %06d  ->  Ongeldig voertuigtype", i + 1, i % 100,
                  (i / 60 % 24) * 100 + i % 60, i);
    regels.emplace_back(regel);
  }
  const Catalogus catalogus;
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
  QByteArray pdf;
  const double schrijven =
      Tijd([&] { pdf = gui::PaginasAlsPdf(regels, 8, QStringLiteral("Rapport 1: Lang"), a4, catalogus); });
  Uitslag("PDF of a report of 100,000 lines", schrijven, 10.0);
  std::printf("   (%lld kB)\n", static_cast<long long>(pdf.size() / 1024));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setFullPage(true);
  QPrintPreviewWidget voorbeeld(&printer);
  QObject::connect(&voorbeeld, &QPrintPreviewWidget::paintRequested, [&](QPrinter* p) {
    QPainter schilder(p);
    gui::PaginasTekenen(schilder, *p, gui::AfdrukindelingVoor(regels, 8, *p, catalogus), 8);
  });
  const double bouwen = Tijd([&] {
    voorbeeld.updatePreview();
    QApplication::processEvents();
  });
  Uitslag("print preview of it, all pages built", bouwen, 10.0);
  std::printf("   (%d pages)\n", voorbeeld.pageCount());
}

}  // namespace morvask::bench
