#pragma once
// The program's own help window: the help file of the chosen help language (HTML) shown at a
// topic's anchor "#topic-N", with back, forward and home, so that no browser is needed.

#include <QDialog>

class QTextBrowser;

namespace morvask::gui {

class THelpForm : public QDialog {
  Q_OBJECT

 public:
  explicit THelpForm(QWidget* ouder = nullptr);

  // Shows the file at the topic; false when the file does not exist.
  bool TopicTonen(const QString& bestand, int topic);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace morvask::gui
