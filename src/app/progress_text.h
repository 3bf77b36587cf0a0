#pragma once

#include <string>
#include <vector>

#include "ports/practice_history.h"

namespace velmora {

// The part as a whole percent of the whole, rounded to the nearest, yet never 0 while the part
// holds anything nor 100 while it falls short: "100%" always means every answer. 0 for no whole.
int whole_percent(int part, int whole);

// A bar or a point of a chart: what it is called on the chart's axis and its height.
struct ChartPoint {
  std::string name;
  int percent = 0;

  bool operator==(const ChartPoint&) const = default;
};

struct ProgressSection {
  std::string title;
  // What a screen reader hears.
  std::vector<std::string> lines;
  // What the chart draws, in reading order.
  std::vector<ChartPoint> points;
};

// A summary in words: what the progress window's charts draw, for reading and for screen readers.
struct ProgressText {
  std::string overview;
  ProgressSection chord_types;
  ProgressSection keys;
  // Right, right pitch but another spelling, wrong, empty: a line and a point each, in this order.
  ProgressSection classes;
  ProgressSection tones;
  ProgressSection weeks;
};

ProgressText progress_text(const ProgressSummary& summary);
// The overview and then each section's title and its lines, indented; a line each.
std::string plain_text(const ProgressText& text);
// The summary for a terminal: `plain_text`, or the empty history's sentence when nothing is
// recorded yet, so that no empty sections are printed.
std::string summary_text(const ProgressSummary& summary);

// What stands in place of the charts when there is nothing to draw.
std::string no_history_text();
std::string empty_history_text();

std::string forget_question();
std::string forgotten_text();
std::string exported_text(const std::string& path);
std::string export_failed_text(const std::string& path, const Failure& failure);
std::string forget_failed_text(const Failure& failure);

}  // namespace velmora
