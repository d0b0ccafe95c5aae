#include "cli/export_rows.h"

#include "playlist/extraction.h"

namespace {

// Group 1 of every match of `pattern`, in order.
std::vector<Text> Captures(const char* pattern, const Text& answer) {
  CompiledPattern compiled;
  CompilePattern(compiled, pattern);
  std::vector<Text> captures;
  for (const PatternMatch& match : SearchAll(compiled, answer)) {
    captures.push_back(GroupText(match, answer, 1));
  }
  return captures;
}

}  // namespace

ExportRows ExportRowsFromAnswer(const Text& answer) {
  const SongRows rows = ExtractSongRows(answer);
  const std::vector<Text> songs = Captures(kSongNamePattern, answer);
  const std::vector<Text> singers = Captures(kSingerNamePattern, answer);

  ExportRows exported;
  exported.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ExportRow row;
    row.number = rows[i].Number;
    row.name = rows[i].Name;
    row.address = rows[i].Address;
    if (i < songs.size()) row.song = songs[i];
    if (i < singers.size()) row.singer = singers[i];
    exported.push_back(std::move(row));
  }
  return exported;
}

ExportRows EncodeRows(const ExportRows& rows, OutputEncoding encoding, std::size_t& replaced) {
  replaced = 0;
  auto encode = [&](const Text& gbk) {
    EncodedText encoded = EncodeGbk(gbk, encoding);
    replaced += encoded.replaced;
    return std::move(encoded.text);
  };
  ExportRows encoded;
  encoded.reserve(rows.size());
  for (const ExportRow& row : rows) {
    // The name is song + " - " + singer; its count stands for both, so the
    // parts are encoded apart without being counted twice.
    ExportRow out;
    out.number = encode(row.number);
    out.name = encode(row.name);
    out.address = encode(row.address);
    out.song = EncodeGbk(row.song, encoding).text;
    out.singer = EncodeGbk(row.singer, encoding).text;
    encoded.push_back(std::move(out));
  }
  return encoded;
}
