#include "skinengine/format/skin_scheme.h"

namespace {

const char* const kColorRoleNames[kColorRoleCount] = {
    "window",
    "window_text",
    "frame",
    "caption",
    "caption_end",
    "caption_text",
    "caption_inactive",
    "caption_inactive_text",
    "close_hot",
    "close_pressed",
    "close_glyph",
    "button",
    "button_hot",
    "button_pressed",
    "button_text",
    "button_border",
    "button_disabled",
    "button_disabled_text",
    "focus",
    "edit",
    "edit_text",
    "edit_border",
    "list",
    "list_text",
    "list_header",
    "list_header_text",
    "list_grid",
    "selection",
    "selection_text",
};

const char* const kMetricNames[kMetricCount] = {"button_radius", "button_gloss", "caption_align",
                                                "border_width"};

const MetricRange kMetricRanges[kMetricCount] = {{0, 10}, {0, 60}, {0, 1}, {1, 2}};

}  // namespace

bool operator==(const SkinScheme& a, const SkinScheme& b) {
  return a.name == b.name && a.colors == b.colors && a.metrics == b.metrics;
}

const char* ColorRoleName(int role) {
  return kColorRoleNames[role];
}
const char* MetricName(int metric) {
  return kMetricNames[metric];
}
MetricRange MetricLimits(int metric) {
  return kMetricRanges[metric];
}

int FindColorRole(const Text& name) {
  for (int i = 0; i < kColorRoleCount; ++i) {
    if (name == kColorRoleNames[i]) return i;
  }
  return -1;
}

int FindMetric(const Text& name) {
  for (int i = 0; i < kMetricCount; ++i) {
    if (name == kMetricNames[i]) return i;
  }
  return -1;
}
