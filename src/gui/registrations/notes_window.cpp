#include "gui/registrations/notes_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/context.h"
#include "core/project.h"
#include "gui/app/qt_text.h"
#include "gui/reports/report_view.h"
#include "gui/widgets/named_widgets.h"
#include "registrations/notes_report.h"

namespace morvask::gui {

TAantekeningenForm::TAantekeningenForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      tekst_(Benoemd<QPlainTextEdit>("AantekeningenRichEdit")),
      tonen_(Benoemd<QCheckBox>("CheckBox1", QStringLiteral("Dit venster &tonen bij openen project"))) {
  setObjectName(QStringLiteral("AantekeningenForm"));
  setWindowTitle(QStringLiteral("Aantekeningen"));
  setSizeGripEnabled(true);

  // Plain text in a fixed-pitch font, lines as typed: no wrapping, scroll bars both ways.
  tekst_->setFont(RapportLettertype(QApplication::font().pointSize()));
  tekst_->setLineWrapMode(QPlainTextEdit::NoWrap);
  tekst_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tekst_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tekst_->setTabChangesFocus(false);

  // A change of the check box by the user counts as a change of the notes.
  connect(tonen_, &QCheckBox::clicked, this, [this] { tekst_->document()->setModified(true); });

  auto* rapport = Benoemd<QPushButton>("Button1", QStringLiteral("&Rapport"));
  auto* sluiten = Benoemd<QPushButton>("Button2", QStringLiteral("&Sluiten"));
  rapport->setAutoDefault(false);
  sluiten->setAutoDefault(false);
  connect(rapport, &QPushButton::clicked, this, [this] {
    rapport_ = true;
    close();
  });
  connect(sluiten, &QPushButton::clicked, this, &QDialog::close);
  auto* actionClose = Benoemd<QAction>("ActionClose", QStringLiteral("Sluiten"), this);
  actionClose->setShortcut(Qt::Key_Escape);
  actionClose->setShortcutContext(Qt::WindowShortcut);
  connect(actionClose, &QAction::triggered, this, &QDialog::close);
  addAction(actionClose);

  auto* onder = new QHBoxLayout;
  onder->addWidget(tonen_);
  onder->addStretch();
  onder->addWidget(rapport);
  onder->addWidget(sluiten);
  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(tekst_, 1);
  opbouw->addLayout(onder);
  resize(640, 440);
}

void TAantekeningenForm::Tonen() {
  QStringList regels;
  for (const std::string& r : ctx_.project.Aantekeningen) regels << NaarQt(r);
  tekst_->setPlainText(regels.join(QLatin1Char('\n')));
  tekst_->document()->setModified(false);
  tonen_->setChecked(ctx_.project.Gegevens.AantekeningenschermTonen);
  rapport_ = false;
  // The text area is named by the window's title, in the language the window shows.
  tekst_->setAccessibleName(windowTitle());
  tekst_->setFocus();
  exec();
  if (rapport_ && rapportTonen) {
    BezigeCursor bezig(ctx_.ui);
    rapportTonen(RapportAantekeningen(ctx_));
  }
}

void TAantekeningenForm::done(int resultaat) {
  Project& p = ctx_.project;
  p.Gegevens.AantekeningenschermTonen = tonen_->isChecked();
  if (tekst_->document()->isModified()) {
    p.Aantekeningen.clear();
    for (const QString& r : tekst_->toPlainText().split(QLatin1Char('\n'))) p.Aantekeningen.push_back(VanQt(r));
    p.MarkeerGewijzigd(ctx_.ui);
    tekst_->document()->setModified(false);
  }
  QDialog::done(resultaat);
}

}  // namespace morvask::gui
