#include "cli/options.h"

#include <cctype>

namespace {

Text Lowercase(Text text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool ReadFormat(const Text& value, OutputFormat& format) {
  const Text name = Lowercase(value);
  if (name == "tsv") {
    format = OutputFormat::kTsv;
  } else if (name == "m3u") {
    format = OutputFormat::kM3u;
  } else if (name == "json") {
    format = OutputFormat::kJson;
  } else {
    return false;
  }
  return true;
}

bool ReadEncoding(const Text& value, OutputEncoding& encoding) {
  const Text name = Lowercase(value);
  if (name == "gbk" || name == "cp936") {
    encoding = OutputEncoding::kGbk;
  } else if (name == "utf-8" || name == "utf8") {
    encoding = OutputEncoding::kUtf8;
  } else {
    return false;
  }
  return true;
}

ParsedOptions Problem(UsageProblem problem, const Text& detail) {
  ParsedOptions parsed;
  parsed.problem = problem;
  parsed.detail = detail;
  return parsed;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<Text>& arguments, OutputEncoding defaultEncoding) {
  ParsedOptions parsed;
  ExportOptions& options = parsed.options;
  options.encoding = defaultEncoding;
  bool haveNumber = false;
  bool optionsEnded = false;

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Text& argument = arguments[i];
    const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
    if (!isOption) {
      if (haveNumber) return Problem(UsageProblem::kSecondNumber, argument);
      options.qqNumber = argument;
      haveNumber = true;
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") return Problem(UsageProblem::kHelpAsked, "");

    // "--name=value" or "--name value"
    const std::size_t equals = argument.find('=');
    const Text name = argument.substr(0, equals);
    if (name != "--format" && name != "--output" && name != "--encoding" && name != "--host" &&
        name != "-f" && name != "-o" && name != "-e") {
      return Problem(UsageProblem::kUnknownOption, argument);
    }
    Text value;
    if (equals != Text::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return Problem(UsageProblem::kMissingValue, name);
    }
    if (value.empty()) return Problem(UsageProblem::kEmptyValue, name);

    if (name == "--format" || name == "-f") {
      if (!ReadFormat(value, options.format)) return Problem(UsageProblem::kBadFormat, value);
    } else if (name == "--encoding" || name == "-e") {
      if (!ReadEncoding(value, options.encoding)) return Problem(UsageProblem::kBadEncoding, value);
    } else if (name == "--output" || name == "-o") {
      options.outputPath = value;
    } else {
      options.host = value;
    }
  }
  if (!haveNumber) return Problem(UsageProblem::kNoNumber, "");
  return parsed;
}
