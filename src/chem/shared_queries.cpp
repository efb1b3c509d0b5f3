#include "chem/shared_queries.h"

namespace glyphwright {
namespace {

std::shared_ptr<ChemKeywordsQuery> MakeKeywordQuery(std::u16string_view keywords,
                                                    int32_t primeMode) {
  auto query = std::make_shared<ChemKeywordsQuery>();
  query->SetKeywords(keywords);
  query->SetPrimeMode(primeMode);
  return query;
}

}  // namespace

std::shared_ptr<ChemSubscriptQuery> SharedSubscriptQuery() {
  thread_local const auto instance = std::make_shared<ChemSubscriptQuery>();
  return instance;
}

std::shared_ptr<ChemSuperscriptQuery> SharedSuperscriptQuery() {
  thread_local const auto instance = std::make_shared<ChemSuperscriptQuery>();
  return instance;
}

std::shared_ptr<TripleBondTransQuery> SharedTripleBondTransQuery() {
  thread_local const auto instance = std::make_shared<TripleBondTransQuery>();
  return instance;
}

std::shared_ptr<ChemKeywordsQuery> SharedStereoQuery() {
  thread_local const auto instance =
      MakeKeywordQuery(kStereoKeywords, ChemKeywordsQuery::kKeywordAlone);
  return instance;
}

std::shared_ptr<ChemKeywordsQuery> SharedElementQuery() {
  thread_local const auto instance =
      MakeKeywordQuery(kElementKeywords, ChemKeywordsQuery::kKeywordWithPrimes);
  return instance;
}

std::shared_ptr<ChemKeywordsQuery> SharedDLQuery() {
  thread_local const auto instance =
      MakeKeywordQuery(kDLKeywords, ChemKeywordsQuery::kKeywordAlone);
  return instance;
}

}  // namespace glyphwright
