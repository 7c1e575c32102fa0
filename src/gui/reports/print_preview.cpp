#include "gui/reports/print_preview.h"

#include <QAction>
#include <QEvent>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/catalogue.h"
#include "gui/app/qt_text.h"
#include "gui/language/qt_translation.h"
#include "gui/widgets/named_widgets.h"
#include "gui/widgets/theme_icon.h"

namespace morvask::gui {

namespace {

constexpr double kKleinsteZoom = 0.25;
constexpr double kGrootsteZoom = 4.0;

}  // namespace

TPrintPreviewForm::TPrintPreviewForm(const Catalogus& catalogus, QWidget* ouder)
    : QDialog(ouder),
      catalogus_(catalogus),
      hint_(Benoemd<QLabel>("ntHintPanel")),
      pagina_(Benoemd<QLabel>("ntPaginaPanel")),
      vlak_(Benoemd<QWidget>("ntPaginavlak")) {
  setObjectName(QStringLiteral("PrintPreviewForm"));
  setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  resize(820, 900);

  auto* werkbalk = Benoemd<QToolBar>("ntWerkbalk");
  werkbalk->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  werkbalk->addAction(Actie("EerstePagina1", QStringLiteral("Eerste pagina"), QStringLiteral("Eerste pagina (Home)"),
                            "go-first", QKeySequence(Qt::Key_Home), [this] { PaginaTonen(1); }));
  werkbalk->addAction(Actie("Vorige1", QStringLiteral("Vorige"), QStringLiteral("Vorige pagina (Page Up)"),
                            "go-previous", QKeySequence(Qt::Key_PageUp),
                            [this] { PaginaTonen(weergave_ ? weergave_->currentPage() - 1 : 1); }));
  werkbalk->addAction(Actie("Volgende1", QStringLiteral("Volgende"), QStringLiteral("Volgende pagina (Page Down)"),
                            "go-next", QKeySequence(Qt::Key_PageDown),
                            [this] { PaginaTonen(weergave_ ? weergave_->currentPage() + 1 : 1); }));
  werkbalk->addAction(Actie("LaatstePagina1", QStringLiteral("Laatste pagina"), QStringLiteral("Laatste pagina (End)"),
                            "go-last", QKeySequence(Qt::Key_End),
                            [this] { PaginaTonen(weergave_ ? weergave_->pageCount() : 1); }));
  werkbalk->addSeparator();

  // Zoom shows the whole page; its menu holds the other steps.
  QAction* zoom =
      Actie("Zoom1", QStringLiteral("Zoom"), QStringLiteral("Zoom: volledige pagina"), "zoom-fit-best", {}, [this] {
        if (weergave_) weergave_->fitInView();
      });
  auto* zoommenu = new QMenu(this);
  zoommenu->addAction(Actie("VolledigePagina1", QStringLiteral("Volledige pagina"), {}, nullptr, {}, [this] {
    if (weergave_) weergave_->fitInView();
  }));
  zoommenu->addAction(Actie("Paginabreedte1", QStringLiteral("Paginabreedte"), {}, nullptr, {}, [this] {
    if (weergave_) weergave_->fitToWidth();
  }));
  const std::pair<const char*, double> stappen[] = {
      {"Zoom25", 0.25}, {"Zoom50", 0.5}, {"Zoom100", 1.0}, {"Zoom200", 2.0}, {"Zoom400", 4.0}};
  for (const auto& [naam, factor] : stappen) {
    const double f = factor;
    zoommenu->addAction(Actie(naam, QStringLiteral("%1%").arg(static_cast<int>(f * 100)), {}, nullptr, {}, [this, f] {
      if (weergave_) weergave_->setZoomFactor(f);
    }));
  }
  zoom->setMenu(zoommenu);
  werkbalk->addAction(zoom);
  if (auto* knop = qobject_cast<QToolButton*>(werkbalk->widgetForAction(zoom)))
    knop->setPopupMode(QToolButton::MenuButtonPopup);
  werkbalk->addSeparator();
  werkbalk->addAction(Actie("Sluiten1", QStringLiteral("Sluiten"), QStringLiteral("Sluiten (Esc)"), "window-close",
                            QKeySequence(Qt::Key_Escape), [this] { accept(); }));

  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
    if (helpTonen) helpTonen();
  });

  auto* status = Benoemd<QStatusBar>("ntStatusbalk");
  status->setSizeGripEnabled(false);
  status->addWidget(hint_, 1);
  pagina_->setMinimumWidth(150);
  status->addPermanentWidget(pagina_);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->setContentsMargins(0, 0, 0, 0);
  opbouw->setSpacing(0);
  opbouw->addWidget(werkbalk);
  opbouw->addWidget(vlak_, 1);
  opbouw->addWidget(status);
  new QVBoxLayout(vlak_);
  vlak_->layout()->setContentsMargins(0, 0, 0, 0);
}

