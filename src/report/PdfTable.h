#pragma once
// The table of segments on the PDF report's pages, right to left, its header row again at the
// top of every page it continues on.

#include "ReportPages.h"
#include "ReportTable.h"

void paintTable(TReportPages& pages, const TReportTable& table, const TReportFonts& fonts);
