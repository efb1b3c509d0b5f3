#include "document/unicode_scripts.h"

#include <utility>

namespace glyphwright {
namespace {

constexpr char16_t kMinusSign = u'\u2212';

constexpr std::pair<char16_t, char16_t> kSubscriptLetters[] = {
    {u'a', u'\u2090'},      {u'e', u'\u2091'},      {u'h', u'\u2095'},      {u'i', u'\u1D62'},
    {u'j', u'\u2C7C'},      {u'k', u'\u2096'},      {u'l', u'\u2097'},      {u'm', u'\u2098'},
    {u'n', u'\u2099'},      {u'o', u'\u2092'},      {u'p', u'\u209A'},      {u'r', u'\u1D63'},
    {u's', u'\u209B'},      {u't', u'\u209C'},      {u'u', u'\u1D64'},      {u'v', u'\u1D65'},
    {u'x', u'\u2093'},      {u'\u0259', u'\u2094'},                          // schwa
    {u'\u03B2', u'\u1D66'}, {u'\u03B3', u'\u1D67'}, {u'\u03C1', u'\u1D68'},  // beta gamma rho
    {u'\u03C6', u'\u1D69'}, {u'\u03C7', u'\u1D6A'},                          // phi chi
};

constexpr std::pair<char16_t, char16_t> kSuperscriptLetters[] = {
    {u'a', u'\u1D43'},      {u'b', u'\u1D47'},      {u'c', u'\u1D9C'},      {u'd', u'\u1D48'},
    {u'e', u'\u1D49'},      {u'f', u'\u1DA0'},      {u'g', u'\u1D4D'},      {u'h', u'\u02B0'},
    {u'i', u'\u2071'},      {u'j', u'\u02B2'},      {u'k', u'\u1D4F'},      {u'l', u'\u02E1'},
    {u'm', u'\u1D50'},      {u'n', u'\u207F'},      {u'o', u'\u1D52'},      {u'p', u'\u1D56'},
    {u'r', u'\u02B3'},      {u's', u'\u02E2'},      {u't', u'\u1D57'},      {u'u', u'\u1D58'},
    {u'v', u'\u1D5B'},      {u'w', u'\u02B7'},      {u'x', u'\u02E3'},      {u'y', u'\u02B8'},
    {u'z', u'\u1DBB'},      {u'A', u'\u1D2C'},      {u'B', u'\u1D2E'},      {u'D', u'\u1D30'},
    {u'E', u'\u1D31'},      {u'G', u'\u1D33'},      {u'H', u'\u1D34'},      {u'I', u'\u1D35'},
    {u'J', u'\u1D36'},      {u'K', u'\u1D37'},      {u'L', u'\u1D38'},      {u'M', u'\u1D39'},
    {u'N', u'\u1D3A'},      {u'O', u'\u1D3C'},      {u'P', u'\u1D3E'},      {u'R', u'\u1D3F'},
    {u'T', u'\u1D40'},      {u'U', u'\u1D41'},      {u'V', u'\u2C7D'},      {u'W', u'\u1D42'},
    {u'\u03B2', u'\u1D5D'}, {u'\u03B3', u'\u1D5E'}, {u'\u03B4', u'\u1D5F'},  // beta gamma delta
    {u'\u03C6', u'\u1D60'}, {u'\u03C7', u'\u1D61'},                          // phi chi
};

template <std::size_t N>
char16_t Lookup(const std::pair<char16_t, char16_t> (&table)[N], char16_t code) {
  for (const auto& [plain, form] : table) {
    if (plain == code) return form;
  }
  return code;
}

}  // namespace

char16_t ToSubscriptForm(char16_t code) {
  if (code >= u'0' && code <= u'9') return static_cast<char16_t>(u'\u2080' + (code - u'0'));
  switch (code) {
    case u'+':
      return u'\u208A';
    case u'-':
    case kMinusSign:
      return u'\u208B';
    case u'=':
      return u'\u208C';
    case u'(':
      return u'\u208D';
    case u')':
      return u'\u208E';
    default:
      return Lookup(kSubscriptLetters, code);
  }
}

char16_t ToSuperscriptForm(char16_t code) {
  switch (code) {
    case u'1':
      return u'\u00B9';
    case u'2':
      return u'\u00B2';
    case u'3':
      return u'\u00B3';
    case u'+':
      return u'\u207A';
    case u'-':
    case kMinusSign:
      return u'\u207B';
    case u'=':
      return u'\u207C';
    case u'(':
      return u'\u207D';
    case u')':
      return u'\u207E';
    default:
      break;
  }
  if (code >= u'0' && code <= u'9') return static_cast<char16_t>(u'\u2070' + (code - u'0'));
  return Lookup(kSuperscriptLetters, code);
}

}  // namespace glyphwright
