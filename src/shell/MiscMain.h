#pragma once
// The start-up procedure: splash, first-run settings or questionnaire, then
// the main window. It shows the program's windows, so it lives with them.

namespace Misc {

// The entry procedure. Returns false when the program is to end at once
// (another copy is running).
bool Main();

} // namespace Misc
