// The help window: every topic a window opens is in both help files and shows at its anchor,
// the help's own links lead somewhere, and back and forward walk the topics seen.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "gui/app/help_topics.h"
#include "gui/app/help_window.h"
#include "gui/gui_support.h"

namespace morvask::gui::test {
namespace {

const QStringList Helpbestanden = {QStringLiteral("Morvask_Nederlands.html"), QStringLiteral("Morvask_English.html")};

QString Helppad(const QString& naam) { return QStringLiteral(MORVASK_SOURCE_DIR "/data/Hlp/") + naam; }

// The top of the text that carries the anchor, in document coordinates; -1 when no text does.
qreal AnkerHoogte(QTextBrowser* b, const QString& anker) {
  QTextDocument* doc = b->document();
  for (QTextBlock blok = doc->begin(); blok.isValid(); blok = blok.next()) {
    for (auto it = blok.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(anker))
        return doc->documentLayout()->blockBoundingRect(blok).top();
    }
  }
  return -1;
}

QSet<QString> Vind(const QString& tekst, const QString& patroon) {
  QSet<QString> uit;
  auto it = QRegularExpression(patroon).globalMatch(tekst);
  while (it.hasNext()) uit.insert(it.next().captured(1));
  return uit;
}

TEST(Helpvenster, EveryTopicOfTheWindowsOpensAtItsAnchorInBothHelpFiles) {
  THelpForm help;
  help.resize(700, 500);
  for (const QString& naam : Helpbestanden) {
    int verschoven = 0;
    for (int topic : HelpTopics) {
      SCOPED_TRACE((naam + QStringLiteral(" topic %1").arg(topic)).toStdString());
      ASSERT_TRUE(help.TopicTonen(Helppad(naam), topic));
      EvenWachten(5);
      QTextBrowser* b = help.Browser();
      EXPECT_EQ(b->source().fragment(), QStringLiteral("topic-%1").arg(topic));
      const qreal hoogte = AnkerHoogte(b, QStringLiteral("topic-%1").arg(topic));
      ASSERT_GE(hoogte, 0) << "no anchor";
      // The topic's heading is at the top of the view, unless the text ends before it can be.
      const QScrollBar* balk = b->verticalScrollBar();
      EXPECT_NEAR(balk->value(), std::min<qreal>(hoogte, balk->maximum()), 2);
      if (balk->value() > 0) ++verschoven;
    }
    // The view really moved: the topics are not all on the first screen.
    EXPECT_GT(verschoven, static_cast<int>(HelpTopics.size()) / 2);
  }
  help.close();
}

TEST(Helpvenster, BothFilesHoldTheSameTopicsAndEveryLinkLeadsToOne) {
  QSet<QString> eerste;
  for (const QString& naam : Helpbestanden) {
    SCOPED_TRACE(naam.toStdString());
    QFile f(Helppad(naam));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString tekst = QString::fromUtf8(f.readAll());
    const QSet<QString> ankers = Vind(tekst, QStringLiteral("id=\"(topic-\\d+)\""));
    EXPECT_EQ(ankers, Vind(tekst, QStringLiteral("name=\"(topic-\\d+)\"")));
    for (const QString& link : Vind(tekst, QStringLiteral("href=\"#([^\"]*)\"")))
      EXPECT_TRUE(ankers.contains(link)) << link.toStdString();
    EXPECT_FALSE(tekst.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    if (eerste.isEmpty()) eerste = ankers;
    EXPECT_EQ(ankers, eerste);
  }
}

TEST(Helpvenster, HelpFromTheMenuOpensTheChosenHelpFileAndWalksBackAndForward) {
  Programmaomgeving o;
  o.Starten();
  o.hoofd->Opdracht("Index1")->trigger();
  auto* help = o.hoofd->findChild<THelpForm*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("topic-80"));
  EXPECT_TRUE(help->Browser()->source().toLocalFile().endsWith(QStringLiteral("Hlp/Morvask_Nederlands.html")));

  o.hoofd->Opdracht("Voorbeeldproject1")->trigger();
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("topic-20"));
  auto* terug = help->findChild<QAction*>(QStringLiteral("TerugActie"));
  auto* vooruit = help->findChild<QAction*>(QStringLiteral("VooruitActie"));
  ASSERT_TRUE(terug && vooruit);
  EXPECT_TRUE(terug->isEnabled());
  terug->trigger();
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("topic-80"));
  EXPECT_TRUE(vooruit->isEnabled());
  vooruit->trigger();
  EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("topic-20"));
  help->close();
}

}  // namespace
}  // namespace morvask::gui::test
