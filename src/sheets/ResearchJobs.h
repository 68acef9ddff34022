#pragma once
// The Update run's per-stock downloaders of the research pages (splits,
// upgrades, downgrades, momentum rating, broker reports, short interest) and
// of the company profile; the main window's members of the same names call
// them.
class MainView;

namespace ResearchJobs {

void UpdateSplit(MainView &main);
void UpdateUPH(MainView &main);
void UpdateDNH(MainView &main);
void UpdateNMR(MainView &main);
void UpdateBRP(MainView &main);
void UpdateSI(MainView &main);
void UpdateProfile(MainView &main);

} // namespace ResearchJobs
