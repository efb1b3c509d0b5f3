// The per-thread shared scanners. Each function answers the one instance of its kind in the
// calling thread, made on the thread's first call and never replaced or reset. The public
// queries keep the references they get, so a command word written into a shared instance holds
// for every user of it in that thread. SharedPrefixQuery is in chem/prefix_list.h.
#pragma once

#include <memory>
#include <string_view>

#include "chem/chem_keywords_query.h"
#include "chem/chem_subscript_query.h"
#include "chem/chem_superscript_query.h"
#include "chem/triple_bond_trans_query.h"

namespace glyphwright {

// The stereodescriptors.
inline constexpr std::u16string_view kStereoKeywords = u"E|Z|EZ|ZE|R|S|RS|SR";

// The symbols of elements 1 (H) to 103 (Lr), in atomic-number order.
inline constexpr std::u16string_view kElementKeywords =
    u"H|He|Li|Be|B|C|N|O|F|Ne|Na|Mg|Al|Si|P|S|Cl|Ar|K|Ca|Sc|Ti|V|Cr|Mn|Fe|Co|Ni|Cu|Zn|Ga|Ge|As|"
    u"Se|Br|Kr|Rb|Sr|Y|Zr|Nb|Mo|Tc|Ru|Rh|Pd|Ag|Cd|In|Sn|Sb|Te|I|Xe|Cs|Ba|La|Ce|Pr|Nd|Pm|Sm|Eu|"
    u"Gd|Tb|Dy|Ho|Er|Tm|Yb|Lu|Hf|Ta|W|Re|Os|Ir|Pt|Au|Hg|Tl|Pb|Bi|Po|At|Rn|Fr|Ra|Ac|Th|Pa|U|Np|"
    u"Pu|Am|Cm|Bk|Cf|Es|Fm|Md|No|Lr";

// The configuration letters.
inline constexpr std::u16string_view kDLKeywords = u"D|L|DL";

std::shared_ptr<ChemSubscriptQuery> SharedSubscriptQuery();
std::shared_ptr<ChemSuperscriptQuery> SharedSuperscriptQuery();
std::shared_ptr<TripleBondTransQuery> SharedTripleBondTransQuery();
std::shared_ptr<ChemKeywordsQuery> SharedStereoQuery();
// Element symbols take the primes after them (the N' of N,N'-dimethyl).
std::shared_ptr<ChemKeywordsQuery> SharedElementQuery();
std::shared_ptr<ChemKeywordsQuery> SharedDLQuery();

}  // namespace glyphwright
