#include "skinengine/format/skin_source.h"

#include <array>
#include <cstdlib>

namespace {

enum class Section { Top, Colors, Metrics };

Text Trim(const Text& s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == Text::npos) return "";
  const std::size_t last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseColor(const Text& value, SkinColor& color) {
  if (value.size() != 7 || value[0] != '#') return false;
  int channel[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(value[1 + 2 * i]);
    const int low = HexDigit(value[2 + 2 * i]);
    if (high < 0 || low < 0) return false;
    channel[i] = high * 16 + low;
  }
  color = SkinColor{static_cast<std::uint8_t>(channel[0]), static_cast<std::uint8_t>(channel[1]),
                    static_cast<std::uint8_t>(channel[2])};
  return true;
}

bool ParseInteger(const Text& value, std::int32_t& out) {
  if (value.empty() || value.size() > 6) return false;
  std::size_t i = value[0] == '-' ? 1 : 0;
  if (i == value.size()) return false;
  for (std::size_t j = i; j < value.size(); ++j) {
    if (value[j] < '0' || value[j] > '9') return false;
  }
  out = static_cast<std::int32_t>(std::strtol(value.c_str(), nullptr, 10));
  return true;
}

class SourceParser {
 public:
  SkinSource Run(const Text& source) {
    std::size_t at = 0;
    while (at <= source.size() && result_.error.empty()) {
      std::size_t end = source.find('\n', at);
      if (end == Text::npos) end = source.size();
      ++line_;
      Line(Trim(source.substr(at, end - at)));
      at = end + 1;
    }
    if (result_.error.empty()) CheckComplete();
    result_.ok = result_.error.empty();
    return result_;
  }

 private:
  void Fail(const Text& what) {
    if (result_.error.empty()) result_.error = "line " + std::to_string(line_) + ": " + what;
  }

  void Line(const Text& line) {
    if (line.empty() || line[0] == '#') return;
    if (line[0] == '[') {
      if (line == "[colors]") {
        section_ = Section::Colors;
      } else if (line == "[metrics]") {
        section_ = Section::Metrics;
      } else {
        Fail("unknown section " + line);
      }
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == Text::npos) return Fail("expected key = value");
    const Text key = Trim(line.substr(0, equals));
    const Text value = Trim(line.substr(equals + 1));
    switch (section_) {
      case Section::Top:
        return TopKey(key, value);
      case Section::Colors:
        return ColorKey(key, value);
      case Section::Metrics:
        return MetricKey(key, value);
    }
  }

  void TopKey(const Text& key, const Text& value) {
    if (key == "name") {
      if (seenName_) return Fail("name given twice");
      if (value.empty() || value.size() > 64) return Fail("name must be 1 to 64 bytes");
      seenName_ = true;
      result_.scheme.name = value;
    } else if (key == "password") {
      if (seenPassword_) return Fail("password given twice");
      seenPassword_ = true;
      result_.password = value;
    } else {
      Fail("unknown key " + key);
    }
  }

  void ColorKey(const Text& key, const Text& value) {
    const int role = FindColorRole(key);
    if (role < 0) return Fail("unknown colour " + key);
    if (seenColors_[role]) return Fail("colour " + key + " given twice");
    if (!ParseColor(value, result_.scheme.colors[role])) {
      return Fail("colour " + key + " must be #RRGGBB, not " + value);
    }
    seenColors_[role] = true;
  }

  void MetricKey(const Text& key, const Text& value) {
    const int metric = FindMetric(key);
    if (metric < 0) return Fail("unknown metric " + key);
    if (seenMetrics_[metric]) return Fail("metric " + key + " given twice");
    std::int32_t number = 0;
    const MetricRange range = MetricLimits(metric);
    if (!ParseInteger(value, number) || number < range.min || number > range.max) {
      return Fail("metric " + key + " must be a whole number from " + std::to_string(range.min) +
                  " to " + std::to_string(range.max) + ", not " + value);
    }
    seenMetrics_[metric] = true;
    result_.scheme.metrics[metric] = number;
  }

  void CheckComplete() {
    if (!seenName_) {
      result_.error = "no name";
      return;
    }
    for (int role = 0; role < kColorRoleCount; ++role) {
      if (!seenColors_[role]) {
        result_.error = Text("missing colour ") + ColorRoleName(role);
        return;
      }
    }
    for (int metric = 0; metric < kMetricCount; ++metric) {
      if (!seenMetrics_[metric]) {
        result_.error = Text("missing metric ") + MetricName(metric);
        return;
      }
    }
  }

  SkinSource result_;
  Section section_ = Section::Top;
  int line_ = 0;
  bool seenName_ = false;
  bool seenPassword_ = false;
  std::array<bool, kColorRoleCount> seenColors_{};
  std::array<bool, kMetricCount> seenMetrics_{};
};

}  // namespace

SkinSource ParseSkinSource(const Text& source) {
  return SourceParser().Run(source);
}