QAction* TPrintPreviewForm::Actie(const char* naam, const QString& caption, const QString& hint, const char* icoon,
                                  const QKeySequence& toets, std::function<void()> uitvoeren) {
  auto* a = new QAction(caption, this);
  a->setObjectName(QString::fromLatin1(naam));
  HintZetten(a, hint);
  if (icoon) a->setIcon(ThemaIcoon(icoon));
  if (!toets.isEmpty()) {
    a->setShortcut(toets);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
  }
  connect(a, &QAction::triggered, this, [uitvoeren = std::move(uitvoeren)] { uitvoeren(); });
  return a;
}

void TPrintPreviewForm::Weergavemaken(QPrinter& printer) {
  if (weergave_ && printer_ == &printer) return;
  delete weergave_;
  printer_ = &printer;
  weergave_ = new QPrintPreviewWidget(&printer, vlak_);
  weergave_->setObjectName(QStringLiteral("ntPaginaweergave"));
  weergave_->setAccessibleName(KaleTekst(windowTitle()));
  vlak_->layout()->addWidget(weergave_);
  connect(weergave_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
    if (tekenen_) tekenen_(p);
  });
  connect(weergave_, &QPrintPreviewWidget::previewChanged, this, [this] { PaginanummerBijwerken(); });
  if (auto* beeld = weergave_->findChild<QGraphicsView*>()) beeld->viewport()->installEventFilter(this);
}

void TPrintPreviewForm::Tonen(QPrinter& printer, std::function<void(QPrinter*)> tekenen) {
  tekenen_ = std::move(tekenen);
  Weergavemaken(printer);
  weergave_->setViewMode(QPrintPreviewWidget::SinglePageView);
  weergave_->updatePreview();
  weergave_->fitInView();
  PaginaTonen(1);
  hint_->clear();
  weergave_->setFocus();
  exec();
}

void TPrintPreviewForm::PaginaTonen(int pagina) {
  if (!weergave_) return;
  weergave_->setCurrentPage(std::clamp(pagina, 1, std::max(1, weergave_->pageCount())));
  PaginanummerBijwerken();
}

void TPrintPreviewForm::PaginanummerBijwerken() {
  if (!weergave_) return;
  const int aantal = std::max(1, weergave_->pageCount());
  const int huidig = std::clamp(weergave_->currentPage(), 1, aantal);
  pagina_->setText(QLatin1Char(' ') +
                   NaarQt(catalogus_.Vul("AA00004", {std::to_string(huidig), std::to_string(aantal)})));
}

QString TPrintPreviewForm::Paginatekst() const { return pagina_->text(); }
QString TPrintPreviewForm::Hinttekst() const { return hint_->text(); }

void TPrintPreviewForm::Klikzoom(bool linkerknop) {
  if (!weergave_) return;
  const double nu = weergave_->zoomFactor();
  if (linkerknop) {
    weergave_->setZoomFactor(weergave_->zoomMode() == QPrintPreviewWidget::FitInView ? 1.0
                                                                                     : std::min(kGrootsteZoom, nu * 2));
  } else {
    weergave_->setZoomFactor(std::max(kKleinsteZoom, nu / 2));
  }
}

bool TPrintPreviewForm::event(QEvent* e) {
  // The hint of the control under the mouse, in the wide left panel.
  if (e->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
    hint_->setText(tip.isEmpty() ? QString() : QStringLiteral("  ") + tip);
    return true;
  }
  return QDialog::event(e);
}

bool TPrintPreviewForm::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) {
    Klikzoom(static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton);
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace morvask::gui
