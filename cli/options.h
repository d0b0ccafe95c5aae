#pragma once
// The command line of qzplaylist:
//   qzplaylist QQNUMBER [--format tsv|m3u|json] [--output FILE]
//              [--encoding gbk|utf-8] [--host HOST]

#include <vector>

#include "base/text.h"
#include "cli/formats.h"
#include "cli/gbk_text.h"

struct ExportOptions {
  Text qqNumber;  // byte for byte as given, like the text of the window's edit box
  OutputFormat format = OutputFormat::kTsv;
  OutputEncoding encoding = OutputEncoding::kUtf8;
  Text outputPath;  // "" writes to standard output
  Text host;        // "" asks the build's playlist host
};

enum class UsageProblem {
  kNone,
  kHelpAsked,      // --help: the usage text, and nothing else is done
  kNoNumber,       // no QQ number given
  kSecondNumber,   // a second QQ number (detail: it)
  kUnknownOption,  // detail: the option
  kMissingValue,   // detail: the option that needs one
  kBadFormat,      // detail: the value given
  kBadEncoding,    // detail: the value given
  kEmptyValue,     // detail: the option given an empty value
};

struct ParsedOptions {
  ExportOptions options;
  UsageProblem problem = UsageProblem::kNone;
  Text detail;
};

// Options may stand before or after the number, as "--name value" or
// "--name=value"; "--" ends the options, so a number may begin with "-".
ParsedOptions ParseOptions(const std::vector<Text>& arguments, OutputEncoding defaultEncoding);
