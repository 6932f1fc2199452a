#pragma once
// The PDF report's booster section, after the budget: the duty with its arithmetic written out
// term by term as the budget's is (the flow, the critical outlet for the discharge, the head, the
// powers, the switch pressures, the pressure tank by Boyle's law and the storage tank); and a
// tree's pressure-reducing valves as a table, with the advice where one stands at the source.

#include "ProjectFile.h"
#include "ReportPages.h"
#include "Sizing.h"

namespace Report {

// Nothing for a tree fed by the main.
void boosterSection(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
                    const Sizing::TScheduleResult& result);

// Nothing for a list, or a tree without valves.
void valvesSection(TReportPages& pages, const TReportFonts& fonts, const Project::TProject& project,
                   const Sizing::TScheduleResult& result);

} // namespace Report
