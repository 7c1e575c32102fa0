#pragma once
// The printed pages of a report window on a paint device: the library's print layout of its
// lines, for the device's paper, in the report font at the window's size, with the page header
// and footer in the general font at 10 pt. The printer, the print preview and the PDF export
// all draw through here, so they show the same pages.

#include <QByteArray>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

#include "reports/print_layout.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace morvask {
class Catalogus;
}

namespace morvask::gui {

// The font of the page header and footer: "Arial" 10 pt when installed, else the system's
// general font at 10 pt.
QFont KopVoetLettertype();

// The paper of the device's page layout in millimetres, with the report margins.
RPapier PapierVan(const QPageLayout& pagina);

// The layout of the lines on the device's paper, in the report font of that size.
RAfdrukindeling AfdrukindelingVoor(const std::vector<std::string>& regels, int lettergrootte,
                                   const QPagedPaintDevice& apparaat, const Catalogus& catalogus);

// Draws every page of the layout with the painter, begun on the device, whose origin is the
// top left corner of the paper (a new page is started between pages).
void PaginasTekenen(QPainter& p, QPagedPaintDevice& apparaat, const RAfdrukindeling& indeling, int lettergrootte);

// The pages as a PDF document on paper of the page layout (its margins are ours), titled as
// given. Empty when the document could not be made.
QByteArray PaginasAlsPdf(const std::vector<std::string>& regels, int lettergrootte, const QString& titel,
                         const QPageLayout& pagina, const Catalogus& catalogus);

}  // namespace morvask::gui
