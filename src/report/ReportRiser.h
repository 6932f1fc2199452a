#pragma once
// The PDF report's riser diagram: a page of its own after the table, the tree scaled to fit A4,
// or on A3 when A4 would shrink its words below reading size, with the critical chain beneath.

#include "ProjectFile.h"
#include "ReportPages.h"
#include "Sizing.h"

namespace Report {

// Nothing for a list or a schedule whose segments make no tree.
void riserPage(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
               const Sizing::TScheduleResult& result);

} // namespace Report
