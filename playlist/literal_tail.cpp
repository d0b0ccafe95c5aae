#include "playlist/literal_tail.h"

#include <cstring>
#include <vector>

namespace {

// What a byte of the pattern is to the scan below.
enum class Role { kOther, kLiteral, kEscape };

// Characters that stand for themselves in Perl syntax wherever they appear
// outside a character class (no "x" modifier is ever in force here: "(?"
// gives up before one could be set). Metacharacters, control bytes and bytes
// above 0x7F are left out.
bool IsPlainLiteral(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return c != '\0' && std::strchr(" !\"#%&',-/:;<=>@_`~", c) != nullptr;
}

// Escapes that consume characters (or test none at all) without looking
// beyond the place where they stand and without taking a braced or quoted
// argument that could hold a parenthesis or a bar. Word and buffer
// boundaries, \Q..\E, \c, \p, \g, \k, \K and the like are not among them.
bool IsSafeEscape(unsigned char c) {
  if (c >= '0' && c <= '9') return true;
  return c != '\0' && std::strchr("dDwWsShHvVnrtfeaxRXC.*+?()[]{}|^$\\/-", c) != nullptr;
}

// The index just past the character class that opens at `open`, or 0 when
// the class is of a form this scan does not follow.
std::size_t SkipClass(const char* p, std::size_t n, std::size_t open) {
  std::size_t j = open + 1;
  if (j < n && p[j] == '^') ++j;
  if (j < n && p[j] == ']') return 0;  // a leading "]": readings differ between dialects
  while (j < n) {
    const unsigned char c = static_cast<unsigned char>(p[j]);
    if (c == '\\') {
      if (j + 1 >= n || !IsSafeEscape(static_cast<unsigned char>(p[j + 1]))) return 0;
      j += 2;
    } else if (c == '[') {
      // Only the named classes "[:name:]", "[=x=]" and "[.x.]" may nest.
      if (j + 1 >= n || std::strchr(":=.", p[j + 1]) == nullptr) return 0;
      const char closing[] = {p[j + 1], ']', '\0'};
      const char* const end = std::strstr(p + j + 2, closing);
      if (end == nullptr) return 0;
      j = static_cast<std::size_t>(end - p) + 2;
    } else if (c == ']') {
      return j + 1;
    } else {
      ++j;
    }
  }
  return 0;
}

}  // namespace

Text LiteralTail(const Text& pattern, bool caseSensitive) {
  if (!caseSensitive) return Text();
  const char* const p = pattern.c_str();
  const std::size_t n = std::strlen(p);
  std::vector<Role> roles(n, Role::kOther);
  int depth = 0;
  for (std::size_t i = 0; i < n;) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    if (c == '\\') {
      if (i + 1 >= n || !IsSafeEscape(static_cast<unsigned char>(p[i + 1]))) return Text();
      roles[i] = roles[i + 1] = Role::kEscape;
      i += 2;
      continue;
    }
    if (c == '[') {
      const std::size_t after = SkipClass(p, n, i);
      if (after == 0) return Text();
      i = after;
      continue;
    }
    if (c == '(') {
      if (i + 1 < n && (p[i + 1] == '?' || p[i + 1] == '*')) return Text();
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) return Text();
    } else if (c == '|') {
      if (depth == 0) return Text();
    } else if (c == '$') {
      return Text();
    } else if (IsPlainLiteral(c)) {
      roles[i] = Role::kLiteral;
    }
    ++i;
  }
  if (depth != 0) return Text();

  std::size_t start = n;
  while (start > 0 && roles[start - 1] == Role::kLiteral) --start;
  // An escape may take some of the digits or letters that follow it
  // ("\x41", "\12"), so a run right after one is not known to be literal.
  if (start > 0 && roles[start - 1] == Role::kEscape) return Text();
  return Text(p + start, n - start);
}
