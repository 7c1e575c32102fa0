#include "network/posts.h"

#include <algorithm>

#include "base/messages.h"
#include "core/field_text.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "core/travel_time_table.h"

namespace morvask {

namespace {

constexpr std::size_t MaximalePostomschrijving = 99;  // the dialog's field

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

void GeenPostGeselecteerd(Context& ctx) { ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00050"]); }

std::optional<std::size_t> GeldigePost(const Project& project, std::optional<std::size_t> geselecteerd) {
  if (!geselecteerd || *geselecteerd >= project.Postlijst.size()) return std::nullopt;
  return geselecteerd;
}

}  // namespace

std::string RPosttypeKeuze::Achtervoegsel() const {
  if (Tussenpost) return Rijrichting2 ? "-t2" : "-t1";
  return KordonUitgaand ? "-ku" : "-ki";
}

RPostdialoogVelden WnpNieuw(const RPostdialoogStand& stand) {
  RPostdialoogVelden v;
  v.Modus = Postdialoogmodus::Toevoegen;
  v.Nummer = stand.Nummer;
  v.Type = stand.Type;
  return v;
}

std::optional<RPostdialoogVelden> WnpWijzigen(Context& ctx, const RPostdialoogStand& stand,
                                              std::optional<std::size_t> geselecteerd) {
  const auto index = GeldigePost(ctx.project, geselecteerd);
  if (!index) {
    GeenPostGeselecteerd(ctx);
    return std::nullopt;
  }
  const RWaarnemingspost& post = ctx.project.Postlijst[*index];
  const std::string_view code = post.Postcode.view();
  RPostdialoogVelden v;
  v.Modus = Postdialoogmodus::Wijzigen;
  v.Post = index;
  v.Nummer = std::string(Deel(code, 1, 3));
  v.Omschrijving = post.Omschrijving.str();
  // A group whose letter the code does not name keeps the choice it had.
  v.Type = stand.Type;
  const std::string_view hoofd = Deel(code, 5, 1), sub = Deel(code, 6, 1);
  v.Type.Tussenpost = hoofd == "t";
  if (v.Type.Tussenpost) {
    if (sub == "1" || sub == "2") v.Type.Rijrichting2 = sub == "2";
  } else {
    if (sub == "i" || sub == "u") v.Type.KordonUitgaand = sub == "u";
  }
  return v;
}

RPostdialoogStand PostdialoogStand(const RPostdialoogVelden& velden) {
  RPostdialoogStand s;
  s.Nummer = velden.Nummer;
  s.Type = velden.Type;
  return s;
}

bool IsGeldigPostnummer(std::string_view nummer) {
  return nummer.size() == 3 && std::all_of(nummer.begin(), nummer.end(), IsCijfer);
}

std::string PostnummerOpmaken(std::string_view nummer) {
  int n = 0;
  if (!ProbeerGetal(Bijsnijden(nummer), n) || n < 0 || n > 999) return "001";
  return TekstUitlijnen("R", std::to_string(n), "0", 3);
}

std::string PostnummerStap(std::string_view nummer, int stap) {
  int n = 0;
  if (!ProbeerGetal(Bijsnijden(nummer), n) || n < 0 || n > 999) return PostnummerOpmaken(nummer);
  return PostnummerOpmaken(std::to_string(std::clamp(n + stap, 0, 999)));
}

RPostdialoogUitkomst WnpAccepteren(Context& ctx, const RPostdialoogStand& stand, const RPostdialoogVelden& v) {
  RPostdialoogUitkomst uit;
  uit.Stand = stand;
  Project& project = ctx.project;
  const bool wijzigen = v.Modus == Postdialoogmodus::Wijzigen;

  if (!IsGeldigPostnummer(v.Nummer)) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus["AA00188"]);
    return uit;
  }
  std::optional<std::size_t> index;
  if (wijzigen) {
    index = GeldigePost(project, v.Post);
    if (!index) {
      GeenPostGeselecteerd(ctx);
      return uit;
    }
  }
  const std::string code = v.Nummer + v.Type.Achtervoegsel();
  const std::string oudeCode = index ? project.Postlijst[*index].Postcode.str() : std::string();
  for (std::size_t i = 0; i < project.Postlijst.size(); ++i) {
    if (project.Postlijst[i].Postcode.view() != code) continue;
    if (wijzigen && code == oudeCode) continue;
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus["AA00189"]);
    return uit;
  }

  const std::string omschrijving = VeldTekst(v.Omschrijving, MaximalePostomschrijving);
  if (!wijzigen) {
    project.PostToevoegen(code, omschrijving);
  } else {
    ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00190"]);
    RWaarnemingspost& post = project.Postlijst[*index];
    post.Postcode = code;
    post.Omschrijving = omschrijving;
    if (code != oudeCode) {
      for (RRegistratie& r : project.Registratielijst)
        if (r.Post.view() == oudeCode) r.Post = code;
      // Travel times are not carried over to the new code, not even from a stale line.
      std::erase_if(project.Doorrijtijdentabel, [&](const std::string& regel) {
        return Bijsnijden(Deel(regel, 1, 6)) == code || Bijsnijden(Deel(regel, 8, 6)) == code;
      });
    }
  }
  // The rebuild re-sorts the posts and drops the pairs of a code no post has any more, so a
  // code given to a post starts from the default travel times even when it was in use before.
  DoorrijtijdentabelBijwerken(project);
  project.MarkeerGewijzigd(ctx.ui);
  uit.Geaccepteerd = true;
  uit.Stand = PostdialoogStand(v);
  return uit;
}

bool PostVerwijderen(Context& ctx, std::optional<std::size_t> geselecteerd) {
  Project& project = ctx.project;
  const auto index = GeldigePost(project, geselecteerd);
  if (!index) {
    GeenPostGeselecteerd(ctx);
    return false;
  }
  const std::string code = project.Postlijst[*index].Postcode.str();
  const int aantal = AantalRegistratiesVanPost(project, code);
  if (!VraagBevestiging(ctx.ui, ctx.catalogus, "", ctx.catalogus.Vul("AA00099", {std::to_string(aantal)}), "ZB00018",
                        "ZB00019"))
    return false;

  // Only the post and its own registrations go; registrations or posts with an empty code are
  // not this post's and stay where they are.
  std::erase_if(project.Postlijst, [&](const RWaarnemingspost& p) { return p.Postcode.view() == code; });
  std::erase_if(project.Registratielijst, [&](const RRegistratie& r) { return r.Post.view() == code; });
  DoorrijtijdentabelBijwerken(project);
  project.MarkeerGewijzigd(ctx.ui);
  ctx.ui.InMenuChecken(mcPosten);
  ctx.ui.InMenuChecken(mcRegistraties);
  return true;
}

std::string PostlijstRegel(const RWaarnemingspost& post) {
  return post.Postcode.str() + "  " + post.Omschrijving.str();
}

std::vector<std::string> PostlijstVernieuwen(Project& project) {
  PostlijstSorteren(project);
  std::vector<std::string> regels;
  regels.reserve(project.Postlijst.size());
  for (const RWaarnemingspost& p : project.Postlijst) regels.push_back(PostlijstRegel(p));
  return regels;
}

std::optional<std::size_t> TerugNaarGeselecteerde(std::optional<std::size_t> onthouden, std::size_t aantalRegels) {
  if (!onthouden || *onthouden >= aantalRegels) return std::nullopt;
  return onthouden;
}

void PostlijstSluiten(Context& ctx) {
  DoorrijtijdentabelBijwerken(ctx.project);
  ctx.ui.InMenuChecken(mcPosten);
}

}  // namespace morvask
