#pragma once
// The fixed table of the Update run: which update box starts which job, in
// the order the run walks them. Its rows reach the jobs of every folder
// through the main window.
#include <cstdint>
#include <functional>
#include <vector>

class frmMain;

namespace UpdateJobs {

struct Job {
    int16_t box;
    std::function<void(frmMain &)> run;
};
// In run order. Boxes 44 to 49 and 59 start nothing and have no row.
const std::vector<Job> &Table();

} // namespace UpdateJobs
