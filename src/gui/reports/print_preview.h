#pragma once
// The print preview TPrintPreviewForm ("Afdrukvoorbeeld"): the printed pages of the report
// window, page by page, with a tool bar (first, previous, next and last page, the zoom steps,
// close), mouse zoom on the page, and a status bar with the hint of the control under the
// mouse and the page number.

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace morvask {
class Catalogus;
}

namespace morvask::gui {

class TPrintPreviewForm : public QDialog {
  Q_OBJECT

 public:
  TPrintPreviewForm(const Catalogus& catalogus, QWidget* ouder = nullptr);

  // Shows, modally, the pages that tekenen draws on the printer, from the first page, the
  // whole page in sight.
  void Tonen(QPrinter& printer, std::function<void(QPrinter*)> tekenen);

  QPrintPreviewWidget* Paginaweergave() const { return weergave_; }
  // The text of the page number panel (" Pagina 1 van 3").
  QString Paginatekst() const;
  QString Hinttekst() const;

  // Help on printing (F1).
  std::function<void()> helpTonen;

  // What a mouse button pressed on the page does to the zoom.
  void Klikzoom(bool linkerknop);

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QAction* Actie(const char* naam, const QString& caption, const QString& hint, const char* icoon,
                 const QKeySequence& toets, std::function<void()> uitvoeren);
  void Weergavemaken(QPrinter& printer);
  void PaginaTonen(int pagina);
  void PaginanummerBijwerken();

  const Catalogus& catalogus_;
  QPrinter* printer_ = nullptr;
  QPrintPreviewWidget* weergave_ = nullptr;
  std::function<void(QPrinter*)> tekenen_;
  QLabel* hint_;
  QLabel* pagina_;
  QWidget* vlak_;  // holds the page view
};

}  // namespace morvask::gui
