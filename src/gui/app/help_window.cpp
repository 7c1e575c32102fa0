#include "gui/app/help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/widgets/theme_icon.h"

namespace morvask::gui {

THelpForm::THelpForm(QWidget* ouder) : QDialog(ouder, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpForm"));
  setWindowTitle(QStringLiteral("Morvask Help"));
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  browser_->setAccessibleName(QStringLiteral("Help"));

  auto* balk = new QToolBar(this);
  // The captions show beside the icons: "Inhoud" goes to the start of the help, not home.
  balk->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* terug = balk->addAction(ThemaIcoon("go-previous"), QStringLiteral("&Terug"));
  QAction* vooruit = balk->addAction(ThemaIcoon("go-next"), QStringLiteral("&Vooruit"));
  QAction* begin = balk->addAction(ThemaIcoon("help-contents"), QStringLiteral("&Inhoud"));
  terug->setObjectName(QStringLiteral("TerugActie"));
  vooruit->setObjectName(QStringLiteral("VooruitActie"));
  begin->setObjectName(QStringLiteral("InhoudActie"));
  terug->setShortcut(QKeySequence::Back);
  vooruit->setShortcut(QKeySequence::Forward);
  begin->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  terug->setEnabled(false);
  vooruit->setEnabled(false);
  connect(terug, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(vooruit, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(begin, &QAction::triggered, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, terug, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, vooruit, &QAction::setEnabled);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->setContentsMargins(0, 0, 0, 0);
  opbouw->setSpacing(0);
  opbouw->addWidget(balk);
  opbouw->addWidget(browser_);
  resize(760, 600);
}

bool THelpForm::TopicTonen(const QString& bestand, int topic) {
  if (!QFileInfo::exists(bestand)) return false;
  QUrl adres = QUrl::fromLocalFile(QFileInfo(bestand).absoluteFilePath());
  const QUrl zonderAnker = adres;
  adres.setFragment(QStringLiteral("topic-%1").arg(topic));
  if (browser_->source().adjusted(QUrl::RemoveFragment) != zonderAnker) {
    // Another file: its history starts here.
    browser_->setSource(adres);
    browser_->clearHistory();
  } else {
    browser_->setSource(adres);
  }
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace morvask::gui
