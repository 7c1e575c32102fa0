#include "gui/app/configuration_info.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <QTextStream>
#include <cstring>
#include <thread>

#include "base/context.h"
#include "base/version.h"
#include "core/settings.h"
#include "gui/app/qt_text.h"
#include "reports/report_layout.h"

namespace morvask::gui {

namespace {

// The value of a "key : value" line of a file in /proc, or empty.
QString ProcWaarde(const QString& bestand, const QString& sleutel) {
  QFile f(bestand);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&f);
  for (QString regel = in.readLine(); !regel.isNull(); regel = in.readLine()) {
    const int dubbelepunt = regel.indexOf(QLatin1Char(':'));
    if (dubbelepunt > 0 && regel.left(dubbelepunt).trimmed() == sleutel) return regel.mid(dubbelepunt + 1).trimmed();
  }
  return {};
}

QString Megabytes(const QString& kilobytes) {
  const qint64 kb = kilobytes.section(QLatin1Char(' '), 0, 0).toLongLong();
  return kb > 0 ? QStringLiteral("%1 MB").arg(kb / 1024) : QStringLiteral("?");
}

}  // namespace

Rapport ConfiguratieRapport(const Context& ctx, const QString& helpbestand, const QString& instellingenbestand) {
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  const std::string lijn = Lijn(ctx.instellingen, 60);
  auto regel = [&](const char* naam, const QString& waarde) {
    buffer.RegelToevoegen(
        std::string(naam).append(std::string(26 - std::min<std::size_t>(26, std::strlen(naam)), ' ')) + VanQt(waarde));
  };
  auto kop = [&](const char* tekst) {
    buffer.RegelToevoegen("");
    buffer.RegelToevoegen(tekst);
    buffer.RegelToevoegen(lijn);
  };

  kop("Program");
  regel("Version", NaarQt(VolledigeVersie()) + QStringLiteral(" build ") + QString::number(Buildnummer()));
  regel("Program file", PadNaarQt(ctx.mappen.Programmapad));
  regel("Program folder", PadNaarQt(ctx.mappen.Programma));
  regel("Qt", QString::fromLatin1(qVersion()));
  kop("Language and help");
  regel("Language", NaarQt(ctx.instellingen.Taal));
  regel("Help file", helpbestand);
  kop("Folders");
  regel("Settings file", instellingenbestand);
  regel("Temporary folder", PadNaarQt(ctx.mappen.Tijdelijk));
  regel("Backup folder", PadNaarQt(ctx.instellingen.Reservebestandendirectory));
  regel("Project folder", PadNaarQt(ctx.instellingen.Projectdirectory));
  kop("System");
  regel("Operating system", QSysInfo::prettyProductName());
  regel("Kernel", QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion());
  const QString model = ProcWaarde(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"));
  regel("Processor", (model.isEmpty() ? QSysInfo::currentCpuArchitecture() : model) +
                         QStringLiteral(", %1 threads").arg(std::thread::hardware_concurrency()));
  regel("Memory", Megabytes(ProcWaarde(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"))) +
                      QStringLiteral(" (available ") +
                      Megabytes(ProcWaarde(QStringLiteral("/proc/meminfo"), QStringLiteral("MemAvailable"))) +
                      QLatin1Char(')'));
  regel("Display server", QGuiApplication::platformName());
  kop("Screens");
  int n = 0;
  for (const QScreen* s : QGuiApplication::screens()) {
    ++n;
    const QRect g = s->geometry();
    regel(("Screen " + std::to_string(n)).c_str(),
          QStringLiteral("%1: %2 x %3 pixels at (%4, %5), %6 dpi (physical %7), scale %8")
              .arg(s->name())
              .arg(g.width())
              .arg(g.height())
              .arg(g.x())
              .arg(g.y())
              .arg(qRound(s->logicalDotsPerInch()))
              .arg(qRound(s->physicalDotsPerInch()))
              .arg(s->devicePixelRatio()));
  }
  return RapportOpleveren(buffer, ConfiguratieTitel, MetTabel::Nee);
}

}  // namespace morvask::gui
