#include "ui/live_monitor_control.h"

#include "ui/main_window.h"

namespace zel {

void startLiveMonitor(TForm1& window)
{
    Q_UNUSED(window);
}

void stopLiveMonitor(TForm1& window)
{
    Q_UNUSED(window);
}

} // namespace zel
