// The six sort orders of the registration list, each on the survey as generated.

#include "core/registration_list.h"
#include "measure.h"
#include "sections.h"

namespace morvask::bench {

void SorteerSectie(Benchmark& b) {
  SectieAfdrukken("sort orders (RegistratiesSorteren)");
  const Onderzoek& onderzoek = Onderzoek100Posten(b);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs";
  for (const char* code : {"KTP", "PTK", "TPK", "TPtPnrKV", "TPt2PnrKV", "VPT"}) {
    Project project = onderzoek.project;
    MetingAfdrukken({std::string("RegistratiesSorteren ") + code, grootte,
                     Tijd([&] { RegistratiesSorteren(project, code); }), 1.0, std::nullopt, std::nullopt});
  }
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
