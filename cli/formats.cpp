#include "cli/formats.h"

#include <cstdio>

namespace {

// Rewrites the ASCII characters of `text` through `escape` (which returns ""
// to keep one as it is), copying every other character whole.
template <typename Escape>
Text EscapeAscii(const Text& text, OutputEncoding encoding, Escape escape) {
  Text out;
  out.reserve(text.size());
  for (std::size_t offset = 0; offset < text.size();) {
    const std::size_t length = CharacterLength(text, offset, encoding);
    const unsigned char byte = static_cast<unsigned char>(text[offset]);
    const Text replacement = length == 1 && byte < 0x80 ? escape(byte) : Text();
    if (!replacement.empty()) {
      out += replacement;
    } else {
      out.append(text, offset, length);
    }
    offset += length;
  }
  return out;
}

Text TsvValue(const Text& value, OutputEncoding encoding) {
  return EscapeAscii(value, encoding, [](unsigned char c) -> Text {
    switch (c) {
      case '\t':
        return "\\t";
      case '\n':
        return "\\n";
      case '\r':
        return "\\r";
      case '\\':
        return "\\\\";
      default:
        return "";
    }
  });
}

Text M3uTitle(const Text& name, OutputEncoding encoding) {
  return EscapeAscii(name, encoding,
                     [](unsigned char c) { return Text(c == '\n' || c == '\r' ? " " : ""); });
}

Text M3uAddress(const Text& address, OutputEncoding encoding) {
  return EscapeAscii(address, encoding, [](unsigned char c) -> Text {
    if (c == '\n') return "%0A";
    if (c == '\r') return "%0D";
    return "";
  });
}

Text JsonString(const Text& value, OutputEncoding encoding) {
  const Text escaped = EscapeAscii(value, encoding, [](unsigned char c) -> Text {
    switch (c) {
      case '"':
        return "\\\"";
      case '\\':
        return "\\\\";
      case '\b':
        return "\\b";
      case '\f':
        return "\\f";
      case '\n':
        return "\\n";
      case '\r':
        return "\\r";
      case '\t':
        return "\\t";
      default:
        if (c >= 0x20) return "";
        char control[7];
        std::snprintf(control, sizeof(control), "\\u%04x", c);
        return control;
    }
  });
  return "\"" + escaped + "\"";
}

// The row number is the decimal position; anything else would not be a JSON
// number, so it is written as a string then.
Text JsonNumber(const Text& number, OutputEncoding encoding) {
  const bool digits = !number.empty() && number.find_first_not_of("0123456789") == Text::npos &&
                      (number.size() == 1 || number[0] != '0');
  return digits ? number : JsonString(number, encoding);
}

}  // namespace

Text FormatTsv(const ExportRows& rows, OutputEncoding encoding) {
  Text out;
  for (const ExportRow& row : rows) {
    out += TsvValue(row.number, encoding) + "\t" + TsvValue(row.name, encoding) + "\t" +
           TsvValue(row.address, encoding) + "\n";
  }
  return out;
}

Text FormatM3u(const ExportRows& rows, OutputEncoding encoding) {
  Text out = "#EXTM3U\n";
  for (const ExportRow& row : rows) {
    out += "#EXTINF:-1," + M3uTitle(row.name, encoding) + "\n";
    out += M3uAddress(row.address, encoding) + "\n";
  }
  return out;
}

Text FormatJson(const ExportRows& rows, OutputEncoding encoding) {
  Text out = "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ExportRow& row = rows[i];
    out += i == 0 ? "\n" : ",\n";
    out += "  {\"number\": " + JsonNumber(row.number, encoding);
    out += ", \"name\": " + JsonString(row.name, encoding);
    out += ", \"singer\": " + JsonString(row.singer, encoding);
    out += ", \"song\": " + JsonString(row.song, encoding);
    out += ", \"address\": " + JsonString(row.address, encoding) + "}";
  }
  out += rows.empty() ? "]\n" : "\n]\n";
  return out;
}

Text FormatRows(OutputFormat format, const ExportRows& rows, OutputEncoding encoding) {
  switch (format) {
    case OutputFormat::kTsv:
      return FormatTsv(rows, encoding);
    case OutputFormat::kM3u:
      return FormatM3u(rows, encoding);
    case OutputFormat::kJson:
      return FormatJson(rows, encoding);
  }
  return Text();
}
