#include "app/start_up.h"

#include "base/messages.h"
#include "core/files.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "language/language_file.h"

namespace morvask {

bool ProgrammaInstellen(Context& ctx, const std::string& instellingenbestand, const std::optional<std::string>& taal) {
  RProgrammaInstellingen& in = ctx.instellingen;
  InstellingenLezen(in, instellingenbestand, ctx.mappen.Reservebestanden, ctx.ui, ctx.catalogus);
  ctx.catalogus.InstellenDynamischeTekstenBasis();
  ctx.vast = VasteTekstenInstellen(IngebouwdeTaal);

  std::string gekozen = in.Taal;
  if (taal) {
    gekozen = *taal;
    const std::string bestand = TaalMap(ctx.mappen.Programma) + gekozen + TaalbestandExtensie;
    if (gekozen != IngebouwdeTaal && !BestandBestaat(bestand)) {
      ToonFout(ctx.ui, ctx.catalogus, TekstVullen(ctx.vast.BestandNietGevonden, {bestand}));
      return false;
    }
  }
  in.Taal = IngebouwdeTaal;
  if (gekozen != IngebouwdeTaal) StelTaalInScreentext(ctx, gekozen);
  ctx.vast = VasteTekstenInstellen(in.Taal);
  StelTaalInHelp(ctx, in.HelpTaal);
  return true;
}

std::string StartHelpbestand(const Context& ctx) {
  return HelpMap(ctx.mappen.Programma) + ctx.instellingen.HelpTaal + HelpbestandExtensie;
}

const std::vector<Opstartstap>& Opstartvolgorde() {
  static const std::vector<Opstartstap> stappen = {
      Opstartstap::HoofdvensterMaken, Opstartstap::OpstartinfoTonen,   Opstartstap::BerichtenVerwerken,
      Opstartstap::VenstersMaken,     Opstartstap::BerichtenEnWachten, Opstartstap::HoofdvensterTonen,
  };
  return stappen;
}

const std::vector<std::string>& VensterAanmaakvolgorde() {
  static const std::vector<std::string> namen = {
      "RekentijdForm",                        // calculation time
      "DoorrijtijdenMatrixForm",              // travel times
      "DTMatrixBewerkenForm1",                // change all travel times
      "KentekensInvoerenForm1",               // registration entry
      "KentekensBewerkenForm1",               // registration editor
      "KentekensNaarIntervalInstellenForm1",  // intensities
      "GaugeForm1",                           // progress
      "InstellingenForm1",                    // settings
      "AfdrukkenForm1",                       // print
      "BewerkenDialogForm",                   // edit choice
      "KordonpuntNamenForm",                  // post list
      "ProjectgegevensForm1",                 // project data
      "WnpForm",                              // post dialog
      "ExportForm",                           // export
      "OpInternetForm",                       // web link
      "ImporterenForm",                       // import
      "KentekensbestandControlerenForm",      // registration file check
      "ConfiguratieInfoForm",                 // configuration info
      "AantekeningenForm",                    // notes
      "TijdenKentekensWijzigenForm",          // time correction
      "PrintPreviewForm",                     // print preview
      "MatchTotalForm",                       // plate comparison
      "RapportOpmaakForm",                    // report layout
      "MatchReportForm",                      // comparison report
      "GoToForm",                             // go to
      "VehTypesForm",                         // vehicle types
      "LanguageForm",                         // language choice
      "DynamischeTekstenForm",                // dynamic texts
  };
  return namen;
}

}  // namespace morvask
