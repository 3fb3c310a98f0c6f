#pragma once
// Starting and stopping the live monitor of the main window. The monitor polls the
// controller on its own thread and feeds the panels through queued signals.

namespace zel {

class TForm1;
class TMainPanelControl;

// Starts a new live monitor on the window's port, connected to the window's panels.
// Does nothing when one already runs.
void startLiveMonitor(TForm1& window);
// Asks the running monitor to end, waits for it and destroys it. Does nothing when
// none runs.
void stopLiveMonitor(TForm1& window);

// The running monitor, or nullptr.
TMainPanelControl* liveMonitor(TForm1& window);
// The monitor's answered flag (false when no monitor runs): the countdown dialog reads it.
bool liveMonitorAnswered(TForm1& window);

} // namespace zel
