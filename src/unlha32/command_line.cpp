#include "unlha32/command_line.h"

#include "base/sjis.h"
#include "lha/sjis.h"

namespace unlha {
namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

std::vector<Token> tokenize(const std::string& s) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
    if (i == s.size()) break;
    Token t;
    bool inQuote = false;
    while (i < s.size()) {
      unsigned char c = static_cast<unsigned char>(s[i]);
      if (base::IsLeadByte(c) && i + 1 < s.size()) {
        t.text.append(s, i, 2);
        i += 2;
        continue;
      }
      if (c == '"') {
        inQuote = !inQuote;
        t.quoted = true;
      } else if (!inQuote && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
        break;
      } else {
        t.text += static_cast<char>(c);
      }
      ++i;
    }
    tokens.push_back(std::move(t));
  }
  return tokens;
}

}  // namespace

std::optional<CommandLine> parseCommandLine(const std::string& text) {
  std::vector<Token> tokens = tokenize(text);
  if (tokens.empty() || tokens[0].text.size() != 1) return std::nullopt;
  CommandLine cl;
  char c = tokens[0].text[0];
  cl.command = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  bool haveArchive = false, extracting = cl.command == 'e' || cl.command == 'x';
  for (size_t i = 1; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (!t.quoted && t.text.size() > 1 && t.text[0] == '-') {
      cl.switches.push_back(t.text);
    } else if (!haveArchive) {
      if (t.text.empty()) return std::nullopt;
      cl.archive = t.text;
      haveArchive = true;
    } else if (extracting && cl.names.empty() && cl.destination.empty() &&
               (t.text.empty() || lha::sjis::endsWithSeparator(t.text))) {
      cl.destination = t.text;
    } else if (!t.text.empty()) {
      cl.names.push_back(t.text);
    }
  }
  if (!haveArchive) return std::nullopt;
  return cl;
}

}  // namespace unlha
