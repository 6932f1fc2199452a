#pragma once
// The three class modules behind one table, so that a test row can name its class by number.

#include "NomogramLookup.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <string>

struct TClassModule {
    const TPipeSizeArray& PipeSizes;
    const TPipeSizeArray& VelocityLines;
    bool (*GetNearestPipeAndVelocity)(double, double, std::string&, double&);
    double (*GetPressureForPipe)(const std::string&, double);
    double (*GetVelocityAtPoint)(double, double);
    double (*CalcYOnLogLine)(double, double, double, double, double);
};

inline const TClassModule& classModule(int classNumber)
{
    static const TClassModule kModules[] = {
        {Unit2::PipeSizes, Unit2::VelocityLines, Unit2::GetNearestPipeAndVelocity, Unit2::GetPressureForPipe,
         Unit2::GetVelocityAtPoint, Unit2::CalcYOnLogLine},
        {Unit3::PipeSizes, Unit3::VelocityLines, Unit3::GetNearestPipeAndVelocity, Unit3::GetPressureForPipe,
         Unit3::GetVelocityAtPoint, Unit3::CalcYOnLogLine},
        {Unit4::PipeSizes, Unit4::VelocityLines, Unit4::GetNearestPipeAndVelocity, Unit4::GetPressureForPipe,
         Unit4::GetVelocityAtPoint, Unit4::CalcYOnLogLine},
    };
    return kModules[classNumber - 1];
}
