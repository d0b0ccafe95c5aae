#include "skinengine/format/tests/sample_source.h"

#include <sstream>

Text SampleSource() {
  return "# test scheme\n"
         "name = Test Scheme\n"
         "\n"
         "[colors]\n"
         "window = #F3F7F8\n"
         "window_text = #101010\n"
         "frame = #204060\n"
         "caption = #2A5A8A\n"
         "caption_end = #1A4A7A\n"
         "caption_text = #FFFFFF\n"
         "caption_inactive = #A0A8B0\n"
         "caption_inactive_text = #303030\n"
         "close_hot = #D63A2E\n"
         "close_pressed = #A0261E\n"
         "close_glyph = #FFFFFF\n"
         "button = #EEF2F6\n"
         "button_hot = #D0E0F0\n"
         "button_pressed = #A0C0E0\n"
         "button_text = #1A1A1A\n"
         "button_border = #305070\n"
         "button_disabled = #DDDDDD\n"
         "button_disabled_text = #707070\n"
         "focus = #1060C0\n"
         "edit = #FFFFFF\n"
         "edit_text = #000000\n"
         "edit_border = #8090A0\n"
         "list = #FAFCFE\n"
         "list_text = #141414\n"
         "list_header = #C0D8F0\n"
         "list_header_text = #141414\n"
         "list_grid = #D0D8E0\n"
         "selection = #2060B0\n"
         "selection_text = #FFFFFF\n"
         "\n"
         "[metrics]\n"
         "button_radius = 4\n"
         "button_gloss = 25\n"
         "caption_align = 1\n"
         "border_width = 2\n";
}

Text SampleSourceWith(const Text& key, const Text& line) {
  std::istringstream in(SampleSource());
  Text out;
  Text current;
  bool replaced = false;
  while (std::getline(in, current)) {
    if (!replaced && current.rfind(key + " =", 0) == 0) {
      replaced = true;
      if (!line.empty()) out += line + "\n";
      continue;
    }
    out += current + "\n";
  }
  return out;
}
